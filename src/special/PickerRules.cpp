#include "special/PickerRules.h"

#include "base/Rounding.h"
#include "base/Text.h"

namespace special {

namespace {
// The last characters of a path in lower case.
std::wstring Tail(std::wstring_view path, std::size_t count)
{
    return LowerCase(path.substr(path.size() > count ? path.size() - count : 0));
}

std::wstring Quoted(std::wstring_view text) { return L"\"" + std::wstring(text) + L"\""; }
} // namespace

bool IsPickerFile(std::wstring_view fileName)
{
    std::size_t start = 0;
    while (start <= PickerPattern.size()) {
        std::size_t end = PickerPattern.find(L';', start);
        if (end == std::wstring_view::npos) end = PickerPattern.size();
        if (MatchesWildcard(PickerPattern.substr(start, end - start), fileName)) return true;
        start = end + 1;
    }
    return false;
}

PickAction ClassifyPick(std::wstring_view path)
{
    const std::wstring tail4 = Tail(path, 4);
    const std::wstring tail5 = Tail(path, 5);
    if (tail4 == L".exe") return PickAction::Program;
    if (tail4 == L".swf") return PickAction::Flash;
    if (tail4 == L".scr") return PickAction::ScreenSaver;
    if (tail4 == L".wav") return PickAction::Sound;
    if (tail4 == L".mpg" || tail4 == L".avi" || tail5 == L".mpeg") return PickAction::Video;
    return PickAction::Associated;
}

std::wstring PickedPath(std::wstring_view programFolder, std::wstring_view entry)
{
    return std::wstring(programFolder) + L"\\" + TrimBlanks(entry);
}

std::wstring ProgramCommand(std::wstring_view path) { return Quoted(path); }

std::wstring ScreenSaverCommand(std::wstring_view path) { return Quoted(path) + L" /s"; }

std::wstring AssociatedCommand(std::wstring_view reportedProgram, std::wstring_view path)
{
    std::wstring program = LowerCase(TrimBlanks(reportedProgram));
    const auto exe = program.find(L".exe");
    if (exe == std::wstring::npos) return {};
    program.resize(exe + 4);
    // A report that is quoted already keeps its quotes once.
    if (program.front() == L'"') program.erase(0, 1);
    return Quoted(program) + L" " + Quoted(path);
}

double PickerButtonWidth(double innerWidth) { return RoundHalfEven(innerWidth / 3 - 30); }

} // namespace special
