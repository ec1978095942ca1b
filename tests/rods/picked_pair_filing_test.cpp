// The picked pair's arcs in drawing order, and where each arc's handle is filed for the union outlines.
#include "rods/pair_filing.h"
#include "rods/picked_pair_plan.h"
#include "rods/two_rod_zone.h"

#include "platform/automation/automation_error.h"

#include <gtest/gtest.h>

namespace {

using rods::PairArcKind;
using rods::PairSide;

rods::PairPlanInput planOf(double h, double hx, double d, double hr)
{
    const rods::TwoRodZone z = rods::TwoRodZoneOf(h, h, hx, d, hr);
    return {d, z.lowOffset1, z.lowOffset2, z.waistHalfWidth, z.axisGap, z.rod1.rx, z.rod1.rx, z.rod1.r0, z.rod1.r0};
}

struct Shape {
    PairArcKind kind;
    PairSide side;
    double cx, cy, radius;
};

void expectArcs(const std::vector<rods::PickedPairArc>& got, const std::vector<Shape>& want)
{
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "arc " << i);
        EXPECT_EQ(got[i].kind, want[i].kind);
        EXPECT_EQ(got[i].side, want[i].side);
        EXPECT_NEAR(got[i].arc.centre.x, want[i].cx, 0.0005);
        EXPECT_NEAR(got[i].arc.centre.y, want[i].cy, 0.0005);
        EXPECT_NEAR(got[i].arc.radius, want[i].radius, 0.0005);
    }
}

TEST(PickedPairPlan, TargetArcsGroupedByRod)
{
    const auto F = PairSide::First;
    const auto S = PairSide::Second;
    const auto Rx = PairArcKind::Rx;
    const auto Wa = PairArcKind::Waist;

    // Hr 30: b0 22.644 < w 24, split; the waist arcs of each rod end on the axis at G1 and G2.
    const auto split = planOf(21, 12, 35, 30);
    const auto s = rods::PickedPairTargetArcs(split, false);
    expectArcs(s, {{Rx, F, 0, 0, 4.618}, {Wa, F, 17.5, 22.644, 24}, {Wa, F, 17.5, -22.644, 24},
                   {Rx, S, 35, 0, 4.618}, {Wa, S, 17.5, 22.644, 24}, {Wa, S, 17.5, -22.644, 24}});
    EXPECT_NEAR(s[1].arc.to.x, 9.547, 0.0005);   // T3 ends at G1
    EXPECT_NEAR(s[2].arc.from.x, 9.547, 0.0005); // T5 starts there
    EXPECT_NEAR(s[4].arc.from.x, 25.453, 0.0005);
    EXPECT_EQ(rods::PickedPairTargetArcs(split, true).size(), 6u); // split arcs are never doubled

    // Hr 45: joined; shown once, filed once per rod.
    const auto joined = planOf(21, 12, 35, 45);
    expectArcs(rods::PickedPairTargetArcs(joined, false),
               {{Rx, F, 0, 0, 7.472}, {Wa, F, 17.5, 33.805, 30.594}, {Wa, F, 17.5, -33.805, 30.594},
                {Rx, S, 35, 0, 7.472}});
    expectArcs(rods::PickedPairTargetArcs(joined, true),
               {{Rx, F, 0, 0, 7.472}, {Wa, F, 17.5, 33.805, 30.594}, {Wa, F, 17.5, -33.805, 30.594},
                {Rx, S, 35, 0, 7.472}, {Wa, S, 17.5, 33.805, 30.594}, {Wa, S, 17.5, -33.805, 30.594}});

    const auto g = rods::PickedPairGroundArcs(split);
    expectArcs(g, {{PairArcKind::Ground, F, 0, 0, 28.618}, {PairArcKind::Ground, S, 35, 0, 28.618}});
}

TEST(PairFiling, ThreeRodListsByPairCode)
{
    services::FormState st;
    st.m_presetThreeRod = true;
    st.m_pairId = QStringLiteral("12");
    rods::filePairArc(st, PairArcKind::Ground, PairSide::First, QStringLiteral("A1"));
    rods::filePairArc(st, PairArcKind::Rx, PairSide::First, QStringLiteral("A2"));
    rods::filePairArc(st, PairArcKind::Waist, PairSide::First, services::kNoEntity);
    rods::filePairArc(st, PairArcKind::Ground, PairSide::Second, QStringLiteral("B1"));
    rods::filePairArc(st, PairArcKind::Waist, PairSide::Second, QStringLiteral("B3"));
    EXPECT_EQ(st.m_rodGroundHandles[0].count(), 0);
    EXPECT_EQ(st.m_rodGroundHandles[1].at(0), QStringLiteral("A1"));
    EXPECT_EQ(st.m_rodTargetHandles[1].at(0), QStringLiteral("A2"));
    EXPECT_EQ(st.m_rodWaistHandles[1].at(0), services::kNoEntity); // a missing arc keeps its place
    EXPECT_EQ(st.m_rodGroundHandles[2].at(0), QStringLiteral("B1"));
    EXPECT_EQ(st.m_rodWaistHandles[2].at(0), QStringLiteral("B3"));

    // A code naming no rod files nothing; the four-rod slots are untouched by three-rod runs.
    st.m_pairId = QStringLiteral("3x");
    rods::filePairArc(st, PairArcKind::Ground, PairSide::First, QStringLiteral("C"));
    EXPECT_EQ(st.m_rodGroundHandles[1].count(), 1);
    EXPECT_EQ(st.m_quadGroundCount, 0);
}

TEST(PairFiling, FourRodSlotsShareTheirCountersAndWrap)
{
    services::FormState st;
    st.m_presetFourRod[1] = true;
    for (const char* h : {"G1", "G2", "G3", "G4"})
        rods::filePairArc(st, PairArcKind::Ground, PairSide::First, QString::fromUtf8(h));
    EXPECT_EQ(st.m_quadGroundHandles[1].at(3), QStringLiteral("G4"));
    EXPECT_EQ(st.m_quadGroundHandles[0].at(0), QString()); // group 0 untouched
    rods::wrapQuadGroundCount(st);
    EXPECT_EQ(st.m_quadGroundCount, 0);

    // A counter that is not back at 0 is left alone; past the last slot nothing is written.
    st.m_quadTargetCount = 12;
    EXPECT_THROW(rods::filePairArc(st, PairArcKind::Rx, PairSide::First, QStringLiteral("T")),
                 automation::AutomationError);
    EXPECT_EQ(st.m_quadTargetCount, 13);
    rods::wrapQuadTargetCount(st);
    EXPECT_EQ(st.m_quadTargetCount, 13);
}

} // namespace
