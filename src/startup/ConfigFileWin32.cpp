#include <windows.h>

#include "host/Dialogs.h"
#include "host/TextFile.h"
#include "startup/ConfigFile.h"
#include "startup/LangFile.h"

std::optional<LanguageFile> ReadConfigFile(const std::wstring& programFolder, LanguageFile previous)
{
    const auto bytes = host::ReadFileBytes(programFolder + L"\\Vistora.Txt");
    if (!bytes) return std::nullopt;
    return ReadConfigText(*bytes, host::FromAnsi, programFolder, std::move(previous));
}

void ShowConfigFileMissing()
{
    host::MsgBox(L"[Vistora.Txt] file not found!", MB_ICONERROR | MB_OK, L"Vistora");
}
