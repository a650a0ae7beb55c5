#include <gtest/gtest.h>

#include <string>

#include "startup/LangFile.h"
#include "startup/LangTables.h"

namespace {

constexpr wchar_t ProgramFolder[] = L"C:\\Prog";

// The language file as the main window keeps it, with the captions and texts it shows.
struct LangState : LanguageFile {
    std::wstring LangCode;
    TextTable LangCaption;
    TextTable LangText;
    void Apply() { ApplyLanguageTables(LangLine, LangCode, LangCaption, LangText); }
};

struct LangFileReader : ::testing::Test {
    LangState s;
    int Read(std::string_view bytes, const AnsiDecoder& decode = WidenLatin1)
    {
        static_cast<LanguageFile&>(s) = ReadConfigText(bytes, decode, ProgramFolder, s);
        return s.OwnFlag;
    }
};

std::string Lines(std::initializer_list<std::string_view> lines, std::string_view end = "\r\n")
{
    std::string bytes;
    for (auto line : lines) (bytes += line) += end;
    return bytes;
}

} // namespace

TEST_F(LangFileReader, ClassifiesEachLineByItsFirstCharacter)
{
    Read(Lines({"[English]", "\"Exit:Leave the program\"", "  [a heading between text lines]  ",
                "\"Two:second\"", "", "   ", "a comment without an equals sign", "UNKNOWN_KEY=1",
                "x\"Three:not a text line\"", "   \"Three:third\"   "}));
    EXPECT_EQ(s.LangLine[1], L"Exit:Leave the program");
    EXPECT_EQ(s.LangLine[2], L"Two:second");
    EXPECT_EQ(s.LangLine[3], L"Three:third");
    EXPECT_EQ(s.LangLine[4], L"");
    EXPECT_EQ(s.LangLine[0], L"");

    s.LangCode = L"ENG";
    s.Apply();
    EXPECT_EQ(s.LangCaption[1], L"Exit");
    EXPECT_EQ(s.LangText[1], L"Leave the program");
}

TEST_F(LangFileReader, TextLineDropsFirstAndLastCharacterUntested)
{
    Read(Lines({"\"", "\"\"", "\"abc", "\"  blanks inside stay  \"", "\"a\"b\"", "\"Note:a:b\""}));
    EXPECT_EQ(s.LangLine[1], L"");
    EXPECT_EQ(s.LangLine[2], L"");
    EXPECT_EQ(s.LangLine[3], L"ab");
    EXPECT_EQ(s.LangLine[4], L"  blanks inside stay  ");
    EXPECT_EQ(s.LangLine[5], L"a\"b");
    EXPECT_EQ(s.LangLine[6], L"Note:a:b");
}

TEST_F(LangFileReader, OptionKeysAreUpperCasedButNotStripped)
{
    Read(Lines({"   TOOLTIPS=yes   ", "data_extension=*.ppt; *.pps", "Own_Language_Icon=sweeden"}));
    EXPECT_EQ(s.TooltipSwitch, L"YES");
    EXPECT_EQ(s.DataExtension, L"*.ppt; *.pps");

    const LanguageFile other = ReadConfigText(
        Lines({"TOOLTIPS = YES", "TOOLTIPS =YES", " DATA_EXTENSION =*.ppt", "OWN_LANGUAGE_ICON =ITA"}), WidenLatin1,
        ProgramFolder);
    EXPECT_EQ(other.OwnFlag, 0);
    EXPECT_EQ(other.TooltipSwitch, L"");
    EXPECT_EQ(other.DataExtension, L"");
}

TEST_F(LangFileReader, OptionValuesSplitAtTheFirstEqualsSign)
{
    Read(Lines({"DATA_EXTENSION= *.ppt;a=b", "TOOLTIPS=no=yes"}));
    EXPECT_EQ(s.DataExtension, L" *.ppt;a=b");
    EXPECT_EQ(s.TooltipSwitch, L"NO=YES");

    Read(Lines({"TOOLTIPS= yes", "DATA_EXTENSION="}));
    EXPECT_EQ(s.TooltipSwitch, L" YES");
    EXPECT_EQ(s.DataExtension, L"");
}

TEST_F(LangFileReader, LastOccurrenceOfAKeyWins)
{
    EXPECT_EQ(Read(Lines({"TOOLTIPS=YES", "OWN_LANGUAGE_ICON=SPAIN", "DATA_EXTENSION=*.ppt", "TOOLTIPS=NO",
                          "DATA_EXTENSION=*.pps", "OWN_LANGUAGE_ICON=TURKEY"})),
              16);
    EXPECT_EQ(s.TooltipSwitch, L"NO");
    EXPECT_EQ(s.DataExtension, L"*.pps");
}

TEST_F(LangFileReader, SpecialProgramWithoutBackslashLiesInTheProgramFolder)
{
    Read(Lines({"SPECIAL_PROGRAM=Checklist.Txt"}));
    EXPECT_EQ(s.SpecialProgram, L"C:\\Prog\\Checklist.Txt");
    Read(Lines({"SPECIAL_PROGRAM=D:\\Talks\\timer.exe"}));
    EXPECT_EQ(s.SpecialProgram, L"D:\\Talks\\timer.exe");
    Read(Lines({"SPECIAL_PROGRAM=sub\\x.exe"}));
    EXPECT_EQ(s.SpecialProgram, L"sub\\x.exe");
    // Only a backslash counts as a folder separator.
    Read(Lines({"SPECIAL_PROGRAM=a/b.exe"}));
    EXPECT_EQ(s.SpecialProgram, L"C:\\Prog\\a/b.exe");
}

TEST_F(LangFileReader, OwnLanguageIconReturnsTheFlagNumber)
{
    EXPECT_EQ(Read(Lines({"OWN_LANGUAGE_ICON=ita"})), 5);
    EXPECT_EQ(Read(Lines({"OWN_LANGUAGE_ICON=Netherland"})), 11);
    EXPECT_EQ(Read(Lines({"OWN_LANGUAGE_ICON=SWEDEN"})), 0);
    EXPECT_EQ(Read(Lines({"OWN_LANGUAGE_ICON= ITA"})), 0);
    EXPECT_EQ(Read(Lines({"OWN_LANGUAGE_ICON="})), 0);
    // Absent from this read: unknown, whatever an earlier read said.
    EXPECT_EQ(Read(Lines({"\"Exit:Leave\""})), 0);
}

TEST(LangFileCountries, SixteenWordsExactlyAsSpelled)
{
    const wchar_t* words[] = {L"SPAIN",   L"FRANCE",  L"GERMANY",    L"UK",       L"ITA",    L"AUSTRIA",
                              L"BELGIUM", L"DENMARK", L"FINLAND",    L"NORWAY",   L"NETHERLAND", L"PORTUGAL",
                              L"RUSSIA",  L"SWEEDEN", L"SWITZERLAND", L"TURKEY"};
    for (int i = 0; i < 16; ++i) EXPECT_EQ(OwnLanguageFlag(words[i]), i + 1) << i;
    for (const wchar_t* other : {L"", L"ITALY", L"NETHERLANDS", L"SWEDEN", L"spain", L"UK ", L"ENGLAND"})
        EXPECT_EQ(OwnLanguageFlag(other), 0);
}

TEST_F(LangFileReader, ReReadKeepsWhatTheFileNoLongerHolds)
{
    Read(Lines({"DATA_EXTENSION=*.ppt", "SPECIAL_PROGRAM=a.exe", "TOOLTIPS=YES", "\"One:first\"", "\"Two:second\"",
                "\"Three:third\""}));
    s.LangCode = L"ENG";
    s.Apply();
    ASSERT_EQ(s.LangText[3], L"third");

    Read(Lines({"\"Uno:primo\""}));
    EXPECT_EQ(s.LangLine[1], L"Uno:primo");
    EXPECT_EQ(s.LangLine[2], L"Two:second");
    EXPECT_EQ(s.LangLine[3], L"Three:third");
    EXPECT_EQ(s.LangCaption[3], L"Three");
    EXPECT_EQ(s.DataExtension, L"*.ppt");
    EXPECT_EQ(s.SpecialProgram, L"C:\\Prog\\a.exe");
    EXPECT_EQ(s.TooltipSwitch, L"YES");
}

TEST_F(LangFileReader, TextLinesPastTheHundredthAreIgnored)
{
    std::string bytes;
    for (int i = 1; i <= 105; ++i) bytes += "\"N" + std::to_string(i) + ":t\"\r\n";
    bytes += "TOOLTIPS=YES\r\n";
    Read(bytes);
    EXPECT_EQ(s.LangLine[100], L"N100:t");
    EXPECT_EQ(s.LangLine[0], L"");
    EXPECT_EQ(s.LangLine.size(), TextCount + 1u);
    EXPECT_EQ(s.TooltipSwitch, L"YES") << "options after the extra lines still count";
}

TEST(LangFileLines, LineEndsCrLfCrAndLfAllEndALine)
{
    using V = std::vector<std::string_view>;
    EXPECT_EQ(SplitLines(""), V{});
    EXPECT_EQ(SplitLines("a"), V{"a"});
    EXPECT_EQ(SplitLines("a\r\nb\r\n"), (V{"a", "b"}));
    EXPECT_EQ(SplitLines("a\rb\r"), (V{"a", "b"}));
    EXPECT_EQ(SplitLines("a\nb\n"), (V{"a", "b"}));
    EXPECT_EQ(SplitLines("a\n\rb"), (V{"a", "", "b"}));
    EXPECT_EQ(SplitLines("a\r\r\nb\r\n\r\n"), (V{"a", "", "b", ""}));
    EXPECT_EQ(SplitLines("\r\n"), V{""});
    EXPECT_EQ(SplitLines(std::string_view("a\0b\nc", 5)), (V{std::string_view("a\0b", 3), "c"}));
}

TEST(LangFileLines, CrOnlyAndLfOnlyFilesReadLikeCrLf)
{
    const std::string crlf = "[h]\r\n\"Exit:Leave\"\r\nTOOLTIPS=yes\r\n\"Note:a:b\"\r\nOWN_LANGUAGE_ICON=FRANCE";
    std::string cr = crlf, lf = crlf;
    for (auto* text : {&cr, &lf}) {
        std::string out;
        for (std::size_t i = 0; i < crlf.size(); ++i) {
            if (crlf[i] == '\r') continue;
            out += crlf[i] == '\n' ? (text == &cr ? '\r' : '\n') : crlf[i];
        }
        *text = out;
    }
    const LanguageFile a = ReadConfigText(crlf, WidenLatin1, ProgramFolder);
    const LanguageFile b = ReadConfigText(cr, WidenLatin1, ProgramFolder);
    const LanguageFile c = ReadConfigText(lf, WidenLatin1, ProgramFolder);
    EXPECT_EQ(a.OwnFlag, 2);
    EXPECT_EQ(b.OwnFlag, a.OwnFlag);
    EXPECT_EQ(c.OwnFlag, a.OwnFlag);
    for (const LanguageFile* x : {&b, &c}) {
        EXPECT_EQ(x->LangLine, a.LangLine);
        EXPECT_EQ(x->TooltipSwitch, L"YES");
    }
    EXPECT_EQ(a.LangLine[2], L"Note:a:b");
}

TEST_F(LangFileReader, DecodesWholeLinesSoTheLastCharacterIsDropped)
{
    // A double-byte code page: 0x82 followed by any byte is one character.
    const AnsiDecoder doubleByte = [](std::string_view bytes) {
        std::wstring text;
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            const auto b = static_cast<unsigned char>(bytes[i]);
            if (b == 0x82 && i + 1 < bytes.size())
                text += static_cast<wchar_t>(0x3000 + static_cast<unsigned char>(bytes[++i]));
            else
                text += static_cast<wchar_t>(b);
        }
        return text;
    };
    Read(Lines({"\"A:\x82\xA0\x82\x5C", "SPECIAL_PROGRAM=\x82\x5C.exe"}), doubleByte);
    EXPECT_EQ(s.LangLine[1], L"A:\x30A0");
    // 0x5C inside a double-byte character is not a backslash.
    EXPECT_EQ(s.SpecialProgram, L"C:\\Prog\\\x305C.exe");

    Read(Lines({"\"\xE0 la carte:caf\xE9\""}));
    EXPECT_EQ(s.LangLine[1], L"\u00E0 la carte:caf\u00E9");
}

TEST_F(LangFileReader, SurvivesHostileInput)
{
    // NUL bytes neither end a line nor the file.
    static constexpr char withNuls[] = "\"A\0B:x\"\r\nTOOLTIPS=Y\0S\r\n\"C:d\"";
    Read(std::string_view(withNuls, sizeof withNuls - 1));
    EXPECT_EQ(s.LangLine[1], std::wstring(L"A\0B:x", 5));
    EXPECT_EQ(s.TooltipSwitch, std::wstring(L"Y\0S", 3));
    EXPECT_EQ(s.LangLine[2], L"C:d");

    const std::string longLine = "\"Long:" + std::string(1 << 20, 'x') + "\"";
    Read(longLine);
    EXPECT_EQ(s.LangLine[1].size(), longLine.size() - 2);

    std::string many;
    for (int i = 0; i < 100000; ++i) many += i % 2 ? "\"t:x\"\r\n" : "OWN_LANGUAGE_ICON=UK\r\n";
    EXPECT_EQ(Read(many), 4);

    std::string garbage;
    unsigned state = 12345;
    for (int i = 0; i < 200000; ++i) {
        state = state * 1103515245u + 12345u;
        garbage += static_cast<char>(state >> 16);
    }
    Read(garbage);
    EXPECT_EQ(s.LangLine.size(), TextCount + 1u);
}
