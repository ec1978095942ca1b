// Ordering and normalising the rectangle of four picked rods.
#include "rods/four_rod_rectangle.h"

#include <gtest/gtest.h>

namespace {

struct RectangleCase {
    const char* name;
    cad::Point first, second, third;
    std::array<cad::Point, 4> rods;
    double a, b, angle;
};

TEST(FourRodRectangle, OrdersCornersSoTheLongSideRunsFromRodOneWithTheOthersOnItsLeft)
{
    const RectangleCase cases[] = {
        {"third point on the left", {0, 0, 0}, {40, 0, 0}, {10, 20, 0},
         {{{0, 0, 0}, {40, 0, 0}, {0, 20, 0}, {40, 20, 0}}}, 20, 10, 0},
        {"third point on the right", {0, 0, 0}, {40, 0, 0}, {10, -20, 0},
         {{{0, -20, 0}, {40, -20, 0}, {0, 0, 0}, {40, 0, 0}}}, 20, 10, 0},
        {"third point farther than the spacing", {0, 0, 0}, {40, 0, 0}, {10, 60, 0},
         {{{40, 0, 0}, {40, 60, 0}, {0, 0, 0}, {0, 60, 0}}}, 30, 20, 1.57079625},
        {"rod 2 straight below rod 1", {0, 0, 0}, {0, -40, 0}, {20, -10, 0},
         {{{0, 0, 0}, {0, -40, 0}, {20, 0, 0}, {20, -40, 0}}}, 20, 10, 4.71238875},
        {"third point on the line", {0, 0, 0}, {40, 0, 0}, {70, 0, 0},
         {{{0, 0, 0}, {40, 0, 0}, {0, 0, 0}, {40, 0, 0}}}, 20, 0, 0},
        {"all three picks on one spot", {5, 5, 0}, {5, 5, 0}, {5, 5, 0},
         {{{5, 5, 0}, {5, 5, 0}, {5, 5, 0}, {5, 5, 0}}}, 0, 0, 0},
        {"rod 2 on rod 1, third point apart", {0, 0, 0}, {0, 0, 0}, {0, 30, 0},
         {{{0, 0, 0}, {0, 30, 0}, {0, 0, 0}, {0, 30, 0}}}, 15, 0, 1.57079625},
    };
    for (const RectangleCase& c : cases) {
        SCOPED_TRACE(c.name);
        const rods::PickedRectangle r = rods::NormaliseRectangle(c.first, c.second, c.third, 2.0);
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 3; ++j)
                EXPECT_NEAR(r.rods[i][j], c.rods[i][j], 1e-9) << "rod " << i + 1 << " coordinate " << j;
        EXPECT_NEAR(r.longSide, c.a, 1e-9);
        EXPECT_NEAR(r.shortSide, c.b, 1e-9);
        EXPECT_DOUBLE_EQ(r.angle, c.angle);
        EXPECT_LE(r.passes, 3);
    }
}

TEST(FourRodRectangle, ANearlyVerticalFirstSideEndsAtOnceOnTheThirdPointsSide)
{
    // Rod 2 almost straight below rod 1, leaning a hair to -x: the side must come from the plan alone.
    const cad::Point rod1{0, 0, 0};
    const cad::Point rod2{-1e-8, -40, 0};
    const rods::PickedRectangle left = rods::NormaliseRectangle(rod1, rod2, {10, -20, 0}, 2.0);
    EXPECT_EQ(left.passes, 1);
    EXPECT_NEAR(left.rods[0][0], 0, 1e-6);
    EXPECT_NEAR(left.rods[2][0], 10, 1e-6);
    EXPECT_NEAR(left.rods[3][1], -40, 1e-6);

    const rods::PickedRectangle right = rods::NormaliseRectangle(rod1, rod2, {-10, -20, 0}, 2.0);
    EXPECT_EQ(right.passes, 2); // one turn puts rods 1 and 2 on the third point's line
    EXPECT_NEAR(right.rods[0][0], -10, 1e-6);
    EXPECT_NEAR(right.rods[2][0], 0, 1e-6);
    EXPECT_NEAR(right.shortSide, 5, 1e-6);
    EXPECT_NEAR(right.longSide, 20, 1e-6);
}

TEST(FourRodRectangle, SidesEqualWithinATenthOfAMillimetreAreNotExchanged)
{
    const rods::PickedRectangle r = rods::NormaliseRectangle({0, 0, 0}, {40, 0, 0}, {0, 40.00015, 0}, 2.0);
    EXPECT_EQ(r.passes, 1);
    EXPECT_NEAR(r.rods[1][0], 40, 1e-9);
}

} // namespace
