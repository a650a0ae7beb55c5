#include "show/ShowTimers.h"

#include "show/ShowTitle.h"
#include "show/WindowList.h"

namespace show {

BarMove AutoHideTick(int& barShown, int hideLimit, int pointerY)
{
    if (barShown != 0) {
        if (pointerY > hideLimit) {
            barShown = 0;
            return BarMove::Hide;
        }
        return BarMove::Stay;
    }
    if (pointerY < RevealBelowY) {
        barShown = 1;
        return BarMove::Reveal;
    }
    return BarMove::Stay;
}

std::intptr_t LocateShowWindow(WindowList& list, const std::wstring& showFileName)
{
    std::vector<std::wstring> titles;
    std::vector<std::intptr_t> handles;
    list.ListWindows(titles, handles);
    const int found = FindShowWindow(titles, handles, showFileName);
    return found < 0 ? 0 : handles[static_cast<std::size_t>(found)];
}

WatchResult ShowWatch::Tick(WindowList& list, const std::wstring& showFileName)
{
    const bool found = LocateShowWindow(list, showFileName) != 0;
    if (!ShowSeen) {
        if (!found) return WatchResult::Waiting;
        ShowSeen = true;
        return WatchResult::Seen;
    }
    return found ? WatchResult::Running : WatchResult::Gone;
}

std::wstring LaunchCommandLine(const std::wstring& showCommand, const std::wstring& showFile)
{
    return showCommand + L"\"" + showFile + L"\"";
}

} // namespace show
