#include "host/Sound.h"

#include <windows.h>

#include <mmsystem.h>

namespace host {

bool PlaySoundAsync(const std::wstring& file) { return PlaySoundW(file.c_str(), nullptr, SND_ASYNC) != FALSE; }

void StopSound() { PlaySoundW(nullptr, nullptr, SND_ASYNC); }

} // namespace host
