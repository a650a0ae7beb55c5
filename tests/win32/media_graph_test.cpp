#include <gtest/gtest.h>

#include "ClipPictures.h"
#include "WineTestSupport.h"
#include "host/Handles.h"
#include "host/MediaGraph.h"
#include "host/VideoArea.h"

#include <ole2.h>
#include <tlhelp32.h>

#include <memory>
#include <string>

using host::MediaGraph;
using host::PlayState;

namespace {

constexpr UINT GraphEvent = WM_APP + 41;
constexpr std::int64_t UnitsPerSecond = 10'000'000;
using clips::Blue;
using clips::Green;
using clips::Red;
using clips::White;

std::wstring Clip(const wchar_t* name) { return clips::Path(name); }

// Lets this thread's messages run for a while.
void PumpFor(int ms) { testsupport::WaitFor([] { return false; }, ms); }

// A plain grey parent that answers the graph's event message, as the player control does.
class ParentWindow {
public:
    ParentWindow()
    {
        WNDCLASSW wc{};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
        wc.lpszClassName = L"MediaGraphTestParent";
        RegisterClassW(&wc);
        window_.reset(CreateWindowExW(WS_EX_TOPMOST, wc.lpszClassName, L"Media test",
                                      WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 800, 600, nullptr, nullptr,
                                      wc.hInstance, nullptr));
        SetWindowLongPtrW(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        PumpFor(50);
    }
    HWND hwnd() const { return window_.get(); }

    void Reset()
    {
        graph = nullptr;
        endings = 0;
        clicks = 0;
    }

    MediaGraph* graph = nullptr;
    int endings = 0;
    int clicks = 0;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        auto* self = reinterpret_cast<ParentWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (self && message == GraphEvent) {
            if (self->graph && self->graph->HandleEvents()) ++self->endings;
            return 0;
        }
        if (self && message == WM_LBUTTONDOWN) ++self->clicks;
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }

    UniqueWindow window_;
};

int ChildCount(HWND parent)
{
    int count = 0;
    EnumChildWindows(
        parent,
        [](HWND, LPARAM p) -> BOOL {
            ++*reinterpret_cast<int*>(p);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

RECT OnScreen(HWND parent, RECT inParent)
{
    MapWindowPoints(parent, HWND_DESKTOP, reinterpret_cast<POINT*>(&inParent), 2);
    return inParent;
}

bool ShowsHalves(HWND parent, const RECT& picture, COLORREF left, COLORREF right)
{
    return clips::ShowsHalves(OnScreen(parent, picture), left, right);
}

std::string Describe(HWND parent, const RECT& picture) { return clips::Describe(OnScreen(parent, picture)); }

int ThreadCount()
{
    UniqueFile snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
    THREADENTRY32 entry{};
    entry.dwSize = sizeof(entry);
    int count = 0;
    for (BOOL more = Thread32First(snapshot.get(), &entry); more; more = Thread32Next(snapshot.get(), &entry))
        count += entry.th32OwnerProcessID == GetCurrentProcessId();
    return count;
}

int ProcessWindowCount()
{
    struct Count {
        int windows = 0;
    } count;
    EnumWindows(
        [](HWND w, LPARAM p) -> BOOL {
            DWORD pid = 0;
            GetWindowThreadProcessId(w, &pid);
            if (pid == GetCurrentProcessId()) reinterpret_cast<Count*>(p)->windows += 1 + ChildCount(w);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count.windows;
}

class MediaGraphTest : public testing::Test {
protected:
    // One apartment and one parent for the suite: the decoders load once, and a shown window
    // takes Wine two seconds to hide where no window manager answers.
    static void SetUpTestSuite()
    {
        OleInitialize(nullptr);
        shared_ = std::make_unique<ParentWindow>();
    }
    static void TearDownTestSuite()
    {
        shared_.reset();
        OleUninitialize();
    }
    void SetUp() override { shared_->Reset(); }

    static inline std::unique_ptr<ParentWindow> shared_;
    ParentWindow& parent = *shared_;

    // Plays from the start and waits until the picture has been on screen a moment.
    static bool PlayAMoment(MediaGraph& graph)
    {
        return graph.Play() && testsupport::WaitFor([&] { return graph.Position() > UnitsPerSecond / 5; }, 5000);
    }
};

constexpr RECT OwnPlace{40, 40, 360, 280};

} // namespace

TEST_F(MediaGraphTest, EachFormatShowsItsDecodedColours)
{
    MediaGraph graph(parent.hwnd(), GraphEvent);
    parent.graph = &graph;
    graph.SetVideoRect(OwnPlace);
    for (const wchar_t* name : {L"mpeg4.avi", L"mjpeg.avi", L"mpeg1.mpg", L"mpeg1.mpeg", L"sound.avi"}) {
        SCOPED_TRACE(testing::Message() << "clip " << testing::PrintToString(std::wstring(name)));
        // The sound track may find no sound device; the file still opens.
        ASSERT_TRUE(graph.Open(Clip(name))) << std::hex << graph.LastOpenResult();
        EXPECT_TRUE(graph.HasVideo());
        EXPECT_EQ(graph.NativeSize().cx, 320);
        EXPECT_EQ(graph.NativeSize().cy, 240);
        EXPECT_GT(graph.Duration(), 3 * UnitsPerSecond / 2);
        ASSERT_TRUE(PlayAMoment(graph));
        EXPECT_EQ(graph.State(), PlayState::Running);
        EXPECT_TRUE(testsupport::WaitFor([&] { return ShowsHalves(parent.hwnd(), OwnPlace, Red, Blue); }, 3000))
            << Describe(parent.hwnd(), OwnPlace);
        EXPECT_EQ(ChildCount(parent.hwnd()), 1) << "the picture is a child of the parent";
        graph.Close();
        EXPECT_EQ(ChildCount(parent.hwnd()), 0) << "closing takes the video window out of the parent";
        EXPECT_EQ(graph.State(), PlayState::Stopped);
    }
}

TEST_F(MediaGraphTest, DoubleSizeFillsTheDoubledPlace)
{
    MediaGraph graph(parent.hwnd(), GraphEvent);
    ASSERT_TRUE(graph.Open(Clip(L"mjpeg.avi")));
    const SIZE own = graph.NativeSize();
    const video::PlayerArea area =
        video::ArrangePlayer({own.cx, own.cy}, video::DisplayDoubleSize, true, {own.cx, own.cy});
    ASSERT_EQ(area.Control, (video::PixelSize{640, 480}));
    const RECT doubled{20 + area.Picture.Left, 20 + area.Picture.Top, 20 + area.Picture.Left + area.Picture.Width,
                       20 + area.Picture.Top + area.Picture.Height};
    graph.SetVideoRect(doubled);
    ASSERT_TRUE(PlayAMoment(graph));

    HWND picture = GetWindow(parent.hwnd(), GW_CHILD);
    ASSERT_NE(picture, nullptr);
    RECT r;
    GetWindowRect(picture, &r);
    MapWindowPoints(HWND_DESKTOP, parent.hwnd(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 20);
    EXPECT_EQ(r.top, 20);
    EXPECT_EQ(r.right - r.left, 640);
    EXPECT_EQ(r.bottom - r.top, 480);
    EXPECT_TRUE(testsupport::WaitFor([&] { return ShowsHalves(parent.hwnd(), doubled, Red, Blue); }, 3000))
        << Describe(parent.hwnd(), doubled);
}

TEST_F(MediaGraphTest, HaltKeepsThePlaceStopGoesBackToTheStart)
{
    MediaGraph graph(parent.hwnd(), GraphEvent);
    graph.SetVideoRect(OwnPlace);
    ASSERT_TRUE(graph.Open(Clip(L"mpeg4.avi")));
    EXPECT_EQ(graph.State(), PlayState::Paused) << "opening cues the first picture";
    ASSERT_TRUE(PlayAMoment(graph));

    ASSERT_TRUE(graph.Pause());
    EXPECT_EQ(graph.State(), PlayState::Paused);
    PumpFor(100);
    const std::int64_t halted = graph.Position();
    EXPECT_GT(halted, 0);
    PumpFor(400);
    EXPECT_EQ(graph.Position(), halted);

    ASSERT_TRUE(graph.Play());
    EXPECT_TRUE(testsupport::WaitFor([&] { return graph.Position() > halted + UnitsPerSecond / 10; }, 3000))
        << "playback resumes where it halted";
    EXPECT_LT(graph.Position(), halted + 2 * UnitsPerSecond);

    ASSERT_TRUE(graph.Stop());
    EXPECT_EQ(graph.Position(), 0);
    EXPECT_NE(graph.State(), PlayState::Running);

    // Clicks on the picture reach the parent.
    HWND picture = GetWindow(parent.hwnd(), GW_CHILD);
    ASSERT_NE(picture, nullptr);
    SendMessageW(picture, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    EXPECT_TRUE(testsupport::WaitFor([&] { return parent.clicks == 1; }, 1000));
}

TEST_F(MediaGraphTest, EndWithAutoRewindHaltsOnTheFirstPicture)
{
    MediaGraph graph(parent.hwnd(), GraphEvent);
    parent.graph = &graph;
    graph.SetAutoRewind(true);
    graph.SetVideoRect(OwnPlace);
    ASSERT_TRUE(graph.Open(Clip(L"rewind.avi")));
    ASSERT_TRUE(graph.Play());
    ASSERT_TRUE(testsupport::WaitFor([&] { return parent.endings == 1; }, 8000)) << "the end arrives as an event";
    EXPECT_EQ(graph.State(), PlayState::Paused);
    EXPECT_EQ(graph.Position(), 0);
    HWND picture = GetWindow(parent.hwnd(), GW_CHILD);
    EXPECT_TRUE(picture && IsWindowVisible(picture)) << "the picture stays";
    // The clip ends green and white; its first picture is red and blue.
    EXPECT_TRUE(testsupport::WaitFor([&] { return ShowsHalves(parent.hwnd(), OwnPlace, Red, Blue); }, 3000))
        << Describe(parent.hwnd(), OwnPlace);
    PumpFor(300);
    EXPECT_EQ(graph.State(), PlayState::Paused) << "halted, not playing again";
}

TEST_F(MediaGraphTest, EndWithoutAutoRewindHoldsTheLastPictureAndPlaysAgain)
{
    MediaGraph graph(parent.hwnd(), GraphEvent);
    parent.graph = &graph;
    graph.SetVideoRect(OwnPlace);
    ASSERT_TRUE(graph.Open(Clip(L"rewind.avi")));
    ASSERT_TRUE(graph.Play());
    ASSERT_TRUE(testsupport::WaitFor([&] { return parent.endings == 1; }, 8000));
    EXPECT_EQ(graph.State(), PlayState::Paused);
    EXPECT_TRUE(ShowsHalves(parent.hwnd(), OwnPlace, Green, White)) << Describe(parent.hwnd(), OwnPlace);

    ASSERT_TRUE(graph.Play());
    EXPECT_EQ(graph.State(), PlayState::Running);
    EXPECT_TRUE(testsupport::WaitFor([&] { return ShowsHalves(parent.hwnd(), OwnPlace, Red, Blue); }, 3000))
        << "Play after the end starts from the beginning; " << Describe(parent.hwnd(), OwnPlace);
    EXPECT_LT(graph.Position(), UnitsPerSecond);
}

TEST_F(MediaGraphTest, UnreadableFileLeavesAnEmptyUsableParent)
{
    MediaGraph graph(parent.hwnd(), GraphEvent);
    parent.graph = &graph;
    for (const std::wstring& path : {Clip(L"random.avi"), Clip(L"missing.avi")}) {
        SCOPED_TRACE(testing::PrintToString(path));
        EXPECT_FALSE(graph.Open(path));
        EXPECT_TRUE(FAILED(graph.LastOpenResult()));
        EXPECT_FALSE(graph.IsOpen());
        EXPECT_FALSE(graph.HasVideo());
        EXPECT_EQ(graph.NativeSize().cx, 0);
        EXPECT_EQ(ChildCount(parent.hwnd()), 0) << "no video window";
        EXPECT_FALSE(graph.Play());
        EXPECT_FALSE(graph.Pause());
        EXPECT_EQ(graph.State(), PlayState::Stopped);
        EXPECT_FALSE(graph.HandleEvents());
        DWORD_PTR answer = 0;
        EXPECT_NE(SendMessageTimeoutW(parent.hwnd(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &answer), 0);
    }
    // A good file after a bad one opens in the same player; a bad one after it closes it.
    ASSERT_TRUE(graph.Open(Clip(L"mpeg4.avi")));
    EXPECT_EQ(ChildCount(parent.hwnd()), 1);
    EXPECT_FALSE(graph.Open(Clip(L"random.avi")));
    EXPECT_EQ(ChildCount(parent.hwnd()), 0);
}

TEST_F(MediaGraphTest, OpensAFileWhoseNameTheAnsiCodePageCannotHold)
{
    testsupport::ScratchFolder folder(L"media-graph");
    const std::wstring path = folder / L"Видео – ünïcødé 映像.avi";
    ASSERT_TRUE(CopyFileW(Clip(L"mpeg4.avi").c_str(), path.c_str(), FALSE));
    MediaGraph graph(parent.hwnd(), GraphEvent);
    ASSERT_TRUE(graph.Open(path)) << std::hex << graph.LastOpenResult();
    EXPECT_EQ(graph.NativeSize().cx, 320);
    graph.Close(); // lets go of the file before the folder goes
}

TEST_F(MediaGraphTest, OpeningAndClosingManyTimesLeaksNothing)
{
    {
        // The first graph loads the decoders and starts their lasting threads.
        MediaGraph warmUp(parent.hwnd(), GraphEvent);
        ASSERT_TRUE(warmUp.Open(Clip(L"mjpeg.avi")));
        warmUp.Play();
        EXPECT_FALSE(warmUp.Open(Clip(L"random.avi")));
    }
    PumpFor(300);
    DWORD handlesBefore = 0;
    GetProcessHandleCount(GetCurrentProcess(), &handlesBefore);
    const int threadsBefore = ThreadCount();
    const int windowsBefore = ProcessWindowCount();

    for (int i = 0; i < 17; ++i) {
        MediaGraph graph(parent.hwnd(), GraphEvent);
        parent.graph = &graph;
        ASSERT_TRUE(graph.Open(Clip(L"mjpeg.avi"))) << i;
        if (i % 5 == 0) graph.Play();
        ASSERT_FALSE(graph.Open(Clip(L"random.avi"))) << i;
        ASSERT_TRUE(graph.Open(Clip(L"mpeg1.mpg"))) << i;
        parent.graph = nullptr;
        PumpFor(0);
    }
    PumpFor(500);

    DWORD handlesAfter = 0;
    GetProcessHandleCount(GetCurrentProcess(), &handlesAfter);
    EXPECT_LE(handlesAfter, handlesBefore + 10) << "handles before " << handlesBefore;
    EXPECT_LE(ThreadCount(), threadsBefore + 2);
    EXPECT_EQ(ProcessWindowCount(), windowsBefore);
    EXPECT_EQ(ChildCount(parent.hwnd()), 0);
}

// A clock whose notification thread has only just been started, released at once: the release
// must come back (Wine's system clock lost that wake-up and waited for ever).
TEST(ReferenceClock, ReleasedJustAfterItsThreadStartsComesBack)
{
    struct Run {
        int released = 0;
        static DWORD WINAPI Clocks(void* param)
        {
            auto& run = *static_cast<Run*>(param);
            ComApartment com;
            UniqueKernelHandle due(CreateEventW(nullptr, TRUE, FALSE, nullptr));
            for (int i = 0; i < 300; ++i) {
                auto clock = CreateComObject<IReferenceClock>(CLSID_SystemClock, IID_IReferenceClock);
                if (!clock) return 1;
                REFERENCE_TIME now = 0;
                DWORD_PTR cookie = 0;
                clock->GetTime(&now);
                // The first notification starts the thread; this one is never due.
                clock->AdviseTime(now, 60 * UnitsPerSecond, reinterpret_cast<HEVENT>(due.get()), &cookie);
                clock->Unadvise(cookie);
                host::ReleaseClock(clock);
                if (clock) return 2;
                ++run.released;
            }
            return 0;
        }
    };
    // On its own thread, so that a release that never returns fails the test instead of hanging it.
    auto run = std::make_unique<Run>();
    UniqueKernelHandle thread(CreateThread(nullptr, 0, Run::Clocks, run.get(), 0, nullptr));
    ASSERT_TRUE(thread);
    if (WaitForSingleObject(thread.get(), 20000) != WAIT_OBJECT_0) {
        ADD_FAILURE() << "a release never came back; clocks released before it: " << run->released;
        run.release(); // the stuck thread still points at it
        return;
    }
    DWORD code = 99;
    GetExitCodeThread(thread.get(), &code);
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(run->released, 300);
}
