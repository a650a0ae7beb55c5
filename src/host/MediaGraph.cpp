#include "host/MediaGraph.h"

#include "host/Handles.h"

namespace host {
namespace {

OAHWND AsOaHwnd(HWND hwnd) { return reinterpret_cast<OAHWND>(hwnd); }

// The classic video renderer paints each picture with GDI into its own window, which stays
// right wherever that window is parented. The default renderer presents through Direct3D, and
// under Wine it shows nothing once its window is made a child. Every Windows version has the
// classic one, and RenderFile takes a renderer already in the graph before it looks for another.
ComPtr<IBaseFilter> AddClassicRenderer(IGraphBuilder& graph)
{
    ComPtr<IBaseFilter> renderer = CreateComObject<IBaseFilter>(CLSID_VideoRenderer, IID_IBaseFilter);
    if (renderer && FAILED(graph.AddFilter(renderer.get(), L"Video Renderer"))) renderer.reset();
    return renderer;
}

bool HasConnectedPin(IBaseFilter& filter)
{
    ComPtr<IEnumPins> pins;
    if (FAILED(filter.EnumPins(pins.put())) || !pins) return false;
    ComPtr<IPin> pin;
    while (pins->Next(1, pin.put(), nullptr) == S_OK) {
        ComPtr<IPin> peer;
        if (SUCCEEDED(pin->ConnectedTo(peer.put())) && peer) return true;
    }
    return false;
}

} // namespace

void ReleaseClock(ComPtr<IReferenceClock>& clock)
{
    if (!clock) return;
    // The clock's thread signals a due notification inside its lock and goes straight back to
    // waiting, so a release after the signal finds it waiting.
    UniqueKernelHandle due(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    REFERENCE_TIME now = 0;
    DWORD_PTR cookie = 0;
    if (due && SUCCEEDED(clock->GetTime(&now)) && now > 0 &&
        SUCCEEDED(clock->AdviseTime(now, 0, reinterpret_cast<HEVENT>(due.get()), &cookie)) &&
        WaitForSingleObject(due.get(), 2000) != WAIT_OBJECT_0)
        clock->Unadvise(cookie);
    clock.reset();
}

MediaGraph::MediaGraph(HWND parent, UINT eventMessage) : parent_(parent), eventMessage_(eventMessage) {}

MediaGraph::~MediaGraph() { Close(); }

bool MediaGraph::Open(const std::wstring& path)
{
    Close();
    lastOpenResult_ = BuildGraph(path);
    if (FAILED(lastOpenResult_)) {
        Close();
        return false;
    }
    return true;
}

HRESULT MediaGraph::BuildGraph(const std::wstring& path)
{
    graph_ = CreateComObject<IGraphBuilder>(CLSID_FilterGraph, IID_IGraphBuilder);
    if (!graph_) return REGDB_E_CLASSNOTREG;
    ComPtr<IBaseFilter> renderer = AddClassicRenderer(*graph_.get());

    // Success codes such as VFW_S_AUDIO_NOT_RENDERED (no sound device) still give a playable file.
    const HRESULT rendered = graph_->RenderFile(path.c_str(), nullptr);
    if (FAILED(rendered)) return rendered;
    // A file without pictures leaves the renderer unconnected; it must not count as the end's
    // second witness or lend the graph a video window.
    if (renderer && !HasConnectedPin(*renderer.get())) graph_->RemoveFilter(renderer.get());

    control_ = graph_.As<IMediaControl>(IID_IMediaControl);
    seeking_ = graph_.As<IMediaSeeking>(IID_IMediaSeeking);
    events_ = graph_.As<IMediaEventEx>(IID_IMediaEventEx);
    if (!control_ || !seeking_ || !events_) return E_NOINTERFACE;
    const HRESULT notified = events_->SetNotifyWindow(AsOaHwnd(parent_), eventMessage_, 0);
    if (FAILED(notified)) return notified;

    videoWindow_ = graph_.As<IVideoWindow>(IID_IVideoWindow);
    basicVideo_ = graph_.As<IBasicVideo>(IID_IBasicVideo);
    long width = 0, height = 0;
    hasVideo_ = videoWindow_ && basicVideo_ && SUCCEEDED(basicVideo_->GetVideoSize(&width, &height)) && width > 0 &&
                height > 0;
    if (hasVideo_) {
        nativeSize_ = SIZE{width, height};
        AttachVideoWindow();
    } else {
        basicVideo_.reset();
        videoWindow_.reset();
    }

    // Cue the first picture, so that the window shows it before playback starts.
    const HRESULT cued = control_->Pause();
    if (FAILED(cued)) return cued;
    return rendered;
}

void MediaGraph::AttachVideoWindow()
{
    videoWindow_->put_Owner(AsOaHwnd(parent_));
    videoWindow_->put_WindowStyle(WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
    // Clicks and keys on the picture reach the parent as if the picture were not there.
    videoWindow_->put_MessageDrain(AsOaHwnd(parent_));
    const RECT r = videoRectSet_ ? videoRect_ : RECT{0, 0, nativeSize_.cx, nativeSize_.cy};
    videoWindow_->SetWindowPosition(r.left, r.top, r.right - r.left, r.bottom - r.top);
    videoWindow_->put_Visible(OATRUE);
}

void MediaGraph::Close()
{
    if (control_) control_->Stop();
    // Held past the graph, so that its last release is ours.
    ComPtr<IReferenceClock> clock;
    if (auto filter = graph_.As<IMediaFilter>(IID_IMediaFilter)) filter->GetSyncSource(clock.put());
    // The video window must leave the parent before the renderer that owns it goes away.
    if (videoWindow_) {
        videoWindow_->put_Visible(OAFALSE);
        videoWindow_->put_MessageDrain(0);
        videoWindow_->put_Owner(0);
    }
    if (events_) events_->SetNotifyWindow(0, 0, 0);
    basicVideo_.reset();
    videoWindow_.reset();
    events_.reset();
    seeking_.reset();
    control_.reset();
    graph_.reset();
    ReleaseClock(clock);
    hasVideo_ = false;
    nativeSize_ = SIZE{};
    atEnd_ = false;
}

bool MediaGraph::Play()
{
    if (!control_) return false;
    if (atEnd_) {
        Rewind();
        atEnd_ = false;
    }
    return SUCCEEDED(control_->Run());
}

bool MediaGraph::Pause()
{
    return control_ && SUCCEEDED(control_->Pause());
}

bool MediaGraph::Stop()
{
    if (!control_) return false;
    Rewind();
    atEnd_ = false;
    // Shows the first picture, then stops.
    return SUCCEEDED(control_->StopWhenReady());
}

PlayState MediaGraph::State() const
{
    if (!control_) return PlayState::Stopped;
    OAFilterState state = State_Stopped;
    // While the graph is on its way, GetState names the state it is heading for.
    if (FAILED(control_->GetState(0, &state))) return PlayState::Stopped;
    switch (state) {
    case State_Running: return PlayState::Running;
    case State_Paused: return PlayState::Paused;
    default: return PlayState::Stopped;
    }
}

// Seeks while stopped: a graph sought while it runs or halts after the end may go on reporting
// the old position.
void MediaGraph::Rewind()
{
    control_->Stop();
    LONGLONG start = 0;
    seeking_->SetPositions(&start, AM_SEEKING_AbsolutePositioning, nullptr, AM_SEEKING_NoPositioning);
}

void MediaGraph::ReachedEnd()
{
    if (autoRewind_) {
        Rewind();
        control_->Pause();
        atEnd_ = false;
    } else {
        // Halted on the last picture; Play starts again from the beginning.
        control_->Pause();
        atEnd_ = true;
    }
}

bool MediaGraph::HandleEvents()
{
    bool ended = false;
    long code = 0;
    LONG_PTR param1 = 0, param2 = 0;
    while (events_ && events_->GetEvent(&code, &param1, &param2, 0) == S_OK) {
        events_->FreeEventParams(code, param1, param2);
        switch (code) {
        case EC_COMPLETE:
            ended = true;
            ReachedEnd();
            break;
        case EC_ERRORABORT:
        case EC_USERABORT:
            control_->Stop();
            break;
        default: break;
        }
    }
    return ended;
}

void MediaGraph::SetVideoRect(const RECT& inParent)
{
    videoRect_ = inParent;
    videoRectSet_ = true;
    if (videoWindow_)
        videoWindow_->SetWindowPosition(inParent.left, inParent.top, inParent.right - inParent.left,
                                        inParent.bottom - inParent.top);
}

std::int64_t MediaGraph::Position() const
{
    LONGLONG position = 0;
    if (!seeking_ || FAILED(seeking_->GetCurrentPosition(&position))) return 0;
    return position;
}

std::int64_t MediaGraph::Duration() const
{
    LONGLONG duration = 0;
    if (!seeking_ || FAILED(seeking_->GetDuration(&duration))) return 0;
    return duration;
}

void MediaGraph::OwnerMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (videoWindow_)
        videoWindow_->NotifyOwnerMessage(AsOaHwnd(parent_), static_cast<long>(message), static_cast<LONG_PTR>(wParam),
                                         static_cast<LONG_PTR>(lParam));
}

} // namespace host
