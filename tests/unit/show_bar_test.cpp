#include <gtest/gtest.h>

#include "base/Text.h"
#include "show/BarLayout.h"
#include "show/ShowTimers.h"
#include "show/ShowTitle.h"
#include "show/WindowList.h"

using namespace show;

TEST(ShowBarLayout, FullWidthScreenExample)
{
    const BarLayout layout = LayoutBar(15300, 7);
    EXPECT_EQ(layout.ButtonWidthTwips, 2186);
    EXPECT_EQ(layout.StepTwips, 2176);
    const std::array<int, 7> lefts{-15, 2161, 4337, 6513, 8689, 10865, 13041};
    for (std::size_t k = 0; k < BarOrder.size(); ++k) EXPECT_EQ(layout.LeftTwips[BarOrder[k]], lefts[k]) << k;
}

TEST(ShowBarLayout, RoundsHalvesToEvenAndHoldsSixteenBits)
{
    EXPECT_EQ(RoundToInt16(2.5), 2);
    EXPECT_EQ(RoundToInt16(3.5), 4);
    EXPECT_EQ(RoundToInt16(-2.5), -2);
    EXPECT_EQ(RoundToInt16(2185.71), 2186);
    EXPECT_EQ(RoundToInt16(2185.49), 2185);
    EXPECT_EQ(RoundToInt16(40000.0), 32767);
    EXPECT_EQ(RoundToInt16(-40000.0), -32768);
    // 7 * 2186.5: the half goes down to the even 2186
    EXPECT_EQ(LayoutBar(15305.5, 7).ButtonWidthTwips, 2186);
    EXPECT_EQ(LayoutBar(15300, 0).ButtonWidthTwips, 0);
}

TEST(ShowBarTitle, NameMustFollowOtherText)
{
    const std::wstring name = L"MY TALK.PPT";
    EXPECT_TRUE(IsShowTitle(L"Slide Show - my talk.ppt", name));
    EXPECT_TRUE(IsShowTitle(L"xMY TALK.PPT", name));
    EXPECT_FALSE(IsShowTitle(L"My Talk.ppt - Slide Show", name)); // position 1
    EXPECT_FALSE(IsShowTitle(L"MY TALK.PPT - MY TALK.PPT", name)); // only the first occurrence counts
    EXPECT_FALSE(IsShowTitle(L"Slide Show - my talk.pps", name));
    EXPECT_FALSE(IsShowTitle(L"Slide Show", L""));
    EXPECT_TRUE(IsShowTitle(L"Show - Präsentation.ppt", L"PRÄSENTATION.PPT"));
    EXPECT_TRUE(IsShowTitle(L"Показ - доклад.ppt", L"ДОКЛАД.PPT"));
}

TEST(ShowBarTitle, UpperCaseLeavesOtherCharacters)
{
    EXPECT_EQ(UpperCase(L"abc xyz 09_.\\"), L"ABC XYZ 09_.\\");
    EXPECT_EQ(UpperCase(L"àéîõü÷ÿ"), L"ÀÉÎÕÜ÷Ÿ");
    EXPECT_EQ(UpperCase(L"ąčłńśžğş"), L"ĄČŁŃŚŽĞŞ");
    EXPECT_EQ(UpperCase(L"ΑΒΓ αβγς ё"), L"ΑΒΓ ΑΒΓΣ Ё");
}

TEST(ShowBarTitle, WalkStopsAtZeroHandleOrListEnd)
{
    const std::wstring name = L"A.PPT";
    std::vector<std::wstring> titles{L"Desk", L"A.PPT decoy", L"Show - a.ppt", L""};
    std::vector<std::intptr_t> handles{11, 12, 13, 0};
    EXPECT_EQ(FindShowWindow(titles, handles, name), 2);

    handles = {11, 0, 13, 0}; // a stale entry after the terminator is not looked at
    EXPECT_EQ(FindShowWindow(titles, handles, name), -1);

    titles = {L"Show - a.ppt"};
    handles = {};
    EXPECT_EQ(FindShowWindow(titles, handles, name), -1);
    handles = {5};
    EXPECT_EQ(FindShowWindow(titles, handles, name), 0);
}

namespace {

class FakeWindowList : public WindowList {
public:
    std::vector<std::wstring> Titles;
    int Calls = 0;
    void ListWindows(std::vector<std::wstring>& titles, std::vector<std::intptr_t>& handles) override
    {
        ++Calls;
        titles = Titles;
        titles.push_back(L"");
        handles.assign(titles.size(), 0);
        for (std::size_t i = 0; i + 1 < titles.size(); ++i) handles[i] = static_cast<std::intptr_t>(100 + i);
    }
};

} // namespace

TEST(ShowTimersWatch, SeenOnFirstMatchThenGoneWhenItDisappears)
{
    FakeWindowList list;
    ShowWatch watch;
    const std::wstring name = L"TALK.PPS";

    list.Titles = {L"Desktop"};
    EXPECT_EQ(watch.Tick(list, name), WatchResult::Waiting);
    EXPECT_EQ(watch.Tick(list, name), WatchResult::Waiting);
    EXPECT_FALSE(watch.ShowSeen);

    list.Titles = {L"TALK.PPS at the start is not the show"};
    EXPECT_EQ(watch.Tick(list, name), WatchResult::Waiting);

    list.Titles = {L"Desktop", L"Slide show - Talk.pps"};
    EXPECT_EQ(watch.Tick(list, name), WatchResult::Seen);
    EXPECT_TRUE(watch.ShowSeen);
    EXPECT_EQ(watch.Tick(list, name), WatchResult::Running);

    list.Titles = {L"Desktop", L"TALK.PPS decoy"};
    EXPECT_EQ(watch.Tick(list, name), WatchResult::Gone);
    EXPECT_EQ(list.Calls, 6);
}

TEST(ShowTimersAutoHide, HidesBelowLimitAndReturnsOnlyAtTopEdge)
{
    int shown = 1;
    EXPECT_EQ(AutoHideTick(shown, 28, 28), BarMove::Stay);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(AutoHideTick(shown, 28, 0), BarMove::Stay);
    EXPECT_EQ(AutoHideTick(shown, 28, 29), BarMove::Hide);
    EXPECT_EQ(shown, 0);
    EXPECT_EQ(AutoHideTick(shown, 28, 900), BarMove::Stay);
    EXPECT_EQ(AutoHideTick(shown, 28, 4), BarMove::Stay); // the band between changes nothing
    EXPECT_EQ(AutoHideTick(shown, 28, 20), BarMove::Stay);
    EXPECT_EQ(shown, 0);
    EXPECT_EQ(AutoHideTick(shown, 28, 3), BarMove::Reveal);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(AutoHideTick(shown, 28, 3), BarMove::Stay);

    // After the pen overlay the limit is 25.
    EXPECT_EQ(AutoHideTick(shown, 25, 26), BarMove::Hide);
    shown = 1;
    EXPECT_EQ(AutoHideTick(shown, 25, 25), BarMove::Stay);
}

TEST(ShowTimersLaunch, ClaimedOnlyOnce)
{
    LaunchOnce launch;
    EXPECT_FALSE(launch.Claimed());
    EXPECT_TRUE(launch.Claim());
    EXPECT_FALSE(launch.Claim());
    EXPECT_TRUE(launch.Claimed());
    EXPECT_EQ(LaunchCommandLine(L"C:\\P\\SHOW.EXE /s ", L"D:\\My Talk.ppt"), L"C:\\P\\SHOW.EXE /s \"D:\\My Talk.ppt\"");
}
