#pragma once
// The flash movie control: plays a movie file's vector animation at the movie's frame rate,
// looping, drawn into a kept bitmap the size of the control ("ShowAll": the whole stage with its
// aspect kept, black around it). Placed in twips like any control. A file that cannot be read or
// played leaves the control black and harmless.
#include <windows.h>

#include <cstddef>
#include <memory>
#include <string>

#include "host/BoundWindow.h"
#include "host/Controls.h"
#include "host/SwfGdiPlus.h"
#include "swf/Player.h"

namespace host {

class FlashPlayer : public Control, private BoundWindow {
public:
    explicit FlashPlayer(HWND parent, int id = 0);
    ~FlashPlayer() override;

    // The Movie property: reads the file and plays it from its first frame, replacing what
    // played before.
    void SetMovie(const std::wstring& path);
    const std::wstring& Movie() const { return path_; }
    // Halts the movie on the frame it shows.
    void Stop();
    bool Playing() const { return player_ && player_->Playing(); }
    // False when the last file could not be read or is no movie the control plays.
    bool HasMovie() const { return player_ != nullptr; }
    // 0-based frame of the movie's own timeline; 0 without a movie.
    std::size_t CurrentFrame() const { return player_ ? player_->CurrentFrame() : 0; }

    // Copies the kept frame to a device context at 0, 0.
    void PaintContent(HDC dc) const { canvas_.CopyTo(dc); }

private:
    void OnBound(HWND hwnd) override { hwnd_ = hwnd; }
    LRESULT HandleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnUnbound() override { hwnd_ = nullptr; }

    void OnSize();
    void OnFrameTimer();
    void OnPaint();
    // Draws the current frame (black without a movie) and asks for a paint.
    void Redraw();
    void StopTimer();

    std::wstring path_;
    std::unique_ptr<swf::Player> player_;
    MovieCanvas canvas_;
    bool timerRunning_ = false;
};

} // namespace host
