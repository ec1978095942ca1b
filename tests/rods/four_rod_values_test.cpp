// The four-rod zone values: the worked layouts, the section tops where the drawn section has no middle arc, and missing values.
#include "rods/four_rod_axis.h"
#include "rods/four_rod_values.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kTol = 0.0006; // worked values are given to three decimals

rods::FourRodValues valuesOf(double h, double hx, double a, double b, double hr)
{
    return rods::FourRodValuesOf({a, b, std::min(h, hr), hx, hr});
}

TEST(FourRodValues, DefaultRectangle)
{
    const auto v = valuesOf(21, 12, 50, 25, 30);
    EXPECT_NEAR(v.diagonal, 55.9017, 0.0001);
    EXPECT_NEAR(v.groundHalfWidth, 28.618, kTol);
    ASSERT_TRUE(v.lowestHeight && v.longAxisReach && v.shortAxisReach && v.longTop && v.shortTop && v.targetHalfWidth);
    EXPECT_NEAR(*v.lowestHeight, 1.8972, 0.0001);
    EXPECT_NEAR(*v.longAxisReach, 25.7439, 0.0001);
    EXPECT_NEAR(*v.shortAxisReach, 13.9284, 0.0001);
    EXPECT_NEAR(v.longTop->root, 0.2251, 0.0001);
    EXPECT_NEAR(v.shortTop->root, 1.2131, 0.0001);
    EXPECT_NEAR(v.longTop->distance, 24.775, kTol);
    EXPECT_NEAR(v.shortTop->distance, 11.287, kTol);
    EXPECT_NEAR(v.longTop->height, 14.980, kTol);
    EXPECT_NEAR(v.shortTop->height, 4.101, kTol);
    EXPECT_NEAR(*v.targetHalfWidth, 4.618, kTol);
    EXPECT_FALSE(v.spacingTooLarge());
}

// The short axis of a long narrow rectangle: its outer circles cross below h0, so the drawn section
// is two arcs meeting on the centre line, and that meeting is the highest point the boxes show.
TEST(FourRodValues, TopOfASectionWithoutMiddleArcIsTheOuterCrossing)
{
    const auto v = valuesOf(15, 12, 40, 5, 30);
    ASSERT_TRUE(v.shortTop && v.longTop);
    const auto circles = rods::FourRodAxisCirclesOf(rods::FourRodAxisKind::Short, 40, 5, 15, *v.longAxisReach,
                                                    *v.shortAxisReach, *v.lowestHeight, 30);
    ASSERT_TRUE(circles.twoArcs());
    EXPECT_EQ(v.shortTop->distance, 0.0);
    EXPECT_NEAR(v.shortTop->height, 6.852, kTol);
    EXPECT_EQ(v.shortTop->height, circles.outerCrossing()->y);
    // The long axis keeps its three arcs and the bisection's top.
    EXPECT_NEAR(v.longTop->distance, 19.974, kTol);
    EXPECT_NEAR(v.longTop->height, 14.837, kTol);
}

// Rods as tall as Hr on a narrow rectangle: the bisection's root overshoots so that c + t passes Hr;
// the height is then Hr, never NaN.
TEST(FourRodValues, SectionTopNeverNaN)
{
    const auto v = valuesOf(30, 10, 8, 1, 30);
    ASSERT_TRUE(v.longTop && v.shortTop);
    for (const auto& top : {*v.longTop, *v.shortTop}) {
        EXPECT_TRUE(std::isfinite(top.height));
        EXPECT_TRUE(std::isfinite(top.distance));
        EXPECT_LE(top.height, 30.0);
    }
    EXPECT_NEAR(v.longTop->height, 30.0, 0.01);
}

// What a layout that the typed panel refuses leaves out (the picked command computes it all the same).
TEST(FourRodValues, ValuesWithoutARealRootAreMissing)
{
    const auto wide = valuesOf(21, 12, 60, 25, 30); // a/2 = 30 > r0 = 28.618
    EXPECT_TRUE(wide.spacingTooLarge());
    EXPECT_TRUE(wide.longAxisReach);
    EXPECT_FALSE(wide.shortAxisReach);
    EXPECT_FALSE(wide.longTop);
    EXPECT_FALSE(wide.shortTop);

    const auto far = valuesOf(21, 12, 70, 10, 30); // d/2 > Hr: no sphere rests on the four tips
    EXPECT_FALSE(far.lowestHeight);

    const auto high = valuesOf(70, 61, 50, 25, 30); // hx > 2Hr
    EXPECT_FALSE(high.targetHalfWidth);
    EXPECT_TRUE(valuesOf(70, 60, 50, 25, 30).targetHalfWidth); // hx = 2Hr passes
}

} // namespace
