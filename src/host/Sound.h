#pragma once
// A sound file played by the system's sound service while the program goes on.
#include <string>

namespace host {

// Starts a sound and returns at once (the name may also be a sound alias of the system).
// False when it could not be started (no such file, no sound device).
bool PlaySoundAsync(const std::wstring& file);

// Stops whatever sound PlaySoundAsync started; nothing happens when none plays.
void StopSound();

} // namespace host
