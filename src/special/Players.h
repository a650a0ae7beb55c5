#pragma once
// The players the picker opens for the show's videos and flash movies.
namespace special {

// Plays shared.FlashFile in the flash player: loads it, shows it modally, unloads it when it
// hides.
void PlayFlash();

// Plays shared.MediaFile in the video player: loads it, shows it modally, unloads it when it
// hides.
void PlayVideo();

} // namespace special
