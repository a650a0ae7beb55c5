#pragma once
// Keys meant for a window's controls reach the window's own handler first, whichever control has
// the focus (keys for the window itself reach it the ordinary way). While the object lives, a
// keyboard hook of this thread offers every key press to the handler; a key code the handler
// sets to 0 goes no further.
#include <windows.h>

#include <functional>

namespace host {

class KeyPreview {
public:
    // keyCode is the virtual key, shift the classic modifier mask (1 Shift, 2 Ctrl, 4 Alt).
    // The handler runs while the key is taken from the queue: it must not wait or open windows,
    // and posts itself a message for what takes longer.
    using Handler = std::function<void(int& keyCode, int shift)>;

    KeyPreview(HWND window, Handler handler);
    ~KeyPreview();
    KeyPreview(const KeyPreview&) = delete;
    KeyPreview& operator=(const KeyPreview&) = delete;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
    // True when the handler took the key.
    bool Offer(HWND focus, int keyCode) const;

    HWND window_;
    Handler handler_;
};

} // namespace host
