// The notes editor's file naming over paths and names as the browser hands them over (wide
// text). The notes path keeps the presentation's folder, ends in ".rtf" after the name up to
// its first dot, and names itself; the title is that name in lower case.
#include <cstddef>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>

#include "FuzzInput.h"
#include "base/Text.h"
#include "notes/NotesFiles.h"

using namespace notes;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const std::wstring langCode = WideFromUtf16(input.ConsumeRandomLengthString(16));
    const std::wstring path = WideFromUtf16(input.ConsumeRemainingBytesAsString());

    const std::wstring notesPath = NotesPathFor(path);
    if (path.empty()) {
        Require(notesPath.empty());
    } else {
        const auto slash = path.find_last_of(L"\\/");
        const std::size_t nameStart = slash == std::wstring::npos ? 0 : slash + 1;
        const std::wstring folder = path.substr(0, nameStart);
        Require(StartsWith(notesPath, folder) && EndsWith(notesPath, L".rtf"));
        Require(notesPath.size() <= path.size() + 4);
        // The name holds one dot, the one before "rtf"; no folder is left out or added.
        const std::wstring notesName = notesPath.substr(nameStart);
        Require(notesName.find_first_of(L"\\/") == std::wstring::npos);
        Require(notesName.find(L'.') == notesName.size() - 4);
        // The notes of the notes file are itself, and its title names the presentation.
        Require(NotesPathFor(notesPath) == notesPath);
        const std::wstring fileName = path.substr(nameStart);
        const std::wstring title = NotesTitleName(fileName);
        Require(title == LowerCase(notesName.substr(0, notesName.size() - 4)));
        Require(title.size() <= fileName.size() && LowerCase(title) == title);
    }

    const std::wstring folder = path.substr(0, path.size() / 2);
    const std::wstring guide = GuidePath(folder, langCode);
    Require(guide == folder + L"\\Vistora" + langCode + L".Rtf");
    return 0;
}
