// Four-rod plan outlines in the rectangle's frame: the ground outline and each branch of the target-height outline.
#include "geometry/draw_arc.h"
#include "rods/four_rod_plan.h"
#include "rods/four_rod_values.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <utility>
#include <vector>

namespace {

using geometry::FrameArc;
using geometry::FramePoint;
using rods::FourRodSide;

constexpr double kTol = 0.0006; // worked values are given to three decimals
constexpr double kDegree = 180.0 / 3.14159265358979;

double shown(double v) { return std::round(v * 1000.0) / 1000.0; }

// The plan values as the typed panel leaves them: rx and r0 with the three decimals shown.
rods::FourRodPlanInput planOf(double h, double hx, double a, double b, double hr)
{
    const auto v = rods::FourRodValuesOf({a, b, std::min(h, hr), hx, hr});
    return {a, b, *v.longAxisReach, *v.shortAxisReach, shown(*v.targetHalfWidth), shown(v.groundHalfWidth),
            hx, *v.lowestHeight, hr};
}

// The pieces of one side's inner arc that an outline keeps, in drawing order.
std::vector<FrameArc> piecesOf(const rods::FourRodTargetOutline& o, const rods::FourRodPlanInput& in, FourRodSide side)
{
    const FramePoint c = rods::FourRodInnerArcs(in)[side].centre;
    std::vector<FrameArc> out;
    for (const FrameArc& arc : o.innerArcs)
        if (arc.centre.x == c.x && arc.centre.y == c.y)
            out.push_back(arc);
    return out;
}

// Where a side's inner arc was cut once between its two ends, in the order its two pieces use the
// cuts (south: left, right; east: lower, upper; north: right, left; west: upper, lower): the first
// piece starts at one, the second ends at the other. None when the arc stayed whole, was dropped or
// was cut otherwise.
std::optional<std::pair<FramePoint, FramePoint>> cutOf(const rods::FourRodTargetOutline& o,
                                                       const rods::FourRodPlanInput& in, FourRodSide side)
{
    const auto pieces = piecesOf(o, in, side);
    if (pieces.size() != 2)
        return std::nullopt;
    return std::pair{pieces[0].from, pieces[1].to};
}

void expectPoint(const FramePoint& p, double x, double y, double tol = kTol)
{
    EXPECT_NEAR(p.x, x, tol);
    EXPECT_NEAR(p.y, y, tol);
}

double directionDegrees(const FramePoint& centre, const FramePoint& p)
{
    return geometry::ArcEndDirection({centre.x, centre.y, 0}, {p.x, p.y, 0}) * kDegree;
}

TEST(FourRodPlan, GroundArcsCloseThroughTheAxisPoints)
{
    const auto arcs = rods::FourRodGroundArcs(planOf(21, 12, 50, 25, 30));
    ASSERT_EQ(arcs.size(), 4u);
    const double from[4] = {154.10, 209.12, 334.10, 29.12};
    const double to[4] = {330.88, 25.90, 150.88, 205.90};
    const FramePoint rods[4] = {{0, 0}, {50, 0}, {50, 25}, {0, 25}};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        expectPoint(arcs[i].centre, rods[i].x, rods[i].y);
        EXPECT_DOUBLE_EQ(arcs[i].radius, 28.618);
        EXPECT_NEAR(directionDegrees(arcs[i].centre, arcs[i].from), from[i], 0.01);
        EXPECT_NEAR(directionDegrees(arcs[i].centre, arcs[i].to), to[i], 0.01);
        expectPoint(arcs[i].to, arcs[(i + 1) % 4].from.x, arcs[(i + 1) % 4].from.y, 0); // one closed outline
    }
    expectPoint(arcs[0].from, -25.744, 12.5);
    expectPoint(arcs[0].to, 25, -13.928);
}

TEST(FourRodPlan, TargetOutlineWithoutHoleOrSplit)
{
    const auto o = rods::FourRodTargetOutlineOf(planOf(21, 1, 50, 25, 30));
    EXPECT_FALSE(o.holeRadius);
    EXPECT_NEAR(o.rxArcs[0].radius, 20.937, kTol);
    ASSERT_EQ(o.innerArcs.size(), 4u);
    EXPECT_TRUE(o.holeArcs.empty());
    const FramePoint centres[4] = {{25, -13.9285}, {75.744, 12.5}, {25, 38.9285}, {-25.744, 12.5}};
    for (int i = 0; i < 4; ++i) {
        expectPoint(o.innerArcs[i].centre, centres[i].x, centres[i].y);
        EXPECT_NEAR(o.innerArcs[i].radius, 7.681, 1e-9);
    }
    // Closed: every rx arc ends where an inner arc begins.
    expectPoint(o.rxArcs[0].to, o.innerArcs[0].to.x, o.innerArcs[0].to.y, 0);
    expectPoint(o.rxArcs[1].from, o.innerArcs[0].from.x, o.innerArcs[0].from.y, 0);
}

TEST(FourRodPlan, TargetOutlineSplitsWhereTheLongSideArcsOverlap)
{
    const auto in = planOf(30, 20, 40, 2, 30);
    const auto o = rods::FourRodTargetOutlineOf(in);
    EXPECT_FALSE(o.holeRadius);
    ASSERT_EQ(o.innerArcs.size(), 6u); // east and west whole, then four pieces
    EXPECT_TRUE(cutOf(o, in, FourRodSide::South) && cutOf(o, in, FourRodSide::North));
    expectPoint(o.innerArcs[0].centre, 69.9833, 1);
    expectPoint(o.innerArcs[1].centre, -29.9833, 1);
    const FramePoint left{4.0545, 1}, right{35.9455, 1};
    expectPoint(o.innerArcs[2].from, left.x, left.y);   // south, from the left crossing
    expectPoint(o.innerArcs[3].to, right.x, right.y);   // south, up to the right crossing
    expectPoint(o.innerArcs[4].from, right.x, right.y); // north
    expectPoint(o.innerArcs[5].to, left.x, left.y);
    EXPECT_NEAR(o.innerArcs[2].radius, 28.284, kTol);
}

// The hole branches: which inner arcs are cut, where, and what replaces the hole circle.
TEST(FourRodPlan, TargetOutlineCutAtTheHole)
{
    struct Case {
        const char* name;
        double h, hx, a, b;
        double holeRadius;
        bool cut[4];        // south, east, north, west
        size_t holeArcs;
        bool holeKept;
    };
    const Case cases[] = {
        {"defaults", 21, 12, 50, 25, 22.452, {true, false, true, false}, 2, false},
        {"square", 15, 8, 35, 35, 18.059, {true, true, true, true}, 4, false},
        {"narrow, own crossings outside the hole", 15, 5, 45, 5, 4.336, {true, false, true, false}, 0, false},
        {"narrow, own crossings inside the hole", 15, 3, 50, 5, 9.685, {true, false, true, false}, 2, false},
        // The hole lies inside both long-side circles, so none of it bounds the zone; those two arcs
        // cross each other and are cut where they do.
        {"hole inside both long-side circles", 23, 5, 55, 5, -1, {true, false, true, false}, 0, false},
        {"hole inside the outline", 21, 3, 40, 40, 10.770, {false, false, false, false}, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto in = planOf(c.h, c.hx, c.a, c.b, 30);
        const auto o = rods::FourRodTargetOutlineOf(in);
        ASSERT_TRUE(o.holeRadius);
        if (c.holeRadius > 0) {
            EXPECT_NEAR(*o.holeRadius, c.holeRadius, kTol);
        }
        size_t pieces = 0;
        for (int side = 0; side < 4; ++side) {
            EXPECT_EQ(cutOf(o, in, FourRodSide(side)).has_value(), c.cut[side]) << side;
            pieces += c.cut[side] ? 2 : 1;
        }
        EXPECT_EQ(o.innerArcs.size(), pieces);
        EXPECT_EQ(o.holeArcs.size(), c.holeArcs);
        EXPECT_EQ(o.holeCircleKept, c.holeKept);
    }
}

TEST(FourRodPlan, CutPointsOfTheWorkedHoles)
{
    const auto defaultsIn = planOf(21, 12, 50, 25, 30);
    const auto d = rods::FourRodTargetOutlineOf(defaultsIn);
    const auto dSouth = cutOf(d, defaultsIn, FourRodSide::South), dNorth = cutOf(d, defaultsIn, FourRodSide::North);
    ASSERT_TRUE(dSouth && dNorth);
    expectPoint(dSouth->first, 5.932, 0.646);   // K8
    expectPoint(dSouth->second, 44.068, 0.646); // K1
    expectPoint(dNorth->first, 44.068, 24.354); // K4
    expectPoint(dNorth->second, 5.932, 24.354); // K5
    // Whole east and west arcs first, then the south pieces A3 -> K1 and K8 -> A2 ...
    ASSERT_EQ(d.innerArcs.size(), 6u);
    expectPoint(d.innerArcs[2].from, 5.932, 0.646);
    expectPoint(d.innerArcs[2].to, 4.034, -2.248);
    expectPoint(d.innerArcs[3].from, 45.966, -2.248);
    // ... and the hole's east and west stretches, K1 -> K4 and K5 -> K8.
    ASSERT_EQ(d.holeArcs.size(), 2u);
    const FramePoint c{25, 12.5};
    EXPECT_NEAR(directionDegrees(c, d.holeArcs[0].from), 328.13, 0.01);
    EXPECT_NEAR(directionDegrees(c, d.holeArcs[0].to), 31.87, 0.01);
    EXPECT_NEAR(directionDegrees(c, d.holeArcs[1].from), 148.13, 0.01);
    EXPECT_NEAR(directionDegrees(c, d.holeArcs[1].to), 211.87, 0.01);

    const auto squareIn = planOf(15, 8, 35, 35, 30);
    const auto s = rods::FourRodTargetOutlineOf(squareIn);
    std::optional<std::pair<FramePoint, FramePoint>> sCut[4];
    for (int side = 0; side < 4; ++side) {
        sCut[side] = cutOf(s, squareIn, FourRodSide(side));
        ASSERT_TRUE(sCut[side]) << side;
    }
    const FramePoint k[8] = {{23.226, 0.373},  {34.627, 11.774}, {34.627, 23.226}, {23.226, 34.627},
                             {11.774, 34.627}, {0.373, 23.226},  {0.373, 11.774},  {11.774, 0.373}};
    expectPoint(sCut[FourRodSide::South]->second, k[0].x, k[0].y);
    expectPoint(sCut[FourRodSide::East]->first, k[1].x, k[1].y);
    expectPoint(sCut[FourRodSide::East]->second, k[2].x, k[2].y);
    expectPoint(sCut[FourRodSide::North]->first, k[3].x, k[3].y);
    expectPoint(sCut[FourRodSide::North]->second, k[4].x, k[4].y);
    expectPoint(sCut[FourRodSide::West]->first, k[5].x, k[5].y);
    expectPoint(sCut[FourRodSide::West]->second, k[6].x, k[6].y);
    expectPoint(sCut[FourRodSide::South]->first, k[7].x, k[7].y);
    for (int i = 0; i < 4; ++i) { // K1 -> K2, K3 -> K4, K5 -> K6, K7 -> K8
        expectPoint(s.holeArcs[i].from, k[2 * i].x, k[2 * i].y);
        expectPoint(s.holeArcs[i].to, k[(2 * i + 1) % 8].x, k[(2 * i + 1) % 8].y);
    }

    // The long-side arcs cut at their own crossings, which stand outside the hole: they meet there.
    const auto narrowIn = planOf(15, 5, 45, 5, 30);
    const auto n = rods::FourRodTargetOutlineOf(narrowIn);
    const auto nSouth = cutOf(n, narrowIn, FourRodSide::South), nNorth = cutOf(n, narrowIn, FourRodSide::North);
    ASSERT_TRUE(nSouth && nNorth);
    expectPoint(nSouth->first, 16.580, 2.5);
    expectPoint(nSouth->second, 28.420, 2.5);
    expectPoint(nNorth->second, 16.580, 2.5);
}

TEST(FourRodPlan, TargetOutlineAtTheEnds)
{
    // hx = 0: rx = r0, the inner arcs have no radius; no hole, no split; the rx arcs repeat the ground outline.
    const auto ground = rods::FourRodTargetOutlineOf(planOf(21, 0, 50, 25, 30));
    EXPECT_FALSE(ground.holeRadius);
    EXPECT_DOUBLE_EQ(ground.rxArcs[0].radius, 28.618);
    for (const auto& arc : ground.innerArcs)
        EXPECT_EQ(arc.radius, 0.0);

    EXPECT_FALSE(ground.nothingProtected);
}

// Where nothing is protected at hx, nothing is drawn: hx = h (rx reads 0.000, the hole runs through
// the rods), and a target height above Hr whose hole takes in the whole outline.
TEST(FourRodPlan, NothingProtectedAtTheTarget)
{
    struct Case {
        double h, hx, a, b, hr;
    };
    // The last two: hx = h0 + Hr, where each rx circle touches the hole from inside (rounded up, rx
    // reaches a quarter of a millimetre past it).
    for (const Case& c : {Case{21, 21, 50, 25, 30}, Case{9.16, 9.16, 11.07, 1.91, 60}, Case{40, 35, 30, 20, 30},
                          Case{40, 30, 30, 20, 30}, Case{80, 80, 80, 80, 60}, Case{40, 40, 40, 40, 30}}) {
        SCOPED_TRACE(testing::Message() << c.h << " " << c.hx << " " << c.a << " " << c.b);
        const auto o = rods::FourRodTargetOutlineOf(planOf(c.h, c.hx, c.a, c.b, c.hr));
        EXPECT_TRUE(o.nothingProtected);
        EXPECT_TRUE(o.rxArcs.empty());
        EXPECT_TRUE(o.innerArcs.empty());
        EXPECT_TRUE(o.holeArcs.empty());
        EXPECT_FALSE(o.holeCircleKept);
    }
}

// A target height above Hr (rods typed taller than Hr): the hole takes in the south and north arcs
// and cuts the east and west ones, and all that stays protected is a small loop by each rod. The hole
// circle keeps only its four short stretches there, each from the east or west arc's cut to the rod's
// rx circle; nothing of it runs past the long sides.
TEST(FourRodPlan, AboveHrOnlyTheLoopsByTheRodsRemain)
{
    const auto in = planOf(70, 45, 50, 25, 30);
    const auto o = rods::FourRodTargetOutlineOf(in);
    EXPECT_FALSE(o.nothingProtected);
    const auto east = cutOf(o, in, FourRodSide::East), west = cutOf(o, in, FourRodSide::West);
    ASSERT_TRUE(east && west);
    EXPECT_TRUE(piecesOf(o, in, FourRodSide::South).empty() && piecesOf(o, in, FourRodSide::North).empty());
    EXPECT_FALSE(o.holeCircleKept);
    EXPECT_EQ(o.rxArcs.size(), 4u);                                 // each cut where it enters the hole
    EXPECT_EQ(o.innerArcs.size(), 4u);                              // the ends of the east and west arcs
    expectPoint(west->first, -3.127, 22.094);                       // K6
    expectPoint(west->second, -3.127, 2.906);                       // K7
    expectPoint(east->first, 53.127, 2.906);                        // K2
    expectPoint(east->second, 53.127, 22.094);                      // K3
    ASSERT_EQ(o.holeArcs.size(), 4u);
    const FramePoint rods[4] = {{0, 0}, {50, 0}, {50, 25}, {0, 25}};
    for (const auto& arc : o.holeArcs) {
        // Both ends by one rod: on its rx circle or on the cut short-side arc next to it.
        int near = 0;
        for (const FramePoint& rod : rods)
            near += std::hypot(arc.from.x - rod.x, arc.from.y - rod.y) < 8
                    && std::hypot(arc.to.x - rod.x, arc.to.y - rod.y) < 8;
        EXPECT_EQ(near, 1) << arc.from.x << " " << arc.from.y;
    }
}

} // namespace
