// The presentation-program locator over a registry whose values come from the input: text of
// any length and type, values that change between the size query and the read, keys missing
// from either view. What it keeps is always a path cut just after ".EXE", and a missing program
// is reported with both results emptied.
#include <cstddef>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <vector>

#include "FuzzInput.h"
#include "RegistryTestKit.h"
#include "base/Text.h"
#include "startup/PresenterLocator.h"

namespace {

class FuzzedRegistry final : public Registry {
public:
    explicit FuzzedRegistry(FuzzedDataProvider& input) : input_(input) {}
    std::size_t LongestValue = 0; // in bytes, of every key opened

    std::unique_ptr<RegistryKey> OpenMachineKey(const std::wstring&, std::uint32_t, RegistryView) override
    {
        if (!input_.ConsumeBool()) return nullptr;
        std::vector<FakeValue> versions(input_.ConsumeIntegralInRange<std::size_t>(0, 3));
        for (FakeValue& v : versions) {
            constexpr std::uint32_t types[] = {registry_type::String, registry_type::ExpandString, 3, 7};
            v.type = input_.PickValueInArray(types);
            const std::string text = input_.ConsumeRandomLengthString(600);
            for (char c : text) v.bytes.push_back(static_cast<std::byte>(c));
            LongestValue = std::max(LongestValue, v.bytes.size());
        }
        return std::make_unique<FakeKey>(std::move(versions));
    }

private:
    FuzzedDataProvider& input_;
};

// A cut path: ".EXE" in any case, then at most the one character the cut keeps, no outer blanks.
void RequireCutPath(const std::wstring& path, std::size_t longestText)
{
    if (path.empty()) return;
    const auto at = UpperAscii(path).find(L".EXE");
    Require(at != std::wstring::npos && path.size() <= at + 5);
    Require(path.size() <= longestText);
    Require(path.front() != L' ' && path.back() != L' ');
    Require(path.find(L'\0') == std::wstring::npos);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const bool exists = input.ConsumeBool();
    FuzzedRegistry registry(input);
    int messages = 0;
    std::wstring exe = L"before", command = L"before";
    LocatePresenter(
        registry, [&](const std::wstring& path) { return exists && !path.empty(); },
        [&](const std::wstring& text, const std::wstring& title) {
            Require(text == PresenterMissingText && title == PresenterMissingTitle);
            ++messages;
        },
        exe, command);
    Require(messages <= 1);
    if (messages) {
        Require(exe.empty() && command.empty());
    } else if (exe != L"before") {
        RequireCutPath(exe, registry.LongestValue / 2);
        Require(exists && !exe.empty() && command == exe + ShowSwitch);
    } else {
        Require(command == L"before");
    }

    // The cutting alone, over text as the registry reading hands it over: cut at its first NUL.
    std::wstring text = WideFromUtf16(input.ConsumeRemainingBytesAsString());
    text.resize(std::min(text.size(), text.find(L'\0')));
    const std::wstring cut = CutPresenterPath(text);
    RequireCutPath(cut, text.size());
    Require(cut.empty() == (UpperAscii(text).find(L".EXE") == std::wstring::npos));
    return 0;
}
