#pragma once
// What the special-program picker lists, how it starts what is picked, and its layout.
#include <string>
#include <string_view>

namespace special {

// The files of the program folder the picker lists: videos, flash movies, sounds, programs whose
// name begins with "_" (so the program's own executables stay out) and screen savers.
constexpr std::wstring_view PickerPattern = L"*.avi;*.mpg;*.mpeg;*.swf;*.wav;*.mp3;_*.exe;*.scr";

// Whether a file name matches the pattern (extensions without regard to case).
bool IsPickerFile(std::wstring_view fileName);

// How a picked file starts, by the end of its path, the first rule that matches.
enum class PickAction {
    Program,      // ".exe": started, not tracked
    Flash,        // ".swf": the flash player
    ScreenSaver,  // ".scr": started with " /s", tracked
    Sound,        // ".wav": played while the presenter goes on
    Video,        // ".mpg", ".avi", ".mpeg": the video player
    Associated,   // anything else: the program the file is associated with, tracked
};
PickAction ClassifyPick(std::wstring_view path);

// The full path of a list entry: the entry without its leading and trailing blanks.
std::wstring PickedPath(std::wstring_view programFolder, std::wstring_view entry);

// Command lines, each program path in quotes so that a folder with blanks ("C:\Program Files")
// cannot start another program.
std::wstring ProgramCommand(std::wstring_view path);
std::wstring ScreenSaverCommand(std::wstring_view path);
// The associated program's command line out of what the system reported for the file: the
// report trimmed and in lower case, up to and including its first ".exe", then the file in
// quotes. Empty when the report names no ".exe".
std::wstring AssociatedCommand(std::wstring_view reportedProgram, std::wstring_view path);

// The buttons' width: a third of the inner width less 30, to the nearest twip (halves to even).
double PickerButtonWidth(double innerWidth);

} // namespace special
