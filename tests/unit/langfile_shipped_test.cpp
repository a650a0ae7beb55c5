#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "ShippedFiles.h"
#include "startup/LangFile.h"
#include "startup/LangTables.h"

TEST(LangFileShipped, EveryLineEndsInCrLfAndEveryByteIsText)
{
    const std::string bytes = ReadShippedFile("Vistora.Txt");
    ASSERT_FALSE(bytes.empty());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b == '\n') {
            EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << "at " << i;
        }
        if (b == '\r') {
            EXPECT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "at " << i;
        }
        // Windows-1252: printable ASCII or a letter from the upper half, nothing a code page lacks.
        EXPECT_TRUE(b == '\r' || b == '\n' || (b >= 0x20 && b < 0x7F) || b >= 0xC0) << "byte " << int(b) << " at " << i;
    }
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
}

TEST(LangFileShipped, HundredTextLinesWithCaptionsThatFitAButton)
{
    const std::string bytes = ReadShippedFile("Vistora.Txt");
    int textLines = 0;
    for (auto line : SplitLines(bytes))
        if (!line.empty() && line.front() == '"') ++textLines;
    EXPECT_EQ(textLines, TextCount);

    struct : LanguageFile {
        std::wstring LangCode;
        TextTable LangCaption;
        TextTable LangText;
    } s;
    static_cast<LanguageFile&>(s) = ReadConfigText(bytes, WidenLatin1, L"C:\\Vistora");
    for (const wchar_t* code : {L"ENG", L"OWN"}) {
        s.LangCode = code;
        ApplyLanguageTables(s.LangLine, s.LangCode, s.LangCaption, s.LangText);
        for (int i = 1; i <= LangNumbers; ++i) {
            const int line = (s.LangCode == L"ENG" ? 0 : LangNumbers) + i;
            EXPECT_NE(s.LangLine[line].find(L':'), std::wstring::npos) << "line " << line;
            EXPECT_FALSE(s.LangCaption[i].empty()) << "line " << line;
            EXPECT_LE(s.LangCaption[i].size(), 12u) << "line " << line;
            EXPECT_FALSE(s.LangText[i].empty()) << "line " << line;
            EXPECT_EQ(s.LangText[i].find(L'"'), std::wstring::npos) << "line " << line;
        }
        // The language button names the other language.
        EXPECT_EQ(s.LangCaption[5], s.LangCode == L"ENG" ? L"Italiano" : L"English");
        // Column headers and the status prefix that has the row's text appended.
        EXPECT_EQ(s.LangText[29].back(), L' ');
        EXPECT_FALSE(s.LangText[35].empty() || s.LangText[36].empty() || s.LangText[37].empty());
    }
}

TEST(LangFileShipped, FourOptionsNameThingsTheProgramFolderHolds)
{
    const LanguageFile s = ReadConfigText(ReadShippedFile("Vistora.Txt"), WidenLatin1, L"C:\\Vistora");
    EXPECT_EQ(s.OwnFlag, 5);
    EXPECT_EQ(s.DataExtension, L"*.ppt;*.pps");
    EXPECT_EQ(s.TooltipSwitch, L"YES");
    const std::wstring prefix = L"C:\\Vistora\\";
    ASSERT_EQ(s.SpecialProgram.substr(0, prefix.size()), prefix);
    EXPECT_TRUE(std::filesystem::is_regular_file(ShippedFolder() / s.SpecialProgram.substr(prefix.size())));
}
