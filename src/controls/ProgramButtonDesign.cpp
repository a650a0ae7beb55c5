#include "controls/ProgramButtonDesign.h"

#include "controls/ButtonState.h"

namespace {
constexpr std::int32_t ProgramFace = 0x00D8E9EC; // RGB(236, 233, 216)
constexpr std::int32_t Black = 0;

PropertyStore Design(const std::wstring& caption, std::int32_t colorScheme)
{
    PropertyStore store;
    store.Write(L"btype", static_cast<std::int32_t>(PictureStyle::Lifted));
    store.Write(L"tx", caption);
    store.Write(L"enab", true);
    store.Write(L"font", FontDesc{L"Tahoma", 8.25, false, false, false});
    store.Write(L"coltype", colorScheme);
    store.Write(L"focusr", true);
    store.Write(L"bcol", ProgramFace);
    store.Write(L"bcolo", ProgramFace);
    store.Write(L"fcol", Black);
    store.Write(L"fcolo", Black);
    store.Write(L"mcol", static_cast<std::int32_t>(DefaultMaskColor));
    store.Write(L"mptr", static_cast<std::int32_t>(PointerShape::Default));
    store.Write(L"umcol", true);
    store.Write(L"soft", false);
    store.Write(L"picpos", static_cast<std::int32_t>(PicturePlace::LeftOfCaption));
    store.Write(L"ngrey", false);
    store.Write(L"fx", 0);
    store.Write(L"check", false);
    store.Write(L"value", false);
    return store;
}
} // namespace

PropertyStore ProgramButtonDesign(const std::wstring& caption) { return Design(caption, ColorSource::OwnColors); }

PropertyStore ProgramButtonDesignSystemColors(const std::wstring& caption)
{
    return Design(caption, ColorSource::SystemColors);
}
