#pragma once
// Counts the messages of one kind that a window gets while the counter lives.
#include <windows.h>

#include <commctrl.h>

class MessageCount {
public:
    MessageCount(HWND hwnd, UINT message) : hwnd_(hwnd), message_(message)
    {
        SetWindowSubclass(hwnd_, &MessageCount::Count, reinterpret_cast<UINT_PTR>(this),
                          reinterpret_cast<DWORD_PTR>(this));
    }
    MessageCount(const MessageCount&) = delete;
    MessageCount& operator=(const MessageCount&) = delete;
    ~MessageCount() { RemoveWindowSubclass(hwnd_, &MessageCount::Count, reinterpret_cast<UINT_PTR>(this)); }
    int count() const { return count_; }

private:
    static LRESULT CALLBACK Count(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self)
    {
        auto* counter = reinterpret_cast<MessageCount*>(self);
        if (msg == counter->message_) ++counter->count_;
        return DefSubclassProc(hwnd, msg, wParam, lParam);
    }

    HWND hwnd_;
    UINT message_;
    int count_ = 0;
};
