#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <vector>

#include "RegistryTestKit.h"
#include "startup/PresenterLocator.h"

namespace {

std::vector<std::byte> Utf16(std::u16string_view text, bool withNul = true)
{
    std::vector<std::byte> bytes;
    for (char16_t unit : text) {
        bytes.push_back(static_cast<std::byte>(unit & 0xFF));
        bytes.push_back(static_cast<std::byte>(unit >> 8));
    }
    if (withNul) bytes.insert(bytes.end(), 2, std::byte{0});
    return bytes;
}

std::wstring Read(std::vector<FakeValue> versions)
{
    FakeKey key(std::move(versions));
    return ReadTextValue(key).value_or(L"");
}

constexpr wchar_t ClassPath[] = L"Software\\Classes\\Powerpoint.Application\\CLSID";
constexpr wchar_t ServerPath[] = L"Software\\Classes\\CLSID\\{0C1D}\\LocalServer32";

// Keys with their default values, in the native view and in the 32-bit view.
class FakeRegistry final : public Registry {
public:
    std::map<std::wstring, std::u16string> values;
    std::map<std::wstring, std::u16string> values32;
    std::vector<std::uint32_t> accessAsked;

    std::unique_ptr<RegistryKey> OpenMachineKey(const std::wstring& path, std::uint32_t access,
                                                RegistryView view) override
    {
        accessAsked.push_back(access);
        const auto& keys = view == RegistryView::Bits32 ? values32 : values;
        const auto found = keys.find(path);
        if (found == keys.end()) return nullptr;
        return std::make_unique<FakeKey>(std::vector<FakeValue>{{Utf16(found->second)}});
    }
};

struct Located {
    std::wstring exe = L"before";
    std::wstring command = L"before";
    std::vector<std::wstring> messages;
    std::vector<std::wstring> existenceAsked;
};

Located Locate(FakeRegistry& registry, bool fileExists)
{
    Located out;
    LocatePresenter(
        registry,
        [&](const std::wstring& path) {
            out.existenceAsked.push_back(path);
            return fileExists;
        },
        [&](const std::wstring& text, const std::wstring& title) {
            out.messages.push_back(title + L"|" + text);
        },
        out.exe, out.command);
    return out;
}

FakeRegistry Registered(std::u16string serverLine)
{
    FakeRegistry registry;
    registry.values[ClassPath] = u"{0C1D}";
    registry.values[ServerPath] = std::move(serverLine);
    return registry;
}

} // namespace

TEST(LocatorCut, KeepsPathUpToTheCharacterAfterExe)
{
    EXPECT_EQ(CutPresenterPath(L"C:\\Office\\POWERPNT.EXE /automation"),
              L"C:\\Office\\POWERPNT.EXE");
    EXPECT_EQ(CutPresenterPath(L"C:\\Office\\POWERPNT.EXE"), L"C:\\Office\\POWERPNT.EXE");
    EXPECT_EQ(CutPresenterPath(L"  c:\\Office\\PowerPnt.exe/x"), L"c:\\Office\\PowerPnt.exe/");
    EXPECT_EQ(CutPresenterPath(L"\"C:\\Program Files\\P.EXE\" /automation"),
              L"\"C:\\Program Files\\P.EXE\"");
    // Only the first ".EXE" counts, even inside a folder name.
    EXPECT_EQ(CutPresenterPath(L"C:\\a.exec\\P.EXE /s"), L"C:\\a.exec");
}

TEST(LocatorCut, NothingToCut)
{
    EXPECT_EQ(CutPresenterPath(L""), L"");
    EXPECT_EQ(CutPresenterPath(L"C:\\Office\\POWERPNT /automation"), L"");
    EXPECT_EQ(CutPresenterPath(L"C:\\EX"), L"");
    EXPECT_EQ(CutPresenterPath(std::wstring(65536, L'x')), L"");
}

TEST(LocatorCut, LongValues)
{
    const std::wstring path = L"C:\\" + std::wstring(65536, L'd') + L"\\P.EXE";
    EXPECT_EQ(CutPresenterPath(path + L" /automation"), path);
    EXPECT_EQ(CutPresenterPath(std::wstring(65536, L' ') + path), path);
}

TEST(LocatorRegistryRead, WellFormedAndMalformedText)
{
    EXPECT_EQ(Read({{Utf16(u"C:\\P.EXE /a")}}), L"C:\\P.EXE /a");
    EXPECT_EQ(Read({{Utf16(u"C:\\P.EXE", false)}}), L"C:\\P.EXE") << "no NUL: nothing dropped";
    auto odd = Utf16(u"AB", false);
    odd.push_back(std::byte{'C'});
    EXPECT_EQ(Read({{odd}}), L"AB") << "an odd trailing byte is no character";
    EXPECT_EQ(Read({{Utf16(u"AB\0CD", true)}}), L"AB");
    EXPECT_EQ(Read({{Utf16(u"%SystemRoot%\\P.EXE"), registry_type::ExpandString}}),
              L"%SystemRoot%\\P.EXE");
    EXPECT_EQ(Read({{Utf16(u"")}}), L"");
    EXPECT_EQ(Read({{{}}}), L"");
    EXPECT_EQ(Read({}), L"") << "missing value";
    EXPECT_EQ(Read({{Utf16(u"\u00e9\U0001F600x")}}), L"\u00e9\U0001F600x");
}

TEST(LocatorRegistryRead, WrongTypesGiveNothing)
{
    EXPECT_EQ(Read({{{std::byte{1}, std::byte{0}, std::byte{0}, std::byte{0}}, 4}}), L"");
    EXPECT_EQ(Read({{Utf16(u"A\0B\0", true), 7}}), L"") << "multi-string";
    EXPECT_EQ(Read({{Utf16(u"text"), 3}}), L"") << "binary";
}

TEST(LocatorRegistryRead, ValueChangingBetweenSizeAndRead)
{
    EXPECT_EQ(Read({{Utf16(u"short")}, {Utf16(u"much longer value")}}), L"much longer value");
    EXPECT_EQ(Read({{Utf16(u"a rather long value")}, {Utf16(u"short")}}), L"short");
    EXPECT_EQ(Read({{Utf16(u"text")}, {Utf16(u"text"), 4}}), L"") << "type changed";
    std::vector<FakeValue> growing;
    for (int i = 1; i < 12; ++i) growing.push_back({Utf16(std::u16string(i * 10, u'g'))});
    EXPECT_EQ(Read(growing), L"") << "never settles";
}

TEST(LocatorRegistryRead, LargeValues)
{
    const std::u16string big(32767, u'v'); // 64 KB with its NUL
    EXPECT_EQ(Read({{Utf16(big)}}).size(), big.size());
    EXPECT_EQ(Read({{std::vector<std::byte>(4u << 20, std::byte{'a'})}}), L"");
}

TEST(LocatorAlgorithm, RegisteredExecutableFound)
{
    FakeRegistry registry = Registered(u"C:\\Office\\POWERPNT.EXE /automation");
    const Located found = Locate(registry, true);
    EXPECT_EQ(found.exe, L"C:\\Office\\POWERPNT.EXE");
    EXPECT_EQ(found.command, L"C:\\Office\\POWERPNT.EXE /s ");
    EXPECT_TRUE(found.messages.empty());
    EXPECT_EQ(found.existenceAsked, std::vector<std::wstring>{L"C:\\Office\\POWERPNT.EXE"});
    EXPECT_EQ(registry.accessAsked, (std::vector<std::uint32_t>{0x3F, 0x3F}));
}

TEST(LocatorAlgorithm, MissingOrUncuttableExecutableIsReported)
{
    const std::wstring expected =
        L"Vistora|You need to install Microsoft PowerPoint before executing Vistora.exe!";
    for (const std::u16string line : {u"C:\\Office\\POWERPNT.EXE /automation",
                                      u"\"C:\\Office\\POWERPNT.EXE\" /automation", u"",
                                      u"C:\\Office\\POWERPNT"}) {
        FakeRegistry registry = Registered(line);
        const Located found = Locate(registry, false);
        EXPECT_EQ(found.messages, std::vector<std::wstring>{expected});
        EXPECT_EQ(found.exe, L"");
        EXPECT_EQ(found.command, L"");
    }
}

TEST(LocatorAlgorithm, NoRegistrationIsSilent)
{
    FakeRegistry none;
    FakeRegistry classOnly;
    classOnly.values[ClassPath] = u"{0C1D}";
    FakeRegistry serverOnly;
    serverOnly.values[ServerPath] = u"C:\\P.EXE";
    for (FakeRegistry* registry : {&none, &classOnly, &serverOnly}) {
        const Located found = Locate(*registry, true);
        EXPECT_TRUE(found.messages.empty());
        EXPECT_TRUE(found.existenceAsked.empty());
        EXPECT_EQ(found.exe, L"before");
        EXPECT_EQ(found.command, L"before");
    }
}

TEST(LocatorAlgorithm, KeysOnlyInThe32BitViewAreFound)
{
    // A 32-bit presentation program on 64-bit Windows: the class id may be seen by both views,
    // the server key only by 32-bit programs.
    FakeRegistry serverIn32;
    serverIn32.values[ClassPath] = u"{0C1D}";
    serverIn32.values32[ServerPath] = u"C:\\Office32\\POWERPNT.EXE /automation";
    FakeRegistry bothIn32;
    bothIn32.values32[ClassPath] = u"{0C1D}";
    bothIn32.values32[ServerPath] = u"C:\\Office32\\POWERPNT.EXE /automation";
    for (FakeRegistry* registry : {&serverIn32, &bothIn32}) {
        const Located found = Locate(*registry, true);
        EXPECT_EQ(found.exe, L"C:\\Office32\\POWERPNT.EXE");
        EXPECT_EQ(found.command, L"C:\\Office32\\POWERPNT.EXE /s ");
        EXPECT_TRUE(found.messages.empty());
        for (std::uint32_t access : registry->accessAsked) EXPECT_EQ(access, 0x3Fu);
    }

    // The native view wins where both hold the key.
    FakeRegistry both = Registered(u"C:\\Office64\\POWERPNT.EXE /automation");
    both.values32[ServerPath] = u"C:\\Office32\\POWERPNT.EXE /automation";
    EXPECT_EQ(Locate(both, true).exe, L"C:\\Office64\\POWERPNT.EXE");
}
