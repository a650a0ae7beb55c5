#pragma once
// The main window's layout arithmetic, in twips.
#include <array>
#include <cmath>

// Left to right the command bar shows these buttons; 3 and 4 share a place (only one shows).
constexpr std::array<int, 11> MainBarOrder = {0, 1, 9, 10, 2, 3, 4, 5, 6, 7, 8};

struct MainLayoutInput {
    double clientWidth = 0;
    double clientHeight = 0;
    double outerWidth = 0;
    int buttonCount = 11;
    std::array<double, 3> titleButtonWidth{};
    double titleHeight = 0;     // PicTitle
    double bannerTop = 0;       // Picture1
    double bannerHeight = 0;
    double statusHeight = 0;
    double listLeft = 0;        // lvDir
    double driveHeight = 0;
    double column2Width = 0;
    double column3Width = 0;
    int fileCount = 0;
    int rowHeight = 0;          // RowHeight
    int visibleRows = 0;        // VisibleRows before this layout
};

struct MainLayout {
    std::array<double, 3> titleButtonLeft{};
    double buttonWidth = 0;
    std::array<double, 11> buttonLeft{};
    double titleImageWidth = 0;  // Image2
    double bannerWidth = 0;      // Picture1
    double backgroundWidth = 0;  // Image1
    double backgroundHeight = 0;
    double listWidth = 0;
    double listHeight = 0;
    double driveLeft = 0;
    double driveWidth = 0;
    double directoryHeight = 0;
    int visibleRows = 0;
    double column1Width = 0;
};

MainLayout ComputeMainLayout(const MainLayoutInput& in);

// Column 1 takes what the others leave, less room for a vertical scroll bar when more rows
// exist than fit.
double Column1Width(double listWidth, double column2Width, double column3Width, int visibleRows, int fileCount);
