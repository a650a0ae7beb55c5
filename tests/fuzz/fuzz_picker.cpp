// The picker's rules over names and reports as Windows hands them over (wide text): the list
// entry that becomes a path, how it starts, and the command cut out of the associated program
// that FindExecutable reports (cut at its first NUL). A command is always the quoted program up
// to and including ".exe", then the file in quotes.
#include <cstddef>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>

#include "FuzzInput.h"
#include "base/Text.h"
#include "special/PickerRules.h"

using namespace special;

namespace {
std::wstring CutAtNul(std::wstring text)
{
    text.resize(std::min(text.size(), text.find(L'\0')));
    return text;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const std::wstring folder = CutAtNul(WideFromUtf16(input.ConsumeRandomLengthString(520)));
    const std::wstring entry = CutAtNul(WideFromUtf16(input.ConsumeRandomLengthString(520)));
    const std::wstring reported = CutAtNul(WideFromUtf16(input.ConsumeRemainingBytesAsString()));

    // The path keeps the folder and the entry without its outer blanks.
    const std::wstring path = PickedPath(folder, entry);
    Require(StartsWith(path, folder + L"\\") && path.size() <= folder.size() + 1 + entry.size());
    const std::wstring name = path.substr(folder.size() + 1);
    Require(name == TrimBlanks(entry));

    // Listed files start the way their pattern says; only sounds in MP3 go to the association.
    const PickAction action = ClassifyPick(path);
    if (IsPickerFile(name) && action == PickAction::Associated)
        Require(name.size() >= 4 && LowerCase(name.substr(name.size() - 4)) == L".mp3");
    if (action == PickAction::Program) Require(IsPickerFile(name) == (!name.empty() && name[0] == L'_'));

    Require(ProgramCommand(path) == L"\"" + path + L"\"");
    Require(ScreenSaverCommand(path) == L"\"" + path + L"\" /s");

    const std::wstring command = AssociatedCommand(reported, path);
    const std::wstring lowered = LowerCase(TrimBlanks(reported));
    Require(command.empty() == (lowered.find(L".exe") == std::wstring::npos));
    if (!command.empty()) {
        const std::wstring tail = L"\" \"" + path + L"\"";
        Require(command.front() == L'"' && EndsWith(command, tail));
        const std::wstring program = command.substr(1, command.size() - 1 - tail.size());
        Require(EndsWith(program, L".exe") && program.find(L".exe") == program.size() - 4);
        Require(program.size() <= reported.size() && program == LowerCase(program));
    }
    return 0;
}
