// Plan outlines and section views of the rod zones in their local frames, against worked values.
#include "rods/pair_plan.h"
#include "rods/sections.h"
#include "rods/two_rod_zone.h"

#include <gtest/gtest.h>

namespace {

constexpr double kTol = 0.0006; // worked values are given to three decimals

rods::PairPlanInput planOf(const rods::TwoRodZone& z, double d)
{
    return {d, z.lowOffset1, z.lowOffset2, z.waistHalfWidth, z.axisGap,
            z.rod1.rx, z.rod2.rx, z.rod1.r0, z.rod2.r0};
}

void expectPoint(const rods::FramePoint& p, double x, double y)
{
    EXPECT_NEAR(p.x, x, kTol);
    EXPECT_NEAR(p.y, y, kTol);
}

TEST(PairPlan, GroundArcsMeetAtTheWaist)
{
    const auto in = planOf(rods::TwoRodZoneOf(21, 24, 12, 35, 30), 35);
    const auto arcs = rods::PairGroundArcs(in);
    ASSERT_EQ(arcs.size(), 2u);
    expectPoint(arcs[0].centre, 0, 0);
    EXPECT_NEAR(arcs[0].radius, 28.618, kTol);
    expectPoint(arcs[0].from, 16.857, 23.127);
    expectPoint(arcs[0].to, 16.857, -23.127);
    expectPoint(arcs[1].centre, 35, 0);
    EXPECT_NEAR(arcs[1].radius, 29.394, kTol);
    expectPoint(arcs[1].from, 16.857, -23.127);
}

TEST(PairPlan, TargetOutlineSplitsOrJoins)
{
    // Hr 30: the waist (23.127) is narrower than W(12) = 24, so the zone at hx falls in two.
    const auto split = planOf(rods::TwoRodZoneOf(21, 24, 12, 35, 30), 35);
    EXPECT_TRUE(rods::PairTargetSplit(split));
    const auto s = rods::PairTargetArcs(split);
    ASSERT_EQ(s.size(), 6u);
    expectPoint(s[2].to, 10.441, 0);   // T3 ends at G1
    expectPoint(s[3].from, 23.273, 0); // T4 starts at G2
    expectPoint(s[2].centre, 16.857, 23.127);
    expectPoint(s[4].centre, 16.857, -23.127);
    EXPECT_NEAR(s[2].radius, 24.0, kTol);

    // Hr 45: b0 34.735 is at least w 30.594: one piece, the two waist arcs cross the axis.
    const auto joined = planOf(rods::TwoRodZoneOf(21, 24, 12, 35, 45), 35);
    EXPECT_FALSE(rods::PairTargetSplit(joined));
    const auto j = rods::PairTargetArcs(joined);
    ASSERT_EQ(j.size(), 4u);
    EXPECT_NEAR(j[2].radius, 30.594, kTol);
    EXPECT_NEAR(j[3].radius, j[2].radius, 1e-12); // both waist arcs take w1
}

TEST(Sections, OneRodTallerThanTheSphere)
{
    const auto items = rods::OneRodSection(40, 12, 30, 30);
    ASSERT_EQ(items.size(), 5u);
    expectPoint(items[0].line.to, 0, 40);
    expectPoint(items[1].arc.centre, 30, 30);
    expectPoint(items[1].arc.from, 0, 30);
    expectPoint(items[2].arc.centre, -30, 30);
    expectPoint(items[3].line.from, -30, 0);
    expectPoint(items[4].line.to, 30, 12);
    EXPECT_TRUE(items[4].line.groundOrTarget);
}

TEST(Sections, TwoRodDefaults)
{
    const auto z = rods::TwoRodZoneOf(21, 24, 12, 35, 30);
    const auto items = rods::TwoRodSection({21, 24, 35, 12, 30, z.lowOffset1, z.rod1.r0, z.rod2.r0});
    ASSERT_EQ(items.size(), 9u);
    expectPoint(items[1].line.to, 35, 24);
    expectPoint(items[2].arc.centre, -28.618, 30);
    expectPoint(items[3].arc.centre, 64.394, 30);
    expectPoint(items[4].arc.centre, 16.857, 30);
    EXPECT_NEAR(items[4].arc.radius, 19.109, kTol);
    expectPoint(items[6].line.from, -28.618, 12);
    expectPoint(items[7].arc.centre, 138.394, 30);
    expectPoint(items[7].arc.from, 114.394, 12);
    expectPoint(items[8].line.to, 138.394, 0);
}

} // namespace
