// The picked two-rod panel through the real window: worked values, plans turned onto the rods, section, ends.
#include "picked_rod_window.h"

#include "platform/automation/automation_error.h"

namespace {

using namespace rodtest;
using services::PairRunOutcome;

class TwoRodPicked : public PickedRodWindow {};

TEST_F(TwoRodPicked, ComputesTheWorkedValues)
{
    struct Row {
        const char *h, *hx;
        int cls;
        double dx;              // rod 2 to the right of rod 1, drawing units (k = 2 at 1:500)
        QStringList boxes;      // rx, r0, axis gap, h0, b0
        const char* tip;
        PairRunOutcome outcome;
    };
    const Row rows[] = {
        {"21", "12", 0, 70, texts({"4.618", "28.618", "7.953", "10.321", "22.644"}), "", PairRunOutcome::Drawn},
        {"21", "12", 1, 70, texts({"7.472", "38.066", "0.000", "15.297", "33.805"}), "", PairRunOutcome::Drawn},
        {"35", "12", 0, 70, texts({"6.000", "30.000", "0.000", "12.500", "24.367"}), "低避雷针超过30米部分无效!",
         PairRunOutcome::Drawn},
        {"21", "0", 0, 70, texts({"28.618", "28.618", "0.000", "10.321", "22.644"}), "", PairRunOutcome::Drawn},
        // The waist and the lowest height are shown before the gap test stops the run.
        {"50", "45", 0, 40, texts({"old", "old", "old", "20.000", "28.284"}), "避雷针高度选择不当!",
         PairRunOutcome::HeightUnsuitable},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.h << " " << r.hx << " class " << r.cls);
        startDrawing();
        inputs(r.h, r.hx, r.cls);
        choose(false, false, false);
        fillBoxes("txtTwoRodPickedOut", "old");
        picks->point(1000, 500).point(1000 + r.dx, 500);
        press("cmdTwoRodPicked", 0);
        EXPECT_EQ(picks->prompts(), texts({"选择第一支避雷针的位置: ", "选择第二支避雷针的位置: "}));
        ASSERT_EQ(picks->bases().size(), 2u);
        EXPECT_FALSE(picks->bases()[0].has_value());
        EXPECT_EQ(picks->bases()[1], (cad::Point{1000, 500, 0})); // rubber band from rod 1
        EXPECT_EQ(boxTexts("txtTwoRodPickedOut"), r.boxes);
        EXPECT_EQ(tip(), tipOf(r.tip));
        EXPECT_EQ(state().m_pairOutcome, r.outcome);
        if (r.outcome == PairRunOutcome::HeightUnsuitable) {
            QApplication::processEvents(); // the main window's activation arrives as an event
            expectMarked("txtTwoRodPickedIn", 0);
        }
        // Only the normal end lets the drawing go.
        EXPECT_EQ(services::g_acadApp.isNothing(), r.outcome == PairRunOutcome::Drawn);
        EXPECT_EQ(acad.ActiveDocument().GetVariable(QStringLiteral("OSMODE")).toInt(), 7);
        endEngine();
    }
}

TEST_F(TwoRodPicked, DrawsThePlansTurnedOntoTheRods)
{
    // Defaults, D = 35 m: split at hx; class 2: joined. Frame values in metres, as worked out by hand.
    const double r0 = 28.618176, rx = 4.618176, b0 = 22.643984, g1 = 9.547013, g2 = 25.452987;
    const double e1x = 2.824012, e1y = 3.654108, e2x = 32.175988;
    const double r0b = 38.065733, rxb = 7.471616, wb = 30.594117, b0b = 33.804585;
    const double e1xb = 3.434934, e1yb = 6.635229, e2xb = 31.565066;
    const FrameArcs split = {
        {1, 0, 0, r0, 17.5, b0, 17.5, -b0},
        {1, 35, 0, r0, 17.5, -b0, 17.5, b0},
        {6, 0, 0, rx, e1x, e1y, e1x, -e1y},
        {6, 17.5, b0, 24, e1x, e1y, g1, 0},
        {6, 17.5, -b0, 24, g1, 0, e1x, -e1y},
        {6, 35, 0, rx, e2x, -e1y, e2x, e1y},
        {6, 17.5, b0, 24, g2, 0, e2x, e1y},
        {6, 17.5, -b0, 24, e2x, -e1y, g2, 0},
    };
    const FrameArcs joined = {
        {1, 0, 0, r0b, 17.5, b0b, 17.5, -b0b},
        {1, 35, 0, r0b, 17.5, -b0b, 17.5, b0b},
        {6, 0, 0, rxb, e1xb, e1yb, e1xb, -e1yb},
        {6, 17.5, b0b, wb, e1xb, e1yb, e2xb, e1yb},
        {6, 17.5, -b0b, wb, e2xb, -e1yb, e1xb, -e1yb},
        {6, 35, 0, rxb, e2xb, -e1yb, e2xb, e1yb},
    };
    struct Row {
        const char* what;
        int cls;
        double angle;
        const FrameArcs& arcs;
    };
    const double pi = 3.14159265358979;
    for (const Row& r : {Row{"split along x", 0, 0.0, split}, Row{"split at 30 degrees", 0, pi / 6, split},
                         Row{"split straight up", 0, pi / 2, split}, Row{"joined at 30 degrees", 1, pi / 6, joined}}) {
        SCOPED_TRACE(r.what);
        startDrawing();
        inputs("21", "12", r.cls);
        const cad::Point rod1{1000, 500, 0};
        picks->point(rod1).point(rod1[0] + 70 * std::cos(r.angle), rod1[1] + 70 * std::sin(r.angle));
        press("cmdTwoRodPicked", 0);
        EXPECT_EQ(state().m_pairOutcome, PairRunOutcome::Drawn);
        EXPECT_NEAR(state().m_angle, r.angle, 1e-6);
        expectPlaced(entities(), r.arcs, rod1, r.angle, true);
        saveForLooking(r.what);
        endEngine();
    }
}

TEST_F(TwoRodPicked, DrawsTheSectionFlatAtItsOwnPoint)
{
    // Rod 2 straight below rod 1: the section still runs along x from the picked point, rod 1 left.
    startDrawing();
    inputs("21", "12", 0);
    choose(false, false, true);
    picks->point(1000, 500).point(1000, 430).point(3000, 200);
    press("cmdTwoRodPicked", 0);
    EXPECT_EQ(picks->prompts().last(), QString::fromUtf8("指定剖面图位置: "));
    expectEntities({line(1, 0, 0, 0, 42), line(1, 70, 0, 70, 42), arc(1, -57.236, 60, 60, -57.236, 0, 0, 42),
                    arc(1, 127.236, 60, 60, 70, 42, 127.236, 0), arc(1, 35, 60, 39.357, 0, 42, 70, 42),
                    line(7, -57.236, 0, 127.236, 0), line(7, -57.236, 24, 127.236, 24),
                    arc(1, 275.236, 60, 60, 227.236, 24, 275.236, 0), line(7, 227.236, 0, 275.236, 0)},
                   3000, 200);
    EXPECT_EQ(tip(), QString());
    EXPECT_TRUE(services::g_acadApp.isNothing());
}

TEST_F(TwoRodPicked, FallsBackToSingleRods)
{
    struct Row {
        double dx;
        const char* tip;
        int circles; // ground and target circle per rod drawn
    };
    for (const Row& r : {Row{120, "60.000m 避雷针间距过大,两针已独立计算!", 4}, Row{0, "避雷针重叠,已按单针计算!", 2}}) {
        SCOPED_TRACE(r.tip);
        startDrawing();
        inputs("21", "12", 0);
        fillBoxes("txtTwoRodPickedOut", "old");
        picks->point(1000, 500).point(1000 + r.dx, 500);
        press("cmdTwoRodPicked", 0);
        EXPECT_EQ(state().m_pairOutcome, PairRunOutcome::SingleRods);
        EXPECT_EQ(boxTexts("txtTwoRodPickedOut"), texts({"", "", "", "", ""}));
        EXPECT_EQ(tip(), tipOf(r.tip)); // shown again after the single-rod runs cleared it
        const auto drawn = entities();
        ASSERT_EQ(static_cast<int>(drawn.size()), r.circles);
        EXPECT_NEAR(drawn.back().center[0], 1000 + r.dx, 1e-9);
        EXPECT_NEAR(drawn.front().radius, 57.236, 0.001); // r0 of a 21 m rod, k = 2
        EXPECT_EQ(state().m_point1, (cad::Point{1000 + r.dx, 500, 0}));
        EXPECT_FALSE(state().m_presetTwoRod);
        endEngine();
    }
}

TEST_F(TwoRodPicked, EarlyEndsKeepWhatWasDrawnAndNothingMore)
{
    // Esc at the second rod: nothing computed, rod 1 kept, the drawing still held for the next command.
    startDrawing();
    inputs("21", "12", 0);
    fillBoxes("txtTwoRodPickedOut", "old");
    picks->point(1000, 500).cancel();
    press("cmdTwoRodPicked", 0);
    EXPECT_EQ(state().m_pairOutcome, PairRunOutcome::PickCancelled);
    EXPECT_EQ(tip(), tipOf("选点被取消。"));
    EXPECT_EQ(state().m_point1, (cad::Point{1000, 500, 0}));
    EXPECT_EQ(boxTexts("txtTwoRodPickedOut"), texts({"old", "old", "old", "old", "old"}));
    EXPECT_FALSE(services::g_acadApp.isNothing());

    // A pick that fails otherwise ends the command: no zone at a point left over from an earlier pick.
    picks->clear();
    state().m_pickedPoint = {5000, 5000, 0};
    picks->point(1000, 500).fail(automation::errors::InvalidProcedureCall);
    press("cmdTwoRodPicked", 0);
    EXPECT_EQ(state().m_pairOutcome, PairRunOutcome::PickFailed);
    EXPECT_TRUE(entities().empty());

    // Esc at the section: the plans stay, shown.
    picks->clear();
    choose(true, true, true);
    picks->point(1000, 500).point(1070, 500).cancel();
    press("cmdTwoRodPicked", 0);
    EXPECT_EQ(state().m_pairOutcome, PairRunOutcome::PickCancelled);
    EXPECT_EQ(tip(), tipOf("选点被取消。"));
    EXPECT_EQ(entities().size(), 8u);
    for (const auto& e : entities())
        EXPECT_TRUE(e.visible);

    // Plan arcs that cannot be turned: the ground block ends the run, the target block is not drawn.
    cad::faults().failAlways(QStringLiteral("Rotate"), automation::errors::InvalidProcedureCall);
    picks->clear();
    picks->point(2000, 500).point(2070, 500);
    press("cmdTwoRodPicked", 0);
    cad::faults().reset();
    EXPECT_EQ(state().m_pairOutcome, PairRunOutcome::AutomationFailed);
    EXPECT_EQ(entities().size(), 10u);
    EXPECT_FALSE(state().m_presetThreeRod || state().m_presetFourRod[0] || state().m_presetFourRod[1]);
}

} // namespace
