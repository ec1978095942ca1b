// Three rods on a triangle without the window: centre height, the built triangle, and the union
// outline geometry (crossing choice, helper circles, the ground outline's arcs).
#include "rods/three_rod_ground_outline.h"
#include "rods/three_rod_triangle.h"
#include "rods/three_rod_zone.h"
#include "rods/union_outline_geometry.h"
#include "geometry/plan_geometry.h"
#include "services/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

using namespace rods;

constexpr double kScale = 0.002; // 1:500: one metre is two drawing units

TEST(ThreeRodZone, CentreHeightAndDistantRods)
{
    struct Row {
        double h, d, hr;
        const char* centre; // "" when the sphere cannot rest on the three tips
    };
    const Row rows[] = {
        {21, 35, 30, "13.174"},  // the typed panel's defaults
        {30, 35, 30, "22.174"},  // h typed 35, capped at Hr = 30
        {21, 35, 45, "16.208"},
        {21, 55, 30, ""},        // Hr² < D²/3
        {10, 40, 30, "-0.851"},  // negative, yet a value
        {0, 0.0001, 30, "-0.000"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.h << " " << r.d << " " << r.hr);
        const auto h0 = ThreeRodCentreHeight(r.h, r.d, r.hr);
        EXPECT_EQ(h0 ? services::FormatFixed3(*h0) : QString(), QString::fromUtf8(r.centre));
    }

    // The limit is 2·W(m), m = h in single precision: 2·√(21·39) = 57.236 for the defaults.
    const double limit = 2.0 * std::sqrt(21.0 * 39.0);
    EXPECT_FALSE(ThreeRodsApart(21, std::nextafter(limit, 0.0), 30));
    EXPECT_TRUE(ThreeRodsApart(21, limit, 30));
    EXPECT_TRUE(ThreeRodsApart(50, 60, 30)); // h above Hr counts as Hr: the limit is 2·Hr
    EXPECT_FALSE(ThreeRodsApart(50, 59.999, 30));
}

void expectNear(const cad::Point& got, double x, double y, double tol = 1e-4)
{
    EXPECT_NEAR(got[0], x, tol);
    EXPECT_NEAR(got[1], y, tol);
}

TEST(ThreeRodTriangle, BuildsTheApexOnTheSidePointsSideAndOrdersTheCorners)
{
    const double h = 40 * std::sqrt(0.75); // the height over a side of 40 drawing units
    struct Row {
        const char* what;
        cad::Point p1, p2, side;
        double x0, y0, x1, y1, x2, y2;
    };
    const Row rows[] = {
        {"left to right, apex above", {0, 0, 0}, {40, 0, 0}, {5, 9, 0}, 0, 0, 40, 0, 20, h},
        {"left to right, side point below", {0, 0, 0}, {40, 0, 0}, {5, -9, 0}, 0, 0, 20, -h, 40, 0},
        {"right to left, apex above", {40, 0, 0}, {0, 0, 0}, {5, 9, 0}, 0, 0, 40, 0, 20, h},
        // A line pointing almost straight down: the side point lies left of it (east), and so does the apex.
        {"almost straight down", {0, 0, 0}, {-1e-8, -40, 0}, {10, -20, 0}, -1e-8, -40, h, -20, 0, 0},
        // A vertical left side: the two corners with the smallest x are not swapped with each other.
        {"vertical left side", {0, 0, 0}, {0, 40, 0}, {10, 20, 0}, 0, 0, h, 20, 0, 40},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        const auto t = OrderedRodTriangle(r.p1, r.p2, r.side, kScale);
        ASSERT_TRUE(t.has_value());
        expectNear(t->rod0, r.x0, r.y0);
        expectNear(t->rod1, r.x1, r.y1);
        expectNear(t->rod2, r.x2, r.y2);
        EXPECT_NEAR(t->spacing, 20.0, 1e-9); // 40 drawing units at 1:500
        EXPECT_DOUBLE_EQ(t->angle, geometry::DirectionAngle(t->rod0, t->rod1));
    }

    // The apex takes the mean height of the two rods it is built on.
    const auto apex = TriangleApex({0, 0, 2}, {40, 0, 4}, {1, 1, 100}, kScale);
    ASSERT_TRUE(apex.has_value());
    EXPECT_DOUBLE_EQ((*apex)[2], 3.0);

    // A side point on the line through the rods, or two equal picks: no triangle.
    EXPECT_FALSE(OrderedRodTriangle({0, 0, 0}, {40, 0, 0}, {80, 0, 0}, kScale).has_value());
    EXPECT_FALSE(OrderedRodTriangle({3, 3, 0}, {3, 3, 0}, {9, 1, 0}, kScale).has_value());
}

TEST(ThreeRodTriangle, EndsForEveryInputWithACounterClockwiseEquilateralTriangle)
{
    std::mt19937 gen(7);
    std::uniform_real_distribution<double> coord(-5000.0, 5000.0);
    std::uniform_int_distribution<int> pick(0, 3);
    for (int i = 0; i < 2000; ++i) {
        cad::Point a{coord(gen), coord(gen), 0}, b{coord(gen), coord(gen), 0}, s{coord(gen), coord(gen), 0};
        // Vertical and level sides, where rounding of the rebuilt apex can undo a swap.
        if (pick(gen) == 0)
            b[0] = a[0];
        else if (pick(gen) == 0)
            b[1] = a[1];
        SCOPED_TRACE(testing::Message() << i);
        const auto t = OrderedRodTriangle(a, b, s, kScale);
        ASSERT_TRUE(t.has_value());
        EXPECT_EQ(geometry::SideOfLine(t->rod0, t->rod1, t->rod2), geometry::kLeft);
        const double side = std::hypot(t->rod1[0] - t->rod0[0], t->rod1[1] - t->rod0[1]);
        EXPECT_NEAR(std::hypot(t->rod2[0] - t->rod1[0], t->rod2[1] - t->rod1[1]), side, 1e-9 * (1 + side));
        EXPECT_NEAR(std::hypot(t->rod2[0] - t->rod0[0], t->rod2[1] - t->rod0[1]), side, 1e-9 * (1 + side));
        const double tie = 1e-9 * (1 + std::abs(t->rod0[0]));
        EXPECT_LE(t->rod0[0], t->rod1[0] + tie);
        EXPECT_LE(t->rod0[0], t->rod2[0] + tie);
    }
}

TEST(UnionOutlineGeometry, ChoosesACrossingByCoordinateWithTheTieRule)
{
    using C = CrossingChoice;
    const Crossings two{{1, 5, 0}, {3, 2, 0}};
    const Crossings tiedX{{4, 1, 0}, {4, 9, 0}};
    const Crossings one{{7, 7, 0}};
    struct Row {
        const Crossings* points;
        C choice;
        std::optional<double> x, y;
    };
    const Row rows[] = {
        {&two, C::SmallerX, 1, 5},  {&two, C::LargerX, 3, 2},  {&two, C::SmallerY, 3, 2},
        {&two, C::LargerY, 1, 5},   {&two, C::First, 1, 5},
        // A tie: the smaller is point 1, the larger point 2.
        {&tiedX, C::SmallerX, 4, 1}, {&tiedX, C::LargerX, 4, 9},
        // One point (touching circles) is enough only for the first.
        {&one, C::First, 7, 7}, {&one, C::SmallerX, {}, {}}, {&one, C::LargerY, {}, {}},
    };
    for (const Row& r : rows) {
        const auto p = chooseCrossing(*r.points, r.choice);
        ASSERT_EQ(p.has_value(), r.x.has_value());
        if (p)
            expectNear(*p, *r.x, *r.y, 0);
    }
    EXPECT_FALSE(chooseCrossing({}, C::First).has_value());
    EXPECT_EQ(crossingPoints({1, 2, 3, 4, 5, 6, 7}).size(), 2u);
}

TEST(UnionOutlineGeometry, HelperCirclesStandInTheWorkFrame)
{
    const WorkFrame frame{{100, 50, 0}, geometry::DirectionAngle({100, 50, 0}, {100, 90, 0})};
    const auto c = helperCircleAt(frame, {100, 90, 0}, 3);
    ASSERT_TRUE(c.has_value());
    expectNear(c->centre, 140, 50); // the first side turned onto +x (the truncated pi turns it by a hair less)
    expectNear(frame.toWorld(c->centre), 100, 90, 1e-9);
    EXPECT_FALSE(helperCircleAt(frame, {0, 0, 0}, 0.0001).has_value());
    EXPECT_TRUE(circleCrossings(c, std::nullopt).empty());
    EXPECT_FALSE(arcBetween(c, cad::Point{}, std::nullopt).has_value());
}

// The ground outline of a triangle placed at origin o and turned by `turn`, r0 in metres.
ThreeRodGroundArcs groundOf(double side, double r0, cad::Point o, double turn)
{
    const double k = 1000 * kScale;
    auto at = [&](double x, double y) {
        return cad::Point{o[0] + k * (x * std::cos(turn) - y * std::sin(turn)),
                          o[1] + k * (x * std::sin(turn) + y * std::cos(turn)), o[2]};
    };
    const std::array<cad::Point, 3> rods{at(0, 0), at(side, 0), at(side / 2, side * std::sqrt(3.0) / 2)};
    return ThreeRodGroundOutline({rods[0], geometry::DirectionAngle(rods[0], rods[1])}, rods, r0 * k);
}

TEST(ThreeRodGroundOutline, OuterArcsRunBetweenTheOuterCrossingsInnerArcsCloseTheBlindZone)
{
    const double k = 1000 * kScale;
    for (double turn : {0.0, 0.7, 2.5, 4.0}) {
        SCOPED_TRACE(turn);
        const cad::Point o{300, -120, 0};
        // Defaults: D 35, r0 28.618, the centre covered: three outer arcs, no inner arc.
        ThreeRodGroundArcs a = groundOf(35, 28.618, o, turn);
        EXPECT_FALSE(a.blindZone);
        const double b = std::sqrt(28.618 * 28.618 - 17.5 * 17.5) * k; // half the chord of each side
        ASSERT_TRUE(a.outer[0] && a.outer[1] && a.outer[2]);
        // Rod 0 from the outer crossing of side 2-0 to that of side 0-1, counter-clockwise round the outside.
        const double c30 = std::cos(M_PI / 6), s30 = std::sin(M_PI / 6);
        expectNear(a.outer[0]->centre, o[0], o[1]);
        expectNear(a.outer[0]->to, o[0] + 17.5 * k, o[1] - b);
        expectNear(a.outer[0]->from, o[0] + 17.5 * k / 2 - b * c30, o[1] + 17.5 * k * std::sqrt(3.0) / 2 + b * s30);
        expectNear(a.outer[1]->from, a.outer[0]->to[0], a.outer[0]->to[1]);
        expectNear(a.outer[2]->from, a.outer[1]->to[0], a.outer[1]->to[1]);
        expectNear(a.outer[0]->from, a.outer[2]->to[0], a.outer[2]->to[1]);
        for (const auto& inner : a.inner)
            EXPECT_FALSE(inner.has_value());
        EXPECT_DOUBLE_EQ(a.outer[1]->radius, 28.618 * k);

        // D 55: the centre lies outside the circles; the inner arcs meet at the inner crossings.
        a = groundOf(55, 28.618, o, turn);
        EXPECT_TRUE(a.blindZone);
        ASSERT_TRUE(a.inner[0] && a.inner[1] && a.inner[2]);
        expectNear(a.inner[0]->from, a.inner[1]->to[0], a.inner[1]->to[1]);
        expectNear(a.inner[1]->from, a.inner[2]->to[0], a.inner[2]->to[1]);
        expectNear(a.inner[2]->from, a.inner[0]->to[0], a.inner[0]->to[1]);
        const double bi = std::sqrt(28.618 * 28.618 - 27.5 * 27.5) * k;
        expectNear(a.inner[0]->from, o[0] + 27.5 * k, o[1] + bi); // side 0-1, towards the centre

        // h 10, D 40: r0 22.361 < D/√3 with a negative centre height: a blind zone as well.
        EXPECT_TRUE(groundOf(40, 22.361, o, turn).blindZone);
        // Circles that do not cross make no arc at all.
        a = groundOf(60, 28.618, o, turn);
        EXPECT_FALSE(a.blindZone);
        for (int r = 0; r < 3; ++r)
            EXPECT_FALSE(a.outer[r].has_value() || a.inner[r].has_value());
    }
}

} // namespace
