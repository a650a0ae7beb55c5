#include <gtest/gtest.h>

#include "host/Twips.h"

TEST(Twips, ConvertWithTheScreenResolution)
{
    EXPECT_DOUBLE_EQ(twips::PerPixel(96), 15.0);
    EXPECT_DOUBLE_EQ(twips::PerPixel(144), 10.0);
    EXPECT_EQ(twips::ToPixels(15000, 96), 1000);
    EXPECT_EQ(twips::ToPixels(15000, 144), 1500);
    EXPECT_DOUBLE_EQ(twips::FromPixels(1000, 96), 15000);
    EXPECT_DOUBLE_EQ(twips::FromPixels(1500, 144), 15000);
    // Values between pixels land on the nearest one, halves away from zero.
    EXPECT_EQ(twips::ToPixels(7.5, 96), 1);
    EXPECT_EQ(twips::ToPixels(7.4, 96), 0);
    EXPECT_EQ(twips::ToPixels(-600, 96), -40);
    EXPECT_EQ(twips::ToPixels(-7.5, 96), -1);
    for (int px : {0, 1, 7, 99, 1279}) {
        EXPECT_EQ(twips::ToPixels(twips::FromPixels(px, 96), 96), px);
        EXPECT_EQ(twips::ToPixels(twips::FromPixels(px, 144), 144), px);
    }
}
