#pragma once
// The players the special-program picker opens for a picked file, each shown modally over it.
namespace special {

// Plays shared.FlashFile in the flash player: loads it, shows it modally, unloads it when it hides.
void PlayFlash();

// Plays shared.MediaFile in the video player: loads it, shows it modally, unloads it when it hides.
void PlayVideo();

} // namespace special
