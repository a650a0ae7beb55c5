#include "host/KeyPreview.h"

#include <algorithm>
#include <vector>

#include "host/Handles.h"
#include "host/Input.h"

namespace host {

namespace {

void Unhook(HHOOK hook) { UnhookWindowsHookEx(hook); }
using UniqueHook = UniqueHandle<HHOOK, Unhook>;

// The previews of the interface thread, and the one hook that serves them while there are any.
std::vector<const KeyPreview*>& Previews()
{
    static std::vector<const KeyPreview*> previews;
    return previews;
}

UniqueHook& ThreadHook()
{
    static UniqueHook hook;
    return hook;
}

} // namespace

KeyPreview::KeyPreview(HWND window, Handler handler) : window_(window), handler_(std::move(handler))
{
    Previews().push_back(this);
    if (!ThreadHook())
        ThreadHook().reset(SetWindowsHookExW(WH_KEYBOARD, &KeyPreview::Hook, nullptr, GetCurrentThreadId()));
}

KeyPreview::~KeyPreview()
{
    auto& previews = Previews();
    previews.erase(std::remove(previews.begin(), previews.end(), this), previews.end());
    if (previews.empty()) ThreadHook().reset();
}

bool KeyPreview::Offer(HWND focus, int keyCode) const
{
    if (!handler_ || !IsWindow(window_) || !IsChild(window_, focus)) return false;
    handler_(keyCode, KeyShiftMask());
    return keyCode == 0;
}

LRESULT CALLBACK KeyPreview::Hook(int code, WPARAM wParam, LPARAM lParam)
{
    // Bit 31 of the key data is set for a release; only presses are offered.
    const bool press = (static_cast<DWORD>(lParam) & 0x80000000u) == 0;
    if (code == HC_ACTION && press) {
        const HWND focus = GetFocus();
        // A copy, each still looked up: a handler may end a preview.
        const std::vector<const KeyPreview*> previews = Previews();
        for (const KeyPreview* preview : previews) {
            if (std::find(Previews().begin(), Previews().end(), preview) == Previews().end()) continue;
            if (preview->Offer(focus, static_cast<int>(wParam))) return 1;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace host
