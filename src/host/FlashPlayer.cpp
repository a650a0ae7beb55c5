#include "host/FlashPlayer.h"

#include <cstdint>
#include <span>
#include <vector>

#include "host/Handles.h"
#include "swf/Movie.h"

namespace host {

namespace {

constexpr WindowClass FlashClass{L"VistoraFlashPlayer", 0};
constexpr UINT_PTR FrameTimerId = 1;

// A file beyond this cannot hold a movie the reader accepts (its unpacked body is bounded, and
// packing does not make data much larger); it is refused before it is read.
constexpr std::uint64_t LargestMovieFileBytes = 8 + swf::limits::BodyBytes + swf::limits::BodyBytes / 64;

std::shared_ptr<const swf::Movie> ReadMovie(const std::wstring& path)
{
    UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return nullptr;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart < 0 ||
        static_cast<std::uint64_t>(size.QuadPart) > LargestMovieFileBytes)
        return nullptr;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size.QuadPart));
    std::size_t total = 0;
    while (total < bytes.size()) {
        DWORD got = 0;
        if (!ReadFile(file.get(), bytes.data() + total, static_cast<DWORD>(bytes.size() - total), &got, nullptr))
            return nullptr;
        if (got == 0) break;
        total += got;
    }
    bytes.resize(total);
    return swf::LoadMovie(std::span<const std::uint8_t>(bytes)).movie;
}

} // namespace

FlashPlayer::FlashPlayer(HWND parent, int id)
{
    CreateBound(FlashClass, 0, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, RECT{0, 0, 0, 0}, parent,
                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
}

FlashPlayer::~FlashPlayer()
{
    if (hwnd_) {
        StopTimer();
        Unbind(hwnd_);
        DestroyWindow(hwnd_);
    }
}

void FlashPlayer::SetMovie(const std::wstring& path)
{
    StopTimer();
    path_ = path;
    player_.reset();
    if (auto movie = ReadMovie(path)) player_ = std::make_unique<swf::Player>(std::move(movie));
    Redraw();
    if (player_ && hwnd_) timerRunning_ = SetTimer(hwnd_, FrameTimerId, player_->IntervalMs(), nullptr) != 0;
}

void FlashPlayer::Stop()
{
    StopTimer();
    if (player_) player_->Stop();
}

void FlashPlayer::StopTimer()
{
    if (timerRunning_ && hwnd_) KillTimer(hwnd_, FrameTimerId);
    timerRunning_ = false;
}

LRESULT FlashPlayer::HandleMessage(HWND, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_SIZE: OnSize(); return 0;
    case WM_TIMER:
        if (wParam == FrameTimerId) OnFrameTimer();
        return 0;
    case WM_ERASEBKGND: return TRUE;
    case WM_PAINT: OnPaint(); return 0;
    case WM_PRINTCLIENT: PaintContent(reinterpret_cast<HDC>(wParam)); return 0;
    }
    return DefWindowProcW(hwnd_, msg, wParam, lParam);
}

void FlashPlayer::OnSize()
{
    RECT client{};
    GetClientRect(hwnd_, &client);
    if (client.right == canvas_.Width() && client.bottom == canvas_.Height()) return;
    canvas_.Resize(client.right, client.bottom);
    Redraw();
}

void FlashPlayer::OnFrameTimer()
{
    if (!player_ || !player_->Playing()) return StopTimer();
    player_->Advance();
    Redraw();
}

void FlashPlayer::OnPaint()
{
    PaintDc dc(hwnd_);
    PaintContent(dc.get());
}

void FlashPlayer::Redraw()
{
    if (player_)
        canvas_.Draw(player_->BuildFrame());
    else
        canvas_.Blank();
    if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
}

} // namespace host
