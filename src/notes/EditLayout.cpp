#include "notes/EditLayout.h"

namespace notes {

EditLayout LayOutEditor(double innerWidth, double innerHeight)
{
    EditLayout layout;
    layout.ButtonWidth = innerWidth / 4;
    layout.ButtonLeft[1] = 10;
    for (int i = 2; i <= EditButtonCount; ++i) layout.ButtonLeft[i] = layout.ButtonLeft[i - 1] + layout.ButtonWidth - 15;
    layout.StripWidth = innerWidth;
    layout.TextTop = SpacerTopTwips + SpacerHeightTwips;
    layout.TextWidth = innerWidth;
    const double height = innerHeight - SpacerHeightTwips - StripHeightTwips;
    layout.TextHeight = height < 0 ? 0 : height;
    return layout;
}

Placement DefaultPlacement(double screenWidth, double screenHeight, double designWidth, double designHeight)
{
    return Placement{(screenWidth - designWidth) / 2, (screenHeight - designHeight) / 2, screenWidth / 2,
                     screenHeight / 2};
}

} // namespace notes
