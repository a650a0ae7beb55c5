#include <windows.h>

#include "app/Shared.h"
#include "host/Dialogs.h"
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
    host::MsgBox(L"[Vistora.Txt] file not found!", MB_ICONERROR | MB_OK, L"Vistora");
}
