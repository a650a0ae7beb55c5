// The owner-drawn button created from a stored design whose entries come from the input: any
// of its keys in any case, with values of any type (numbers where text is expected, fonts of
// any size, pictures of any size), then resized, shown and driven by the mouse, the keyboard
// and the hover timer. Nothing may crash, read out of bounds or overflow, the window always
// shows what the properties say, and a click changes the check state only of an enabled
// check-box button.
#include <cstddef>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>

#include "ButtonTestKit.h"
#include "base/Text.h"
#include "FuzzInput.h"

namespace {

constexpr const wchar_t* Keys[] = {L"BTYPE", L"TX",    L"ENAB",  L"FONT", L"COLTYPE", L"FOCUSR", L"BCOL", L"BCOLO",
                                   L"FCOL",  L"FCOLO", L"MCOL",  L"MPTR", L"MICON",   L"PICN",   L"PICH", L"UMCOL",
                                   L"SOFT",  L"PICPOS", L"NGREY", L"FX",  L"CHECK",   L"VALUE"};

std::wstring Text(FuzzedDataProvider& input, std::size_t maxBytes)
{
    return WideFromUtf16(input.ConsumeRandomLengthString(maxBytes));
}

PicturePtr Picture(FuzzedDataProvider& input)
{
    const int width = input.ConsumeIntegralInRange(0, 48);
    const int height = input.ConsumeIntegralInRange(0, 48);
    std::vector<RgbColor> pixels(static_cast<std::size_t>(width) * height);
    std::vector<bool> transparent;
    const bool icon = input.ConsumeBool();
    for (RgbColor& p : pixels) {
        p = input.ConsumeIntegral<std::uint32_t>() & 0xFFFFFF;
        if (icon) transparent.push_back((p & 1) != 0);
    }
    return std::make_shared<GridPicture>(width, height, std::move(pixels), std::move(transparent));
}

PropertyValue Value(FuzzedDataProvider& input)
{
    switch (input.ConsumeIntegralInRange(0, 4)) {
    case 0: return input.ConsumeIntegral<std::int32_t>();
    case 1: return input.ConsumeBool();
    case 2: return Text(input, 80);
    case 3: {
        FontDesc font;
        font.Name = Text(input, 64);
        font.Size = input.ConsumeFloatingPoint<double>();
        font.Bold = input.ConsumeBool();
        font.Italic = input.ConsumeBool();
        font.Underline = input.ConsumeBool();
        return font;
    }
    default: return Picture(input);
    }
}

// A key of the design, now and then in another case or unknown.
std::wstring Key(FuzzedDataProvider& input)
{
    std::wstring key = input.PickValueInArray(Keys);
    switch (input.ConsumeIntegralInRange(0, 7)) {
    case 0: return LowerCase(key);
    case 1: return Text(input, 12);
    default: return key;
    }
}

// The window shows the caption, font and enabled state the properties hold.
void RequireShown(const ButtonRig& rig)
{
    const ButtonModel& b = rig.button;
    Require(rig.site.WindowText == b.Caption());
    Require(rig.site.WindowFont == b.Font());
    Require(rig.site.WindowEnabled == b.Enabled());
    const ButtonLayout& l = b.State().Layout;
    const Rect& t = l.TextRect;
    Require(l.PressedTextRect == Rect{t.Left + 1, t.Top + 1, t.Right + 1, t.Bottom + 1});
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const int width = input.ConsumeIntegralInRange(0, 120);
    const int height = input.ConsumeIntegralInRange(0, 60);
    PropertyStore store;
    for (int n = input.ConsumeIntegralInRange(0, 30); n > 0 && input.remaining_bytes(); --n) {
        std::wstring key = Key(input);
        store.Write(key, Value(input));
    }

    ButtonRig rig(width, height, store);
    ButtonModel& b = rig.button;
    Require(b.Caption() == store.ReadString(L"TX", L""));
    Require(b.Enabled() == store.ReadBool(L"ENAB", true));
    Require(b.CheckBoxBehaviour() == store.ReadBool(L"CHECK", false));
    RequireShown(rig);

    while (input.remaining_bytes()) {
        const int x = input.ConsumeIntegralInRange(-10, 130);
        const int y = input.ConsumeIntegralInRange(-10, 70);
        const int mouseButton = input.ConsumeIntegralInRange(0, 4);
        rig.site.PointerOver = x >= 0 && y >= 0 && x < width && y < height;
        const bool before = b.Value();
        bool clickable = false, reloaded = false;
        switch (input.ConsumeIntegralInRange(0, 11)) {
        case 0: b.OnMouseDown(mouseButton, 0, static_cast<float>(x), static_cast<float>(y)); break;
        case 1: b.OnMouseMove(mouseButton, 0, static_cast<float>(x), static_cast<float>(y)); break;
        case 2: b.OnMouseUp(mouseButton, 0, static_cast<float>(x), static_cast<float>(y)); break;
        case 3: b.OnClick(); clickable = true; break;
        case 4: b.OnDoubleClick(); break;
        case 5: b.OnAccessKey(); clickable = true; break;
        case 6: b.OnFocus(input.ConsumeBool()); break;
        case 7: b.OnOverTimer(); break;
        case 8: b.SetEnabled(input.ConsumeBool()); break;
        case 9: b.SetCaption(Text(input, 40)); break;
        case 10:
            rig.canvas.Resize(input.ConsumeIntegralInRange(0, 120), input.ConsumeIntegralInRange(0, 60));
            b.Resize();
            break;
        default: {
            std::wstring key = Key(input);
            store.Write(key, Value(input));
            b.Load(store);
            b.Show();
            reloaded = true;
            break;
        }
        }
        if (b.Value() != before) Require(reloaded || (clickable && b.Enabled() && b.CheckBoxBehaviour()));
        (void)b.FontSize();
        RequireShown(rig);
    }
    return 0;
}
