#include "host/Sound.h"

#include <windows.h>

#include <mmsystem.h>

#include "host/SystemLibrary.h"

namespace host {

namespace {

using PlaySoundFunction = BOOL(WINAPI*)(LPCWSTR, HMODULE, DWORD);

PlaySoundFunction PlaySoundEntry()
{
    static const auto entry = SystemFunction<PlaySoundFunction>(L"winmm.dll", "PlaySoundW");
    return entry;
}

} // namespace

bool PlaySoundAsync(const std::wstring& file)
{
    const PlaySoundFunction play = PlaySoundEntry();
    return play && play(file.c_str(), nullptr, SND_ASYNC) != FALSE;
}

void StopSound()
{
    // Without the sound library loaded no sound of ours plays.
    if (!GetModuleHandleW(L"winmm.dll")) return;
    if (const PlaySoundFunction play = PlaySoundEntry()) play(nullptr, nullptr, SND_ASYNC);
}

} // namespace host
