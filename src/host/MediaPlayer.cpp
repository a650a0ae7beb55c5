#include "host/MediaPlayer.h"

#include "host/Handles.h"
#include "host/VideoArea.h"

namespace host {

namespace {

constexpr WindowClass MediaPlayerClass{L"VistoraMediaPlayer", 0};
// The graph's events reach the control with this message.
constexpr UINT GraphEventMessage = WM_APP + 1;

RECT AsRect(const video::PixelRect& r) { return RECT{r.Left, r.Top, r.Left + r.Width, r.Top + r.Height}; }

} // namespace

MediaPlayer::MediaPlayer(HWND parent, int id)
{
    // Clipping its children keeps the black background off the picture.
    CreateBound(MediaPlayerClass, 0, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                RECT{0, 0, 0, 0}, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
    if (hwnd_) graph_ = std::make_unique<MediaGraph>(hwnd_, GraphEventMessage);
}

MediaPlayer::~MediaPlayer()
{
    // The picture's window leaves the control before the control's window goes.
    graph_.reset();
    if (hwnd_) {
        Unbind(hwnd_);
        DestroyWindow(hwnd_);
    }
}

void MediaPlayer::SetFileName(const std::wstring& path)
{
    fileName_ = path;
    if (!graph_) return;
    graph_->Open(path);
    Arrange();
    InvalidateRect(hwnd_, nullptr, TRUE);
    if (autoStart_) graph_->Play();
}

void MediaPlayer::SetAutoSize(bool autoSize)
{
    autoSize_ = autoSize;
    Arrange();
}

void MediaPlayer::SetAutoRewind(bool autoRewind)
{
    autoRewind_ = autoRewind;
    if (graph_) graph_->SetAutoRewind(autoRewind);
}

void MediaPlayer::SetDisplaySize(int displaySize)
{
    displaySize_ = displaySize;
    Arrange();
}

void MediaPlayer::Play()
{
    if (graph_) graph_->Play();
}

void MediaPlayer::Pause()
{
    if (graph_) graph_->Pause();
}

void MediaPlayer::Arrange()
{
    // Resizing the control below comes back here through WM_SIZE.
    if (!graph_ || arranging_) return;
    arranging_ = true;
    RECT client{};
    GetClientRect(hwnd_, &client);
    const SIZE native = graph_->NativeSize();
    const video::PlayerArea area =
        video::ArrangePlayer({native.cx, native.cy}, displaySize_, autoSize_, {client.right, client.bottom});
    if (area.Control.Width != client.right || area.Control.Height != client.bottom)
        SetWindowPos(hwnd_, nullptr, 0, 0, area.Control.Width, area.Control.Height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (graph_->HasVideo()) graph_->SetVideoRect(AsRect(area.Picture));
    // The black around a picture that shrank is painted now, not when the queue gets to it.
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    arranging_ = false;
}

LRESULT MediaPlayer::HandleMessage(HWND, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case GraphEventMessage:
        if (graph_) graph_->HandleEvents();
        return 0;
    case WM_SIZE: Arrange(); return 0;
    case WM_ERASEBKGND: return TRUE;
    case WM_PAINT: Paint(); return 0;
    case WM_DISPLAYCHANGE:
    case WM_SYSCOLORCHANGE:
    case WM_PALETTECHANGED:
        if (graph_) graph_->OwnerMessage(msg, wParam, lParam);
        break;
    case WM_DESTROY:
        // The parent is taking this window down: the picture's window must leave it first, and
        // nothing plays into it afterwards.
        graph_.reset();
        break;
    }
    return DefWindowProcW(hwnd_, msg, wParam, lParam);
}

void MediaPlayer::Paint()
{
    PaintDc dc(hwnd_);
    FillRect(dc.get(), &dc.area(), static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

} // namespace host
