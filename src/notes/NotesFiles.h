#pragma once
// Which files the notes editor shows, and what its title strip says about them.
#include <string>
#include <string_view>

namespace notes {

// The speaker notes kept beside a presentation: the presentation's path up to and including the
// first "." of its file name, then "rtf" (D:\Talks\KICKOFF.PPT gives D:\Talks\KICKOFF.rtf). Dots
// in folder names do not count, so A.PPT and B.PPT in C:\My.Talks keep notes of their own (only
// names that differ after their first "." share one); a file name without "." gets ".rtf" added.
// Empty for an empty path.
std::wstring NotesPathFor(std::wstring_view presentationPath);

// The guide document of a language: VistoraENG.Rtf or VistoraOWN.Rtf in the program folder.
std::wstring GuidePath(std::wstring_view programFolder, std::wstring_view langCode);

// The name the title strip shows for a presentation's notes: the file name before its first
// ".", in lower case (the whole name when it has none).
std::wstring NotesTitleName(std::wstring_view presentationFileName);

} // namespace notes
