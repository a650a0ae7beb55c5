#pragma once
// Finds the presentation program through its COM registration and builds the command prefix
// that starts a slide show. Portable: the registry, the file system and the message box are
// reached through the ports below.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "host/Registry.h"

// Query value, set value, create sub-key, enumerate sub-keys, notify, create link.
constexpr std::uint32_t PresenterKeyAccess = 0x3F;
constexpr wchar_t PresenterMissingText[] =
    L"You need to install Microsoft PowerPoint before executing Vistora.exe!";
constexpr wchar_t PresenterMissingTitle[] = L"Vistora";
constexpr wchar_t ShowSwitch[] = L" /s ";

using FileExistsTest = std::function<bool(const std::wstring& path)>;
using MessageSink = std::function<void(const std::wstring& text, const std::wstring& title)>;

// The executable's path out of a server command line: everything up to and including the one
// character after the first ".EXE" (any case), blanks trimmed. Empty when there is no ".EXE".
std::wstring CutPresenterPath(std::wstring_view commandLine);

// Sets presenterExe and showCommand when the registered executable exists; reports a missing
// one through the sink and empties both; leaves both alone when nothing is registered. A key
// missing from the native registry view is looked for in the 32-bit view.
void LocatePresenter(Registry& registry, const FileExistsTest& fileExists,
                     const MessageSink& message, std::wstring& presenterExe,
                     std::wstring& showCommand);
