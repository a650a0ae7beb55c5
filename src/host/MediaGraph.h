#pragma once
// Plays one media file through DirectShow: the filter graph, its video window as a child of a
// given parent window, and the graph's events. It has no window procedure of its own: the graph
// posts its events to the parent with the message it is given, and the parent answers that
// message by calling HandleEvents().
#include <windows.h>
#include <dshow.h>

#include <cstdint>
#include <string>

#include "host/ComPtr.h"

namespace host {

enum class PlayState { Stopped, Paused, Running };

// Lets go of a reference clock once its notification thread is known to be waiting. Wine's
// system clock misses the wake-up of its last release when that thread has not begun to wait,
// and the release then waits for it for ever. Where the clock is sound this costs one
// notification that is due at once.
void ReleaseClock(ComPtr<IReferenceClock>& clock);

class MediaGraph {
public:
    // parent holds the picture; eventMessage is a private message of the parent's window class.
    MediaGraph(HWND parent, UINT eventMessage);
    ~MediaGraph();
    MediaGraph(const MediaGraph&) = delete;
    MediaGraph& operator=(const MediaGraph&) = delete;

    // Closes what was open, then builds the graph for the file and cues its first picture
    // (paused at the start). False, with nothing open and no video window, when the file cannot
    // be played; a file whose sound alone cannot be played (no sound device) still opens.
    bool Open(const std::wstring& path);
    // Stops playback, hides and detaches the video window, releases the graph.
    void Close();
    bool IsOpen() const { return static_cast<bool>(graph_); }
    // Why the last Open failed (or the partial-success code it returned).
    HRESULT LastOpenResult() const { return lastOpenResult_; }

    // False when nothing is open.
    bool Play();
    // Halts where it is; Play resumes from there.
    bool Pause();
    // Halts and goes back to the start.
    bool Stop();
    PlayState State() const;

    // Back to the first picture, halted, when the end is reached; otherwise halted on the last.
    void SetAutoRewind(bool autoRewind) { autoRewind_ = autoRewind; }
    bool AutoRewind() const { return autoRewind_; }
    // Reads and acts on the graph's pending events; true when one of them was the end of the file.
    bool HandleEvents();

    bool HasVideo() const { return hasVideo_; }
    // The picture's own size in pixels; 0 by 0 without a picture.
    SIZE NativeSize() const { return nativeSize_; }
    // Where the picture goes, in pixels of the parent's client area; kept across Open.
    void SetVideoRect(const RECT& inParent);

    // Playback position and length in 100-nanosecond units; 0 when nothing is open.
    std::int64_t Position() const;
    std::int64_t Duration() const;

    // The parent passes on WM_DISPLAYCHANGE, WM_SYSCOLORCHANGE and WM_PALETTECHANGED so that the
    // video window can follow the display.
    void OwnerMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    HRESULT BuildGraph(const std::wstring& path);
    void AttachVideoWindow();
    void Rewind();
    void ReachedEnd();

    HWND parent_;
    UINT eventMessage_;
    bool autoRewind_ = false;
    bool atEnd_ = false;
    bool hasVideo_ = false;
    SIZE nativeSize_{};
    RECT videoRect_{};
    bool videoRectSet_ = false;
    HRESULT lastOpenResult_ = S_OK;

    // Released in the reverse order by Close().
    ComPtr<IGraphBuilder> graph_;
    ComPtr<IMediaControl> control_;
    ComPtr<IMediaSeeking> seeking_;
    ComPtr<IMediaEventEx> events_;
    ComPtr<IVideoWindow> videoWindow_;
    ComPtr<IBasicVideo> basicVideo_;
};

} // namespace host
