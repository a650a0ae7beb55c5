#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "VistoraApp.h"

using e2e::Lower;
using e2e::VistoraApp;
using testsupport::ReadBytes;
using testsupport::WaitFor;
using testsupport::WindowText;
using testsupport::WriteBytes;

namespace {

std::string Narrow(const std::wstring& text)
{
    std::string narrow;
    for (wchar_t c : text) narrow += static_cast<char>(c);
    return narrow;
}

// Starts Vistora, expects the missing-language-file box, answers it and waits for the end.
void ExpectMissingLanguageFile(VistoraApp& app)
{
    const auto before = e2e::FolderFiles(app.Folder());
    ASSERT_TRUE(app.Start());
    HWND box = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (box = testsupport::FindProcessWindow(app.Pid(), L"#32770")) != nullptr; }, 20000));
    EXPECT_EQ(testsupport::DialogMessageText(box), L"[Vistora.Txt] file not found!");
    EXPECT_EQ(testsupport::FindProcessWindow(app.Pid(), L"VistoraForm"), nullptr);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(app.WaitForExit(5000));
    EXPECT_EQ(e2e::FolderFiles(app.Folder()), before) << "nothing written";
}

} // namespace

TEST(FileFaults, ALanguageFileHeldByAnotherProgramOrAFolderOfItsNameIsMissing)
{
    e2e::ForgetSettings();
    {
        VistoraApp app;
        HANDLE held = CreateFileW(app.File(L"Vistora.Txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        ExpectMissingLanguageFile(app);
        CloseHandle(held);
    }
    {
        VistoraApp app;
        ASSERT_TRUE(DeleteFileW(app.File(L"Vistora.Txt").c_str()));
        ASSERT_TRUE(CreateDirectoryW(app.File(L"Vistora.Txt").c_str(), nullptr));
        ExpectMissingLanguageFile(app);
    }
}

TEST(FileFaults, ADamagedOptionsFileStartsWithTheDefaultsAndExitWritesTwoLines)
{
    static constexpr char binary[] = "OWN\r\n\x01\x02\0\xff\xfe garbage \r\n\x7f\x1b\r\n";
    const struct {
        const char* name;
        std::string bytes;
    } damaged[] = {
        {"binary", std::string(binary, sizeof binary - 1)},
        {"one 10 MB line", std::string(10 * 1024 * 1024, 'x')},
        {"blank lines", "\r\n  \r\n\r\n\r\n"},
    };
    for (const auto& file : damaged) {
        SCOPED_TRACE(file.name);
        e2e::ForgetSettings();
        VistoraApp app;
        ASSERT_TRUE(WriteBytes(app.File(L"Vistora.opt"), file.bytes));
        ASSERT_NE(app.StartAndWait(), nullptr);
        EXPECT_TRUE(IsWindowVisible(app.Button(3))) << "English";
        const std::wstring folder = WindowText(app.Directory());
        EXPECT_EQ(Lower(folder), Lower(app.Folder())) << "the program folder";
        VistoraApp::Click(app.Button(0));
        ASSERT_TRUE(app.WaitForExit(10000));
        EXPECT_EQ(ReadBytes(app.File(L"Vistora.opt")), "ENG\r\n" + Narrow(folder) + "\r\n");
    }
}

TEST(FileFaults, AnOptionsFileThatCannotBeReplacedKeepsItsContentAndTheProgramStillEnds)
{
    e2e::ForgetSettings();
    VistoraApp app;
    const std::string stored = "OWN\r\nc:\\windows\r\n";
    ASSERT_TRUE(WriteBytes(app.File(L"Vistora.opt"), stored));
    ASSERT_TRUE(SetFileAttributesW(app.File(L"Vistora.opt").c_str(), FILE_ATTRIBUTE_READONLY));
    struct Writable {
        std::wstring path;
        ~Writable() { SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL); }
    } writableAgain{app.File(L"Vistora.opt")};
    ASSERT_NE(app.StartAndWait(), nullptr);
    // Back to English, so that a written file would differ.
    ASSERT_TRUE(IsWindowVisible(app.Button(4)));
    VistoraApp::Click(app.Button(4));
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(app.Button(3)); }, 5000));
    VistoraApp::Click(app.Button(0));
    EXPECT_TRUE(app.WaitForExit(10000)) << "the program ends all the same";
    EXPECT_EQ(ReadBytes(app.File(L"Vistora.opt")), stored);
    EXPECT_FALSE(testsupport::FileExistsForTest(app.File(L"Vistora.opt.new"))) << "no half-written file left";
}
