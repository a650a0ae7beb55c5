#pragma once
// The media-player control: a black child window that plays one video file through DirectShow,
// the picture in a window of its own inside the control. Placed in twips like any control. A
// file that cannot be played leaves the control empty and black, and every call harmless.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "host/BoundWindow.h"
#include "host/ComPtr.h"
#include "host/Controls.h"
#include "host/MediaGraph.h"

namespace host {

class MediaPlayer : public Control, private BoundWindow {
public:
    explicit MediaPlayer(HWND parent, int id = 0);
    ~MediaPlayer() override;

    // Opens the file, in place of what was open, showing its first picture; with AutoStart it
    // plays at once.
    void SetFileName(const std::wstring& path);
    const std::wstring& FileName() const { return fileName_; }
    // The control takes the size the picture is shown at (but for DisplaySize 4, which fits the
    // picture to the control).
    void SetAutoSize(bool autoSize);
    bool AutoSize() const { return autoSize_; }
    // Whether opening a file starts it; on by default.
    void SetAutoStart(bool autoStart) { autoStart_ = autoStart; }
    bool AutoStart() const { return autoStart_; }
    // At the end: back to the first picture and halted there. Without it the last picture stays.
    void SetAutoRewind(bool autoRewind);
    bool AutoRewind() const { return autoRewind_; }
    // 0 the picture's own size, 2 double size, 4 fitted to the control with its proportions kept.
    void SetDisplaySize(int displaySize);
    int DisplaySize() const { return displaySize_; }

    // Starts or resumes playback.
    void Play();
    // Halts playback where it is; Play resumes from there.
    void Pause();

    bool IsOpen() const { return graph_ && graph_->IsOpen(); }
    PlayState State() const { return graph_ ? graph_->State() : PlayState::Stopped; }
    // In 100-nanosecond units from the start.
    std::int64_t Position() const { return graph_ ? graph_->Position() : 0; }

private:
    void OnBound(HWND hwnd) override { hwnd_ = hwnd; }
    LRESULT HandleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnUnbound() override { hwnd_ = nullptr; }

    // Sizes the control and places the picture for the display size.
    void Arrange();
    void Paint();

    std::wstring fileName_;
    bool autoSize_ = false;
    bool autoStart_ = true;
    bool autoRewind_ = false;
    int displaySize_ = 0;
    bool arranging_ = false;

    // DirectShow wants COM on this thread for as long as the graph lives.
    ComApartment com_;
    std::unique_ptr<MediaGraph> graph_;
};

} // namespace host
