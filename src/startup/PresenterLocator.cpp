#include "startup/PresenterLocator.h"

#include <algorithm>
#include <vector>

#include "base/Text.h"

namespace {
// A 64-bit program finds a 32-bit presentation program's registration only in the 32-bit view.
std::unique_ptr<RegistryKey> OpenInEitherView(Registry& registry, const std::wstring& path)
{
    if (auto key = registry.OpenMachineKey(path, PresenterKeyAccess, RegistryView::Native)) return key;
    return registry.OpenMachineKey(path, PresenterKeyAccess, RegistryView::Bits32);
}
} // namespace

std::wstring CutPresenterPath(std::wstring_view commandLine)
{
    constexpr std::wstring_view extension = L".EXE";
    const auto at = UpperAscii(commandLine).find(extension);
    // Without an extension there is no path to cut out; taking a few leading characters
    // instead could name some unrelated file.
    if (at == std::wstring::npos) return {};
    return TrimBlanks(commandLine.substr(0, at + extension.size() + 1));
}

void LocatePresenter(Registry& registry, const FileExistsTest& fileExists,
                     const MessageSink& message, std::wstring& presenterExe,
                     std::wstring& showCommand)
{
    std::wstring classId;
    if (auto classKey = OpenInEitherView(registry, L"Software\\Classes\\" L"Powerpoint.Application" L"\\CLSID")) {
        classId = ReadTextValue(*classKey).value_or(L"");
    }
    // Without a class identifier the server key below cannot name a registration.
    if (classId.empty()) return;
    const auto serverKey = OpenInEitherView(registry, L"Software\\Classes\\CLSID\\" + classId + L"\\LocalServer32");
    if (!serverKey) return;

    const std::wstring path = CutPresenterPath(ReadTextValue(*serverKey).value_or(L""));
    if (!path.empty() && fileExists(path)) {
        presenterExe = path;
        showCommand = path + ShowSwitch;
        return;
    }
    message(PresenterMissingText, PresenterMissingTitle);
    presenterExe.clear();
    showCommand.clear();
}
