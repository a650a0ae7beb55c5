#pragma once
// Vistora.Txt in the program folder.
#include <optional>
#include <string>

#include "startup/LangFile.h"

// Reads programFolder + "\Vistora.Txt" over what an earlier read gave (see ReadConfigText).
// Nothing when the file can't be opened or read; the caller then calls ShowConfigFileMissing
// and ends the program.
std::optional<LanguageFile> ReadConfigFile(const std::wstring& programFolder, LanguageFile previous = {});

// The one message for a missing language file: "[Vistora.Txt] file not found!".
void ShowConfigFileMissing();
