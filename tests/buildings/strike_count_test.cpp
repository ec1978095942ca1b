// The strike-count formulas against the worked values, and the boxes blamed for overflow.
#include "buildings/strike_count.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace buildings;

namespace {

double rounded(double x) { return std::round(x * 1000) / 1000; }

BuildingDimensions cuboid(double l, double w, double h)
{
    BuildingDimensions b;
    b.length = l;
    b.width = w;
    b.cuboidHeight = h;
    return b;
}

BuildingDimensions cylinder(double r, double h)
{
    BuildingDimensions b;
    b.shape = BuildingShape::Cylinder;
    b.radius = r;
    b.cylinderHeight = h;
    return b;
}

BuildingDimensions special(double area)
{
    BuildingDimensions b;
    b.shape = BuildingShape::Special;
    b.area = area;
    return b;
}

} // namespace

TEST(StrikeCount, DefaultsGiveTheWorkedParts)
{
    EXPECT_NEAR(groundFlashDensity(121), 12.2414, 5e-5);
    EXPECT_NEAR(cuboidArea(20, 20, 20), 0.0165097, 5e-8);
}

TEST(StrikeCount, WorkedResults)
{
    struct Case {
        const char* what;
        double td;
        BuildingDimensions building;
        double k;
        double shown;
    };
    const Case cases[] = {
        {"cuboid defaults", 121, cuboid(20, 20, 20), 1, 0.202},
        {"cylinder defaults", 121, cylinder(10, 20), 1, 0.188},
        {"special shape defaults", 121, special(16000), 1, 0.196},
        {"metal roof", 121, cuboid(20, 20, 20), 1.7, 0.344},
        {"isolated building", 121, cuboid(20, 20, 20), 2, 0.404},
        {"no thunderstorm days", 0, cuboid(20, 20, 20), 1, 0},
        {"zero-sized cuboid", 121, cuboid(0, 0, 0), 1, 0},
    };
    for (const Case& c : cases) {
        const StrikeCount n = strikeCount(c.td, c.building, c.k);
        EXPECT_FALSE(n.overflow) << c.what;
        EXPECT_DOUBLE_EQ(rounded(n.strikes), c.shown) << c.what;
    }
}

TEST(StrikeCount, HeightOfHundredTakesTheUpperFormulaAndBothMeetThere)
{
    EXPECT_NEAR(cuboidArea(20, 20, 100), 0.0398159, 5e-8);
    EXPECT_NEAR(cuboidArea(20, 20, 99.9999999), cuboidArea(20, 20, 100), 1e-9);
    EXPECT_NEAR(cylinderArea(10, 99.9999999), cylinderArea(10, 100), 1e-9);
    // Above 100 m the collection reach grows with the height itself.
    EXPECT_NEAR(cylinderArea(10, 150), 3.1415925 * 160 * 160 * 1e-6, 1e-12);
}

TEST(StrikeCount, CorrectionFactorsAndShapeBoxes)
{
    EXPECT_EQ(correctionFactor(0), 1);
    EXPECT_EQ(correctionFactor(1), 1.7);
    EXPECT_EQ(correctionFactor(2), 1.5);
    EXPECT_EQ(correctionFactor(3), 2);

    ASSERT_TRUE(shapeBoxes(1));
    const ShapeBoxes c = *shapeBoxes(1);
    EXPECT_FALSE(c.area || c.length || c.width || c.cuboidHeight);
    EXPECT_TRUE(c.cylinderHeight && c.radius);
    EXPECT_FALSE(shapeBoxes(3));
    EXPECT_FALSE(shapeBoxes(-1));
}

TEST(StrikeCount, OverflowBlamesABoxInsteadOfGivingInfinity)
{
    struct Case {
        const char* what;
        double td;
        BuildingDimensions building;
        StrikeField blamed;
    };
    const Case cases[] = {
        {"thunder days to the power 1.3", 1e300, cuboid(20, 20, 20), StrikeField::ThunderDays},
        {"length times width", 121, cuboid(1e200, 1e200, 20), StrikeField::Length},
        {"the larger side", 121, cuboid(20, 1e307, 20), StrikeField::Width},
        {"a tall cuboid", 121, cuboid(20, 20, 1e200), StrikeField::CuboidHeight},
        {"a wide cylinder", 121, cylinder(1e200, 20), StrikeField::Radius},
        {"a tall cylinder", 121, cylinder(10, 1e200), StrikeField::CylinderHeight},
        {"the product, days larger", 1e200, cuboid(1e100, 1e100, 20), StrikeField::ThunderDays},
        {"the product, area larger", 1e10, special(1e308), StrikeField::Area},
    };
    for (const Case& c : cases) {
        const StrikeCount n = strikeCount(c.td, c.building, 1);
        ASSERT_TRUE(n.overflow) << c.what;
        EXPECT_EQ(*n.overflow, c.blamed) << c.what;
    }
    // Large but representable results are results.
    EXPECT_FALSE(strikeCount(121, special(1e300), 2).overflow);
}
