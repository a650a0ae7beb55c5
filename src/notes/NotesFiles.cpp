#include "notes/NotesFiles.h"

#include "base/Text.h"

namespace notes {

std::wstring NotesPathFor(std::wstring_view presentationPath)
{
    if (presentationPath.empty()) return {};
    const auto slash = presentationPath.find_last_of(L"\\/");
    const std::size_t nameStart = slash == std::wstring_view::npos ? 0 : slash + 1;
    const auto dot = presentationPath.find(L'.', nameStart);
    if (dot == std::wstring_view::npos) return std::wstring(presentationPath) + L".rtf";
    return std::wstring(presentationPath.substr(0, dot + 1)) + L"rtf";
}

std::wstring GuidePath(std::wstring_view programFolder, std::wstring_view langCode)
{
    return std::wstring(programFolder) + L"\\Vistora" + std::wstring(langCode) + L".Rtf";
}

std::wstring NotesTitleName(std::wstring_view presentationFileName)
{
    return LowerCase(presentationFileName.substr(0, presentationFileName.find(L'.')));
}

} // namespace notes
