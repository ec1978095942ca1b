// The earthing formulas and the equivalent diameter against the worked values, and their guards.
#include "earthing/equivalent_diameter.h"
#include "earthing/resistance.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace earthing;

namespace {

double rounded(double x) { return std::round(x * 1000) / 1000; }

constexpr double kBar = 0.01;            // circular bar steel, 10 mm
constexpr double kAngle = 0.0422169;     // angle steel 50 × 50 mm (rounded as the worked values are)

} // namespace

TEST(EquivalentDiameter, DefaultsOfTheFourSections)
{
    EXPECT_DOUBLE_EQ(equivalentDiameter(SteelSection::CircularBar, 10).metres, 0.01);
    EXPECT_DOUBLE_EQ(equivalentDiameter(SteelSection::Pipe, 32).metres, 0.032);
    EXPECT_DOUBLE_EQ(equivalentDiameter(SteelSection::Flat, 40).metres, 0.02);
    EXPECT_NEAR(equivalentDiameter(SteelSection::Angle, 50, 50).metres, 0.0422169, 5e-8);
}

TEST(EquivalentDiameter, SizesBeyondADoubleBlameTheirBox)
{
    struct Case {
        SteelSection section;
        double a, b;
        int box;
    };
    const Case cases[] = {
        {SteelSection::CircularBar, 1e-322, 0, 0}, // d / 1000 underflows to 0
        {SteelSection::Flat, 1e-322, 0, 2},
        {SteelSection::Angle, 1e200, 50, 3},
        {SteelSection::Angle, 50, 1e300, 4},
        {SteelSection::Angle, 1e-200, 1e-200, 3},
    };
    for (const Case& c : cases) {
        const EquivalentDiameter d = equivalentDiameter(c.section, c.a, c.b);
        ASSERT_TRUE(d.faultBox) << c.a << " " << c.b;
        EXPECT_EQ(*d.faultBox, c.box) << c.a << " " << c.b;
    }
}

TEST(Resistance, WorkedValues)
{
    struct Case {
        const char* what;
        Resistance r;
        double shown;
    };
    using T = TowerArrangement;
    const Case cases[] = {
        {"vertical, bar", verticalResistance(100, 2.5, kBar), 42.023},
        {"vertical, pipe", verticalResistance(100, 2.5, 0.032), 34.618},
        {"vertical, flat", verticalResistance(100, 2.5, 0.02), 37.610},
        {"vertical, angle", verticalResistance(100, 2.5, kAngle), 32.854},
        {"horizontal, straight", horizontalResistance(100, 15, 1, kBar, -0.6), 9.996},
        {"horizontal, three arms", horizontalResistance(100, 15, 1, kBar, 0), 10.633},
        {"horizontal, eight arms", horizontalResistance(100, 15, 1, kBar, 5.65), 16.628},
        {"grid", gridResistance(100, 5000, 1, 300, 1500, kBar), 0.634},
        {"steel tower", towerResistance(T::SteelTower, 100, 1, 12, 12, kBar), 2.569},
        {"radial pole", towerResistance(T::RadialPole, 100, 1, 12, 12, kBar), 3.924},
        {"ring pole", towerResistance(T::RingPole, 100, 1, 12, 12, kBar), 4.426},
        {"ring pole without L1", towerResistance(T::RingPole, 100, 1, 0, 12, kBar), 2.443},
        {"vertical, no resistivity", verticalResistance(0, 2.5, kBar), 0},
        {"horizontal, no resistivity", horizontalResistance(0, 15, 1, kBar, -0.6), 0},
        {"grid, no resistivity", gridResistance(0, 5000, 1, 300, 1500, kBar), 0},
        {"tower, no resistivity", towerResistance(T::SteelTower, 0, 1, 12, 12, kBar), 0},
        {"tower too short for its formula is clamped", towerResistance(T::SteelTower, 100, 1, 1e-4, 1e-4, kBar), 0},
        {"short vertical rod in soil of no resistivity", verticalResistance(0, 0.001, kBar), 0},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(c.r.fault) << c.what;
        EXPECT_DOUBLE_EQ(rounded(c.r.ohms), c.shown) << c.what;
        EXPECT_FALSE(std::signbit(c.r.ohms)) << c.what;
    }
}

TEST(Resistance, GridParts)
{
    const GridParts p = gridParts(100, 5000, 1, 300, 1500, kBar);
    EXPECT_NEAR(p.a1, 0.97476, 5e-6);
    EXPECT_NEAR(p.b, 0.93892, 5e-6);
    EXPECT_NEAR(p.re, 0.65016, 5e-6);
}

TEST(Resistance, TowerLayouts)
{
    using T = TowerArrangement;
    const struct {
        T arrangement;
        double l1, l2, at, length;
    } cases[] = {
        {T::SteelTower, 12, 12, 1.76, 96}, {T::RadialPole, 12, 12, 2, 60},
        {T::RingPole, 12, 12, 1, 48},      {T::RingPole, 0, 12, 1, 96},
    };
    for (const auto& c : cases) {
        const TowerLayout t = towerLayout(c.arrangement, c.l1, c.l2);
        EXPECT_EQ(t.coefficient, c.at);
        EXPECT_EQ(t.length, c.length);
    }
}

TEST(Resistance, WrongResultsBlameAnInputInsteadOfShowingIt)
{
    struct Case {
        const char* what;
        Resistance r;
        EarthingField blamed;
    };
    using F = EarthingField;
    using T = TowerArrangement;
    const Case cases[] = {
        // Negative resistances.
        {"vertical rod with 8L/d below e", verticalResistance(100, 0.001, kBar), F::Length},
        {"horizontal electrode shorter than its section", horizontalResistance(100, 0.01, 1, kBar, -0.6), F::Length},
        {"grid perimeter shorter than a circle's", gridResistance(100, 5000, 1, 70, 1500, kBar), F::Perimeter},
        {"grid too small for its depth", gridResistance(100, 0.01, 1, 0.4, 0.01, kBar), F::Area},
        // Beyond a Double.
        {"vertical, huge length", verticalResistance(100, 1e307, kBar), F::Length},
        {"vertical, huge resistivity", verticalResistance(1e308, 2.5, kBar), F::Resistivity},
        {"vertical, vanishing diameter", verticalResistance(100, 2.5, 1e-320), F::Diameter},
        {"horizontal, length squared", horizontalResistance(100, 1e200, 1, kBar, 0), F::Length},
        {"horizontal, vanishing depth", horizontalResistance(100, 15, 1e-310, kBar, 0), F::Depth},
        {"horizontal, huge length without resistivity", horizontalResistance(0, 1e200, 1, kBar, 0), F::Length},
        {"grid, huge area", gridResistance(100, 1e308, 1, 300, 1500, kBar), F::Area},
        {"grid, huge resistivity", gridResistance(1e308, 5000, 1, 300, 1500, kBar), F::Resistivity},
        {"tower, huge L2", towerResistance(T::SteelTower, 100, 1, 12, 1e300, kBar), F::L2},
        {"tower, huge L1 on a ring", towerResistance(T::RingPole, 100, 1, 1e300, 12, kBar), F::L1},
        {"tower, vanishing depth", towerResistance(T::RadialPole, 100, 1e-320, 12, 12, kBar), F::Depth},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(c.r.fault) << c.what << " gave " << c.r.ohms;
        EXPECT_EQ(*c.r.fault, c.blamed) << c.what;
    }
}
