#pragma once
// Vistora.Txt in the program folder, read into the shared texts and options.

// Reads ProgramFolder + "\Vistora.Txt" (see ReadConfigText). False when the file can't be
// opened or read; the caller then calls ShowConfigFileMissing and ends the program.
// ownLanguageFlag, when given, receives the flag picture number for language button 3
// (1..16, 0 when OWN_LANGUAGE_ICON is absent or names no known country).
bool ReadConfigFile(int* ownLanguageFlag = nullptr);

// The one message for a missing language file: "[Vistora.Txt] file not found!".
void ShowConfigFileMissing();
