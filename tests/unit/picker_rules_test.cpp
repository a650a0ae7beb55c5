#include <gtest/gtest.h>

#include "base/Text.h"
#include "special/PickerRules.h"

using namespace special;

TEST(PickerList, ExactlyThePatternWithExtensionsInAnyCase)
{
    for (const wchar_t* listed : {L"_Timer.EXE", L"_t.exe", L"Clip.MPEG", L"clip.mpeg", L"a.avi", L"B.MPG", L"movie.swf",
                                  L"ding.WAV", L"song.mp3", L"Saver.scr", L"\u00E0.Scr"})
        EXPECT_TRUE(IsPickerFile(listed)) << std::string(listed, listed + wcslen(listed));
    for (const wchar_t* left : {L"Vistora.exe", L"brannox.exe", L"_notes.txt", L"timer_.exe", L"clip.mpeg2",
                                L"sound.wave", L"x.avi.txt", L"mp3", L"_.exe.bak", L"Vistora.Txt", L"x.sc"})
        EXPECT_FALSE(IsPickerFile(left)) << std::string(left, left + wcslen(left));
}

TEST(PickerList, WildcardsMatchWholeNames)
{
    EXPECT_TRUE(MatchesWildcard(L"*.avi", L".avi"));
    EXPECT_TRUE(MatchesWildcard(L"_*.exe", L"_.exe"));
    EXPECT_TRUE(MatchesWildcard(L"a?c*", L"ABCdef"));
    EXPECT_TRUE(MatchesWildcard(L"*a*a*", L"banana"));
    EXPECT_FALSE(MatchesWildcard(L"*a*a*a*a", L"banana"));
    EXPECT_FALSE(MatchesWildcard(L"?", L""));
    EXPECT_TRUE(MatchesWildcard(L"*", L""));
}

TEST(PickerStart, RulesByTheEndOfThePathInTheirOrder)
{
    EXPECT_EQ(ClassifyPick(L"C:\\V\\_Timer.EXE"), PickAction::Program);
    EXPECT_EQ(ClassifyPick(L"C:\\V\\Movie.SWF"), PickAction::Flash);
    EXPECT_EQ(ClassifyPick(L"C:\\V\\Saver.scr"), PickAction::ScreenSaver);
    EXPECT_EQ(ClassifyPick(L"C:\\V\\ding.Wav"), PickAction::Sound);
    EXPECT_EQ(ClassifyPick(L"C:\\V\\Clip.MPEG"), PickAction::Video);
    EXPECT_EQ(ClassifyPick(L"C:\\V\\clip.mpeg"), PickAction::Video);
    EXPECT_EQ(ClassifyPick(L"C:\\V\\clip.mpg"), PickAction::Video);
    EXPECT_EQ(ClassifyPick(L"C:\\V\\clip.AVI"), PickAction::Video);
    EXPECT_EQ(ClassifyPick(L"C:\\V\\song.mp3"), PickAction::Associated);
    EXPECT_EQ(ClassifyPick(L"exe"), PickAction::Associated) << "shorter than any ending";
}

TEST(PickerStart, CommandLinesQuoteEveryPath)
{
    const std::wstring path = PickedPath(L"C:\\Program Files\\Vistora", L"  Saver.scr  ");
    EXPECT_EQ(path, L"C:\\Program Files\\Vistora\\Saver.scr");
    EXPECT_EQ(ProgramCommand(L"C:\\Program Files\\Vistora\\_Timer.EXE"), L"\"C:\\Program Files\\Vistora\\_Timer.EXE\"");
    EXPECT_EQ(ScreenSaverCommand(path), L"\"C:\\Program Files\\Vistora\\Saver.scr\" /s");
}

TEST(PickerStart, AssociatedProgramCutFromTheSystemsReport)
{
    const std::wstring song = L"C:\\Program Files\\Vistora\\song.mp3";
    EXPECT_EQ(AssociatedCommand(L"  C:\\Program Files\\Player\\PLAYER.EXE   ", song),
              L"\"c:\\program files\\player\\player.exe\" \"C:\\Program Files\\Vistora\\song.mp3\"");
    // Whatever follows the first ".exe" is left out.
    EXPECT_EQ(AssociatedCommand(L"C:\\a\\b.exe.exe /play %1", song), L"\"c:\\a\\b.exe\" \"" + song + L"\"");
    EXPECT_EQ(AssociatedCommand(L"\"C:\\Tools\\p.exe\"", song), L"\"c:\\tools\\p.exe\" \"" + song + L"\"");
    EXPECT_EQ(AssociatedCommand(L"C:\\Tools\\player.com", song), L"") << "no .exe, nothing starts";
    EXPECT_EQ(AssociatedCommand(L"", song), L"");
}

TEST(PickerLayout, ButtonWidthRoundsHalvesToEven)
{
    EXPECT_DOUBLE_EQ(PickerButtonWidth(5070), 1660);
    EXPECT_DOUBLE_EQ(PickerButtonWidth(5101.5), 1670);  // 1700.5 - 30
    EXPECT_DOUBLE_EQ(PickerButtonWidth(5098.5), 1670);  // 1699.5 - 30 = 1669.5, to even
    EXPECT_DOUBLE_EQ(PickerButtonWidth(5095.5), 1668);  // 1668.5 to even
}
