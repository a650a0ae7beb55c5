#include "special/FlashLayout.h"

#include "base/Rounding.h"

namespace special {

const FlashButtonDesign* FlashButton(int index)
{
    for (const FlashButtonDesign& design : FlashButtons)
        if (design.Index == index) return &design;
    return nullptr;
}

std::wstring FlashExitCaption(std::wstring_view langCaption)
{
    const std::size_t first = langCaption.find_first_not_of(L' ');
    return first == std::wstring_view::npos ? std::wstring() : std::wstring(langCaption.substr(first));
}

FlashBarLayout LayOutFlashBar(double innerWidthTwips)
{
    FlashBarLayout layout;
    layout.ButtonWidthTwips = RoundHalfEven(innerWidthTwips / FlashButtonCount - 10);
    for (int i = 2; i <= FlashButtonCount; ++i)
        layout.LeftTwips[static_cast<std::size_t>(i)] =
            layout.LeftTwips[static_cast<std::size_t>(i - 1)] + layout.ButtonWidthTwips;
    return layout;
}

MovieSize ScaledMovieSize(double innerWidthTwips, double innerHeightTwips, double divisor)
{
    return {innerWidthTwips / divisor, innerHeightTwips / divisor};
}

MoviePlace CentredMovie(double innerWidthTwips, double innerHeightTwips, double widthTwips, double heightTwips)
{
    return {innerWidthTwips / 2 - widthTwips / 2, innerHeightTwips / 2 - heightTwips / 2};
}

FlashBarMove FlashBarTick(int& checkPhase, int hideLimit, int pointerY)
{
    if (checkPhase == 0) {
        checkPhase = 1;
        return pointerY < FlashRevealBelowY ? FlashBarMove::Reveal : FlashBarMove::Stay;
    }
    checkPhase = 0;
    return pointerY > hideLimit ? FlashBarMove::Hide : FlashBarMove::Stay;
}

} // namespace special
