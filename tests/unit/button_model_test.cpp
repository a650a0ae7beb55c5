#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ButtonTestKit.h"

TEST(ButtonStore, NewInstanceDefaults)
{
    PixelCanvas canvas(60, 25);
    FakeSite site(canvas);
    ButtonModel b(site);
    b.InitNew(L"cmd1", FontDesc{L"MS Sans Serif", 8.25});
    EXPECT_EQ(b.ButtonType(), 9);
    EXPECT_EQ(b.ColorScheme(), 1);
    EXPECT_EQ(b.Caption(), L"cmd1");
    EXPECT_EQ(site.WindowText, L"cmd1");
    EXPECT_EQ(b.FontName(), L"MS Sans Serif");
    EXPECT_EQ(b.BackColor(), MakeRgb(212, 208, 200));
    EXPECT_EQ(b.BackOver(), MakeRgb(212, 208, 200));
    EXPECT_EQ(b.ForeColor(), 0u);
    EXPECT_EQ(b.MaskColor(), MakeRgb(192, 192, 192));
    EXPECT_TRUE(b.Enabled());
    EXPECT_TRUE(b.ShowFocusRect());
    EXPECT_TRUE(b.UseMaskColor());
    EXPECT_FALSE(b.Value());
    // Nothing is painted before the control is shown.
    EXPECT_EQ(site.Presents, 0);
}

TEST(ButtonStore, MissingKeysLoadTheirDefaults)
{
    PixelCanvas canvas(60, 25);
    FakeSite site(canvas);
    ButtonModel b(site);
    PropertyStore store;
    store.Write(L"bcol", static_cast<std::int32_t>(MakeRgb(1, 2, 3)));
    store.Write(L"FCol", static_cast<std::int32_t>(MakeRgb(4, 5, 6)));
    b.Load(store);
    EXPECT_EQ(b.ButtonType(), 2);
    EXPECT_EQ(b.ColorScheme(), 1);
    EXPECT_EQ(b.Caption(), L"");
    EXPECT_EQ(b.BackColor(), MakeRgb(1, 2, 3));
    EXPECT_EQ(b.BackOver(), MakeRgb(1, 2, 3));
    EXPECT_EQ(b.ForeColor(), MakeRgb(4, 5, 6));
    EXPECT_EQ(b.ForeOver(), MakeRgb(4, 5, 6));
    EXPECT_EQ(b.MaskColor(), 12632256u);
    EXPECT_TRUE(b.Enabled());
    EXPECT_TRUE(b.ShowFocusRect());
    EXPECT_FALSE(b.CheckBoxBehaviour());
    EXPECT_EQ(site.Notifications, 0);
    EXPECT_EQ(site.Presents, 0);

    PropertyStore empty;
    b.Load(empty);
    EXPECT_EQ(b.BackColor(), MakeRgb(212, 208, 200));
    EXPECT_EQ(b.BackOver(), MakeRgb(212, 208, 200));
}

TEST(ButtonStore, ProgramDesignKeysAndCaseInsensitiveMatching)
{
    PropertyStore design = ProgramButtonDesign(L"  Exit");
    EXPECT_EQ(design.ReadInt(L"BTYPE", 0), 9);
    EXPECT_EQ(design.ReadInt(L"ColType", 0), 2);
    EXPECT_EQ(design.ReadInt(L"BCOLO", 0), 0xD8E9EC);
    EXPECT_EQ(design.ReadString(L"TX", L""), L"  Exit");
    EXPECT_EQ(design.ReadFont(L"FONT", {}).Name, L"Tahoma");
    EXPECT_EQ(ProgramButtonDesignSystemColors(L"x").ReadInt(L"coltype", 0), 1);
    design.Write(L"BTYPE", 3);
    EXPECT_EQ(design.ReadInt(L"btype", 0), 3);
    EXPECT_EQ(design.Entries().size(), 19u); // no second entry for the other spelling
    // A value of another kind counts as missing.
    EXPECT_EQ(design.ReadString(L"btype", L"none"), L"none");
}

TEST(ButtonProperties, WritesRepaintAndNotify)
{
    ButtonRig rig;
    const int presents = rig.site.Presents;
    rig.button.SetCaption(L"Go");
    EXPECT_EQ(rig.site.Presents, presents + 1);
    EXPECT_EQ(rig.site.Notifications, 1);
    EXPECT_EQ(rig.site.WindowText, L"Go");
    EXPECT_EQ(rig.canvas.Texts.back().Text, L"Go");

    // Font pass-throughs repaint but do not notify: the font is saved as a whole.
    rig.button.SetFontSize(9);
    EXPECT_EQ(rig.site.WindowFont.Size, 9.0);
    EXPECT_EQ(rig.site.Notifications, 1);
    FontDesc f = rig.button.Font();
    f.Size = 8.25;
    rig.button.SetFont(f);
    EXPECT_EQ(rig.button.FontSize(), 8);
    EXPECT_EQ(rig.site.Notifications, 2);

    // The pointer changes the window only.
    const int before = rig.site.Presents;
    rig.button.SetMousePointer(11);
    EXPECT_EQ(rig.site.Presents, before);
    EXPECT_EQ(rig.site.Notifications, 3);

    // PictureOver repaints only while hovered; UseMaskColor only with a picture.
    rig.button.SetPictureOver(std::make_shared<GridPicture>(1, 1, std::vector<RgbColor>{0}));
    rig.button.SetUseMaskColor(false);
    EXPECT_EQ(rig.site.Presents, before);
    EXPECT_EQ(rig.site.Notifications, 5);
}

TEST(ButtonProperties, ColourWritesLeaveTheHoverColoursAsTheyWere)
{
    ButtonRig rig;
    rig.button.SetBackColor(MakeRgb(10, 20, 30));
    EXPECT_EQ(rig.button.BackOver(), MakeRgb(236, 233, 216));
    rig.button.SetForeColor(MakeRgb(1, 1, 1));
    EXPECT_EQ(rig.button.ForeOver(), 0u);
    EXPECT_EQ(rig.canvas.At(30, 10), MakeRgb(48, 58, 36)); // base (58, 68, 37), 10 rows down
}

TEST(ButtonProperties, DisableRefreshBatchesUntilRefresh)
{
    ButtonRig rig;
    rig.button.DisableRefresh();
    const int ops = rig.canvas.Operations;
    rig.button.SetCaption(L"A much longer caption");
    rig.button.SetBackColor(MakeRgb(0, 0, 0));
    EXPECT_EQ(rig.canvas.Operations, ops);
    EXPECT_EQ(rig.button.State().Layout.TextRect.Right - rig.button.State().Layout.TextRect.Left, 6 * 21);
    rig.button.Refresh();
    EXPECT_EQ(rig.canvas.Texts.back().Text, L"A much longer caption");
    EXPECT_EQ(rig.canvas.At(30, 3), MakeRgb(45, 45, 0)); // black face: base (48, 48, 0), 3 rows down

    // Hidden controls do not paint either; showing them does.
    rig.button.Hide();
    rig.button.SetCaption(L"B");
    EXPECT_NE(rig.canvas.Texts.back().Text, L"B");
    rig.button.Show();
    EXPECT_EQ(rig.canvas.Texts.back().Text, L"B");
}

TEST(ButtonProperties, ValuePaintsOnlyInCheckBoxMode)
{
    ButtonRig rig;
    const int ops = rig.canvas.Operations;
    rig.button.SetValue(true);
    EXPECT_EQ(rig.canvas.Operations, ops);
    EXPECT_EQ(rig.site.Notifications, 1);
    rig.button.SetCheckBoxBehaviour(true);
    EXPECT_EQ(rig.canvas.At(30, 3), MakeRgb(201, 201, 189)); // pressed gradient
    EXPECT_EQ(rig.button.State().LastState, StatePressed);
    rig.button.SetValue(false);
    EXPECT_EQ(rig.canvas.At(30, 3), MakeRgb(252, 252, 252));
}

TEST(ButtonProperties, AmbientChangeRepaintsExceptCustomColours)
{
    PropertyStore design = ProgramButtonDesignSystemColors(L"OK");
    ButtonRig system(60, 25, design);
    const int ops = system.canvas.Operations;
    system.button.AmbientChanged();
    EXPECT_GT(system.canvas.Operations, ops);

    ButtonRig custom;
    const int customOps = custom.canvas.Operations;
    custom.button.AmbientChanged();
    EXPECT_EQ(custom.canvas.Operations, customOps);
}

// --- Interaction ---

namespace {
// Records the events in the order they are raised.
struct EventLog {
    std::vector<std::string> Entries;
    explicit EventLog(ButtonModel& b)
    {
        b.Click = [this] { Entries.push_back("Click"); };
        b.MouseOver = [this] { Entries.push_back("MouseOver"); };
        b.MouseOut = [this] { Entries.push_back("MouseOut"); };
        b.MouseDown = [this](int& button, int& shift, float& x, float& y) { Add("MouseDown", button, shift, x, y); };
        b.MouseMove = [this](int& button, int&, float&, float&) { Entries.push_back("MouseMove" + std::to_string(button)); };
        b.MouseUp = [this](int& button, int& shift, float& x, float& y) { Add("MouseUp", button, shift, x, y); };
    }
    void Add(const char* name, int button, int shift, float x, float y)
    {
        Entries.push_back(std::string(name) + "(" + std::to_string(button) + "," + std::to_string(shift) + "," +
                          std::to_string(static_cast<int>(x)) + "," + std::to_string(static_cast<int>(y)) + ")");
    }
    using List = std::vector<std::string>;
};

constexpr RgbColor HoverRed = MakeRgb(255, 0, 0);
constexpr RgbColor PlainLeftBevel = MakeRgb(250, 250, 249);
constexpr RgbColor PressedRow3 = MakeRgb(201, 201, 189);
constexpr RgbColor UpRow3 = MakeRgb(252, 252, 252);
} // namespace

TEST(ButtonInteraction, HoverStartsOnceAndEndsAtTheNextTick)
{
    ButtonRig rig;
    EventLog log(rig.button);
    rig.site.PointerOver = true;
    rig.button.OnMouseMove(0, 0, 3, 4);
    rig.button.OnMouseMove(0, 0, 4, 4);
    EXPECT_EQ(log.Entries, (EventLog::List{"MouseMove0", "MouseOver", "MouseMove0"}));
    EXPECT_TRUE(rig.site.TimerRunning);
    EXPECT_EQ(rig.canvas.At(1, 10), HoverRed);

    rig.button.OnOverTimer(); // still over: nothing
    EXPECT_EQ(log.Entries.size(), 3u);
    rig.site.PointerOver = false;
    rig.button.OnOverTimer();
    EXPECT_EQ(log.Entries.back(), "MouseOut");
    EXPECT_FALSE(rig.site.TimerRunning);
    EXPECT_EQ(rig.canvas.At(1, 10), PlainLeftBevel);
}

TEST(ButtonInteraction, RightButtonPaintsNothingMiddleButtonPresses)
{
    ButtonRig rig;
    EventLog log(rig.button);
    rig.site.PointerOver = true;
    const int ops = rig.canvas.Operations;
    rig.button.OnMouseDown(2, 0, 5, 6);
    rig.button.OnMouseMove(2, 0, 5, 6);
    rig.button.OnMouseUp(2, 0, 5, 6);
    rig.button.OnClick(); // the host would not send it; even so no Click for a right press
    EXPECT_EQ(rig.canvas.Operations, ops);
    EXPECT_EQ(log.Entries, (EventLog::List{"MouseDown(2,0,5,6)", "MouseMove2", "MouseUp(2,0,5,6)"}));

    rig.button.OnMouseDown(4, 1, 5, 6);
    EXPECT_EQ(rig.canvas.At(30, 3), PressedRow3);
    rig.button.OnMouseUp(4, 1, 5, 6);
    EXPECT_EQ(rig.canvas.At(30, 3), UpRow3);
}

TEST(ButtonInteraction, PressMoveReleaseClicks)
{
    ButtonRig rig;
    EventLog log(rig.button);
    rig.site.PointerOver = true;
    rig.button.OnMouseMove(0, 0, 1, 1);
    rig.button.OnMouseDown(1, 0, 1, 1);
    EXPECT_EQ(rig.canvas.At(30, 3), PressedRow3);
    rig.button.OnMouseMove(1, 0, 2, 2);
    EXPECT_FALSE(rig.button.State().Hovering);
    rig.button.OnMouseUp(1, 0, 2, 2);
    rig.button.OnClick();
    EXPECT_EQ(log.Entries, (EventLog::List{"MouseMove0", "MouseOver", "MouseDown(1,0,1,1)", "MouseMove1",
                                           "MouseUp(1,0,2,2)", "Click"}));
    EXPECT_EQ(rig.canvas.At(30, 3), UpRow3);
    EXPECT_EQ(rig.canvas.At(1, 10), PlainLeftBevel); // no hover frame
    EXPECT_EQ(rig.site.Refreshes, 1);
    // The next move over the control starts a new hover without a MouseOut before it.
    rig.button.OnMouseMove(0, 0, 3, 3);
    EXPECT_EQ(log.Entries.back(), "MouseOver");
    EXPECT_EQ(rig.canvas.At(1, 10), HoverRed);
}

TEST(ButtonInteraction, DraggingOutAndBackIn)
{
    ButtonRig rig;
    rig.site.PointerOver = true;
    rig.button.OnMouseDown(1, 0, 1, 1);
    rig.site.PointerOver = false;
    rig.button.OnMouseMove(1, 0, 90, 1);
    EXPECT_EQ(rig.canvas.At(30, 3), UpRow3);
    rig.site.PointerOver = true;
    rig.button.OnMouseMove(1, 0, 5, 1);
    EXPECT_EQ(rig.canvas.At(30, 3), PressedRow3);
}

TEST(ButtonInteraction, DoubleClickSequenceClicksOnce)
{
    ButtonRig rig;
    EventLog log(rig.button);
    rig.site.PointerOver = true;
    rig.button.OnMouseDown(1, 0, 7, 8);
    rig.button.OnMouseUp(1, 0, 7, 8);
    rig.button.OnClick();
    rig.button.OnDoubleClick();
    EXPECT_EQ(rig.canvas.At(30, 3), PressedRow3);
    EXPECT_EQ(rig.site.Captures, 1);
    rig.button.OnMouseUp(1, 0, 7, 8);
    EXPECT_EQ(log.Entries, (EventLog::List{"MouseDown(1,0,7,8)", "MouseUp(1,0,7,8)", "Click", "MouseDown(1,0,0,0)",
                                           "MouseUp(1,0,7,8)"}));
}

TEST(ButtonInteraction, CheckBoxModeTogglesWithoutNotifying)
{
    ButtonRig rig;
    rig.button.SetCheckBoxBehaviour(true);
    const int notes = rig.site.Notifications;
    EventLog log(rig.button);
    for (int i = 0; i < 2; ++i) {
        rig.button.OnMouseDown(1, 0, 1, 1);
        rig.button.OnMouseUp(1, 0, 1, 1);
        rig.button.OnClick();
        EXPECT_EQ(rig.button.Value(), i == 0);
        EXPECT_EQ(rig.canvas.At(30, 3), i == 0 ? PressedRow3 : UpRow3);
    }
    rig.button.OnAccessKey();
    EXPECT_TRUE(rig.button.Value());
    EXPECT_EQ(std::count(log.Entries.begin(), log.Entries.end(), "Click"), 3);
    EXPECT_EQ(rig.site.Notifications, notes);
}

TEST(ButtonInteraction, AccessKeyClicksAndDisabledIgnoresClicks)
{
    ButtonRig rig;
    EventLog log(rig.button);
    rig.button.OnMouseDown(2, 0, 1, 1); // LastButton right
    rig.button.OnAccessKey();
    EXPECT_EQ(log.Entries.back(), "Click");
    EXPECT_EQ(rig.button.State().LastButton, 1);

    // A hover running when the control is disabled still ends with MouseOut, in the disabled look.
    rig.site.PointerOver = true;
    rig.button.OnMouseMove(0, 0, 1, 1);
    rig.button.SetEnabled(false);
    log.Entries.clear();
    rig.button.OnClick();
    rig.site.PointerOver = false;
    rig.button.OnOverTimer();
    EXPECT_EQ(log.Entries, (EventLog::List{"MouseOut"}));
    EXPECT_EQ(rig.canvas.At(30, 10), MakeRgb(231, 231, 224));
}

TEST(ButtonInteraction, SkipsRepaintsThatChangeNothing)
{
    ButtonRig rig;
    rig.site.PointerOver = true;
    rig.button.OnMouseDown(1, 0, 1, 1);
    const int ops = rig.canvas.Operations;
    rig.button.OnMouseMove(1, 0, 2, 2);
    rig.button.OnMouseMove(1, 0, 3, 2);
    EXPECT_EQ(rig.canvas.Operations, ops);
}
