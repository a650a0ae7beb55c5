#include <windows.h>

#include "app/Shared.h"
#include "host/TextFile.h"
#include "startup/ConfigFile.h"
#include "startup/LangFile.h"

bool ReadConfigFile(int* ownLanguageFlag)
{
    const auto bytes = host::ReadFileBytes(shared.ProgramFolder + L"\\Vistora.Txt");
    if (!bytes) return false;
    const int flag = ReadConfigText(*bytes, host::FromAnsi, shared);
    if (ownLanguageFlag) *ownLanguageFlag = flag;
    return true;
}

void ShowConfigFileMissing()
{
    MessageBoxW(nullptr, L"[Vistora.Txt] file not found!", L"Vistora", MB_ICONERROR | MB_OK);
}
