#include <gtest/gtest.h>
#include "app/Shared.h"

TEST(SharedValues, TooltipsOnlyForExactYes)
{
    Shared s;
    EXPECT_FALSE(s.TooltipsOn());
    s.TooltipSwitch = L"yes";
    EXPECT_FALSE(s.TooltipsOn());
    s.TooltipSwitch = L"YES";
    EXPECT_TRUE(s.TooltipsOn());
}
