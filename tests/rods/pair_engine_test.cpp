// The pair engine under small three- and four-rod drivers: hidden arcs in place, filing order, early ends.
#include "picked_rod_window.h"

#include "platform/automation/automation_error.h"
#include "rods/pair_engine.h"

namespace {

using namespace rodtest;
using rods::PairPreset;
using services::PairRunOutcome;

class PairEngine : public PickedRodWindow {
protected:
    // The three-rod driver's pair calls, stopping at the first early end as a driver must.
    PairRunOutcome runTriangle(const cad::Point& p0, const cad::Point& p1, const cad::Point& p2)
    {
        rods::beginPairDriverRun(state());
        const struct {
            cad::Point a, b;
            const char* code;
        } pairs[] = {{p0, p1, "01"}, {p0, p2, "02"}, {p1, p2, "12"}};
        for (const auto& p : pairs) {
            const auto outcome = rods::runPresetPair(*window, PairPreset::ThreeRod, p.a, p.b, QString::fromUtf8(p.code));
            if (rods::pairRunEndedEarly(outcome)) {
                rods::abandonPairDriverRun(state());
                return outcome;
            }
        }
        return PairRunOutcome::Drawn;
    }

    // Centre and radius (drawing units) of the arc a handle names; the arc is hidden.
    void expectFiledArc(const services::HandleList& list, int i, const cad::Point& centre, double radius)
    {
        SCOPED_TRACE(testing::Message() << "entry " << i);
        const cad::EntityData e = filed(list.at(i));
        EXPECT_FALSE(e.visible);
        EXPECT_NEAR(e.center[0], centre[0], 0.0015);
        EXPECT_NEAR(e.center[1], centre[1], 0.0015);
        EXPECT_NEAR(e.radius, radius, 0.0015);
    }

    bool anyHidden()
    {
        for (const auto& e : entities())
            if (!e.visible)
                return true;
        return false;
    }
};

TEST_F(PairEngine, ThreeRodPairsFileHiddenArcsPerRod)
{
    // An equilateral triangle of side 35 m, counter-clockwise; defaults: every pair split at hx.
    startDrawing();
    inputs("21", "12", 0);
    const cad::Point p0{1000, 500, 0}, p1{1070, 500, 0}, p2{1035, 500 + 70 * std::sqrt(0.75), 0};
    EXPECT_EQ(runTriangle(p0, p1, p2), PairRunOutcome::Drawn);
    EXPECT_TRUE(picks->prompts().isEmpty()); // nothing asked
    EXPECT_FALSE(state().m_presetThreeRod);
    EXPECT_FALSE(services::g_acadApp.isNothing()); // kept for the union outlines
    const auto drawn = entities();
    EXPECT_EQ(drawn.size(), 24u);
    EXPECT_FALSE(std::any_of(drawn.begin(), drawn.end(), [](const auto& e) { return e.visible; }));

    const cad::Point rods[3] = {p0, p1, p2};
    for (int r = 0; r < 3; ++r) {
        SCOPED_TRACE(testing::Message() << "rod " << r);
        const auto ri = static_cast<std::size_t>(r);
        ASSERT_EQ(state().m_rodGroundHandles[ri].count(), 2);
        ASSERT_EQ(state().m_rodTargetHandles[ri].count(), 2);
        ASSERT_EQ(state().m_rodWaistHandles[ri].count(), 4);
        for (int i = 0; i < 2; ++i) {
            expectFiledArc(state().m_rodGroundHandles[ri], i, rods[r], 57.236);
            expectFiledArc(state().m_rodTargetHandles[ri], i, rods[r], 9.236);
        }
    }
    // Rod 1's waist arcs: pair "01" (its second rod: W3 about E, W4 about C), then "12" (first rod: W1, W2).
    // E lies left of each pair's direction at b0 = 22.644 m from the side's middle.
    auto waistCentre = [](const cad::Point& a, const cad::Point& b, double side) {
        const double len = std::hypot(b[0] - a[0], b[1] - a[1]);
        const double nx = -(b[1] - a[1]) / len, ny = (b[0] - a[0]) / len;
        return cad::Point{(a[0] + b[0]) / 2 + side * 45.288 * nx, (a[1] + b[1]) / 2 + side * 45.288 * ny, 0};
    };
    const auto& w1 = state().m_rodWaistHandles[1];
    expectFiledArc(w1, 0, waistCentre(p0, p1, 1), 48);
    expectFiledArc(w1, 1, waistCentre(p0, p1, -1), 48);
    expectFiledArc(w1, 2, waistCentre(p1, p2, 1), 48);
    expectFiledArc(w1, 3, waistCentre(p1, p2, -1), 48);
    // The last pair's values stay for the driver.
    EXPECT_NEAR(state().m_spacing, 35, 1e-9);
    EXPECT_EQ(state().m_pairId, QStringLiteral("12"));
    EXPECT_EQ(state().m_pairOutcome, PairRunOutcome::Drawn);
}

TEST_F(PairEngine, JoinedPairsFileTheJoiningArcsOncePerRod)
{
    startDrawing();
    inputs("21", "12", 1); // Hr 45: joined at hx
    choose(false, true, false);
    rods::beginPairDriverRun(state());
    EXPECT_EQ(rods::runPresetPair(*window, PairPreset::ThreeRod, {0, 0, 0}, {70, 0, 0}, QStringLiteral("01")),
              PairRunOutcome::Drawn);
    EXPECT_EQ(entities().size(), 6u);
    const auto& a = state().m_rodWaistHandles[0];
    const auto& b = state().m_rodWaistHandles[1];
    ASSERT_EQ(a.count(), 2);
    ASSERT_EQ(b.count(), 2);
    EXPECT_NE(a.at(0), b.at(0)); // two identical arcs, one for each rod
    EXPECT_EQ(filed(a.at(0)).center, filed(b.at(0)).center);
    EXPECT_EQ(state().m_rodGroundHandles[0].count(), 0); // the ground box was not ticked

    // At hx 0 the joining arcs have radius 0: nothing is drawn, and "-1" keeps each of their four places.
    inputs("21", "0", 1);
    rods::beginPairDriverRun(state());
    EXPECT_EQ(rods::runPresetPair(*window, PairPreset::FourRodSecondGroup, {0, 0, 0}, {70, 0, 0}), PairRunOutcome::Drawn);
    const auto& t = state().m_quadTargetHandles[1];
    for (int i : {1, 2, 4, 5})
        EXPECT_EQ(t.at(i), services::kNoEntity) << i;
    EXPECT_NEAR(filed(t.at(3)).radius, 76.132, 0.0015); // rx = r0 at the ground
    EXPECT_EQ(state().m_quadTargetCount, 6);
    EXPECT_FALSE(state().m_presetFourRod[1]);
}

TEST_F(PairEngine, FourRodGroupFillsItsSlotsInPairOrder)
{
    // A rectangle 50 m by 25 m; group 0 runs the short sides (p1, p3) and (p2, p4), one section each.
    startDrawing();
    inputs("21", "12", 0);
    choose(true, true, true);
    const cad::Point p1{0, 0, 0}, p2{100, 0, 0}, p3{0, 50, 0}, p4{100, 50, 0};
    rods::beginPairDriverRun(state());
    picks->point(500, -500).point(1000, -500);
    EXPECT_EQ(rods::runPresetPair(*window, PairPreset::FourRodFirstGroup, p1, p3), PairRunOutcome::Drawn);
    EXPECT_EQ(state().m_quadGroundCount, 2);
    EXPECT_EQ(state().m_quadTargetCount, 6);
    EXPECT_EQ(rods::runPresetPair(*window, PairPreset::FourRodFirstGroup, p2, p4), PairRunOutcome::Drawn);
    EXPECT_EQ(picks->prompts(), texts({"指定剖面图位置: ", "指定剖面图位置: "}));
    EXPECT_EQ(state().m_quadGroundCount, 0);
    EXPECT_EQ(state().m_quadTargetCount, 0);
    EXPECT_FALSE(state().m_presetFourRod[0]);

    const auto& g = state().m_quadGroundHandles[0];
    const cad::Point order[4] = {p1, p3, p2, p4};
    for (int i = 0; i < 4; ++i) {
        const cad::EntityData e = filed(g.at(i));
        EXPECT_FALSE(e.visible);
        EXPECT_NEAR(e.center[0], order[i][0], 0.0015); // turned by the program's own pi
        EXPECT_NEAR(e.center[1], order[i][1], 0.0015);
    }
    // Target slots: T1, W1, W2, T2, W3, W4 of each pair; the rx arcs sit on the rods.
    const auto& t = state().m_quadTargetHandles[0];
    EXPECT_NEAR(filed(t.at(3)).center[1], 50, 0.0015);
    EXPECT_NEAR(filed(t.at(6)).center[0], 100, 0.0015);
    EXPECT_NEAR(filed(t.at(4)).radius, 48, 0.0015);
    EXPECT_EQ(state().m_quadGroundHandles[1].at(0), QString()); // the other group is left alone
    // Each section is shown at once: 9 visible entities per pair.
    int visible = 0;
    for (const auto& e : entities())
        visible += e.visible ? 1 : 0;
    EXPECT_EQ(visible, 18);
}

TEST_F(PairEngine, AnEarlyEndLeavesNothingHidden)
{
    // h 50, hx 45, Hr 30: a side of 40 m has a waist at hx, one of 20 m does not; pair "02" stops the driver.
    startDrawing();
    inputs("50", "45", 0);
    EXPECT_EQ(runTriangle({0, 0, 0}, {80, 0, 0}, {0, 40, 0}), PairRunOutcome::HeightUnsuitable);
    EXPECT_FALSE(anyHidden());
    EXPECT_EQ(tip(), tipOf("避雷针高度选择不当!"));
    EXPECT_EQ(state().m_rodGroundHandles[0].count(), 0);
    EXPECT_FALSE(state().m_presetThreeRod);

    // A drawing step failing inside a plan block of the second pair.
    inputs("21", "12", 0);
    rods::beginPairDriverRun(state());
    EXPECT_EQ(rods::runPresetPair(*window, PairPreset::FourRodFirstGroup, {0, 0, 0}, {0, 50, 0}), PairRunOutcome::Drawn);
    cad::faults().failAlways(QStringLiteral("Rotate"), automation::errors::InvalidProcedureCall);
    const auto outcome = rods::runPresetPair(*window, PairPreset::FourRodFirstGroup, {100, 0, 0}, {100, 50, 0});
    cad::faults().reset();
    EXPECT_EQ(outcome, PairRunOutcome::AutomationFailed);
    EXPECT_TRUE(anyHidden());
    rods::abandonPairDriverRun(state());
    EXPECT_FALSE(anyHidden());
    EXPECT_EQ(state().m_quadGroundCount, 0);
    EXPECT_FALSE(state().m_presetFourRod[0]);

    // A section pick cancelled in a pair call: the sections before it stay, the hidden arcs go.
    choose(true, true, true);
    picks->point(500, -500).cancel();
    EXPECT_EQ(runTriangle({0, 0, 0}, {70, 0, 0}, {35, 60, 0}), PairRunOutcome::PickCancelled);
    EXPECT_FALSE(anyHidden());
    EXPECT_EQ(tip(), tipOf("选点被取消。"));
}

TEST_F(PairEngine, DistantPairDrawsVisibleSingleRodsAndFilesNothing)
{
    startDrawing();
    inputs("21", "12", 0);
    rods::beginPairDriverRun(state());
    EXPECT_EQ(rods::runPresetPair(*window, PairPreset::ThreeRod, {0, 0, 0}, {200, 0, 0}, QStringLiteral("02")),
              PairRunOutcome::SingleRods);
    EXPECT_FALSE(rods::pairRunEndedEarly(PairRunOutcome::SingleRods));
    const auto drawn = entities();
    ASSERT_EQ(drawn.size(), 4u); // a ground and a target circle per rod
    for (const auto& e : drawn) {
        EXPECT_EQ(e.kind, cad::EntityKind::Circle);
        EXPECT_TRUE(e.visible);
    }
    EXPECT_EQ(state().m_rodGroundHandles[0].count() + state().m_rodGroundHandles[2].count(), 0);
    EXPECT_EQ(tip(), tipOf("100.000m 避雷针间距过大,两针已独立计算!"));
    EXPECT_FALSE(services::g_acadApp.isNothing()); // held again for the driver's outlines
    EXPECT_FALSE(state().m_presetThreeRod || state().m_presetTwoRod);
}

} // namespace
