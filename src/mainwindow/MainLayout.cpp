#include "mainwindow/MainLayout.h"

#include "base/Rounding.h"

double Column1Width(double listWidth, double column2Width, double column3Width, int visibleRows, int fileCount)
{
    return listWidth - column2Width - column3Width - (visibleRows < fileCount ? 320 : 60);
}

MainLayout ComputeMainLayout(const MainLayoutInput& in)
{
    MainLayout out;
    out.titleButtonLeft[0] = in.clientWidth - in.titleButtonWidth[0] - 80;
    out.titleButtonLeft[1] = out.titleButtonLeft[0] - in.titleButtonWidth[1] - 50;
    out.titleButtonLeft[2] = out.titleButtonLeft[1] - in.titleButtonWidth[2] - 50;

    out.buttonWidth = in.clientWidth / (in.buttonCount - 1) + 8;
    const double step = out.buttonWidth - 10;
    double left = 0;
    for (std::size_t i = 0; i < MainBarOrder.size(); ++i) {
        const int button = MainBarOrder[i];
        if (button == 4) {
            out.buttonLeft[4] = out.buttonLeft[3];
            continue;
        }
        out.buttonLeft[static_cast<std::size_t>(button)] = left;
        left += step;
    }

    out.titleImageWidth = in.clientWidth;
    out.bannerWidth = in.clientWidth;
    out.backgroundWidth = in.clientWidth - 10;
    out.backgroundHeight = in.clientHeight - in.titleHeight - in.statusHeight - 80;

    out.listWidth = 0.68 * in.outerWidth;
    out.listHeight = in.clientHeight - in.bannerTop - in.bannerHeight - in.statusHeight - 700;

    out.driveLeft = in.listLeft + out.listWidth + 260;
    out.driveWidth = in.clientWidth - out.listWidth - in.listLeft - 600;
    out.directoryHeight = out.listHeight - in.driveHeight;

    out.visibleRows = in.visibleRows;
    if (in.fileCount >= 1 && in.rowHeight >= 1) out.visibleRows = RoundHalfEven((out.listHeight - 280) / in.rowHeight);
    out.column1Width = Column1Width(out.listWidth, in.column2Width, in.column3Width, out.visibleRows, in.fileCount);
    return out;
}
