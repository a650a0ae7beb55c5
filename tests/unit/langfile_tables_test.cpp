#include <gtest/gtest.h>

#include "startup/CutAtNul.h"
#include "startup/LangTables.h"

namespace {

struct LangState {
    TextTable LangLine;
    std::wstring LangCode;
    TextTable LangCaption;
    TextTable LangText;
};

void ApplyLanguageTables(LangState& s) { ::ApplyLanguageTables(s.LangLine, s.LangCode, s.LangCaption, s.LangText); }

struct LangFileTables : ::testing::Test {
    LangState s;
    LangFileTables()
    {
        for (int i = 1; i <= LangNumbers; ++i) {
            s.LangLine[i] = L"E" + std::to_wstring(i) + L":english " + std::to_wstring(i);
            s.LangLine[LangNumbers + i] = L"O" + std::to_wstring(i) + L":own " + std::to_wstring(i);
        }
    }
};

} // namespace

TEST(LangFileSplit, CaptionBeforeTheFirstColonTextAfterIt)
{
    std::wstring caption = L"old", text = L"old";
    EXPECT_TRUE(SplitLanguage(L"Note:a:b", caption, text));
    EXPECT_EQ(caption, L"Note");
    EXPECT_EQ(text, L"a:b");
    EXPECT_TRUE(SplitLanguage(L":only text", caption, text));
    EXPECT_EQ(caption, L"");
    EXPECT_EQ(text, L"only text");
    EXPECT_TRUE(SplitLanguage(L"Only caption:", caption, text));
    EXPECT_EQ(caption, L"Only caption");
    EXPECT_EQ(text, L"");

    caption = L"kept", text = L"kept too";
    EXPECT_FALSE(SplitLanguage(L"no colon here", caption, text));
    EXPECT_FALSE(SplitLanguage(L"", caption, text));
    EXPECT_EQ(caption, L"kept");
    EXPECT_EQ(text, L"kept too");
}

TEST_F(LangFileTables, EngSelectsTheFirstBlockAnyOtherCodeTheSecond)
{
    s.LangCode = L"ENG";
    ApplyLanguageTables(s);
    EXPECT_EQ(s.LangCaption[1], L"E1");
    EXPECT_EQ(s.LangText[50], L"english 50");
    EXPECT_EQ(s.LangCaption[0], L"");
    EXPECT_EQ(s.LangCaption[51], L"") << "only numbers 1..50 are filled";

    for (const wchar_t* code : {L"OWN", L"eng", L"ENG ", L""}) {
        s.LangCode = code;
        ApplyLanguageTables(s);
        EXPECT_EQ(s.LangCaption[1], L"O1") << code;
        EXPECT_EQ(s.LangText[50], L"own 50") << code;
    }
}

TEST_F(LangFileTables, LineWithoutColonLeavesItsNumberUnchanged)
{
    s.LangCode = L"ENG";
    ApplyLanguageTables(s);
    s.LangLine[LangNumbers + 7] = L"no colon";
    s.LangLine[LangNumbers + 8] = L"";
    s.LangCode = L"OWN";
    ApplyLanguageTables(s);
    EXPECT_EQ(s.LangCaption[7], L"E7");
    EXPECT_EQ(s.LangText[8], L"english 8");
    EXPECT_EQ(s.LangCaption[9], L"O9");
}

TEST_F(LangFileTables, SwitchingTwiceReturnsTheFirstCaptions)
{
    s.LangCode = L"ENG";
    ApplyLanguageTables(s);
    const auto captions = s.LangCaption;
    const auto texts = s.LangText;
    s.LangCode = L"OWN";
    ApplyLanguageTables(s);
    ASSERT_NE(s.LangCaption, captions);
    s.LangCode = L"ENG";
    ApplyLanguageTables(s);
    EXPECT_EQ(s.LangCaption, captions);
    EXPECT_EQ(s.LangText, texts);
}

TEST(LangFileCutAtNul, PartBeforeTheFirstNulOrNothing)
{
    EXPECT_EQ(CutAtNul(std::wstring_view(L"C:\\Windows\0\0junk", 16)), L"C:\\Windows");
    EXPECT_EQ(CutAtNul(std::wstring_view(L"\0abc", 4)), L"");
    EXPECT_EQ(CutAtNul(std::wstring_view(L"no nul")), L"");
    EXPECT_EQ(CutAtNul(std::wstring_view()), L"");
    EXPECT_EQ(CutAtNul(std::string_view("True\0\0", 6)), "True");
    EXPECT_EQ(CutAtNul(std::string_view("True")), "");
}
