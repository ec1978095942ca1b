// The picked two-wire panel through the real window: plans laid onto the picked wires on either side,
// sections unturned at their own pick, and wires too far apart drawn one by one.
#include "two_wire_expected.h"

#include "geometry/angles.h"
#include "geometry/plan_geometry.h"
#include "wires/two_wire_drawings.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace {

using namespace drawingtest;
using namespace twowiretest;

class TwoWirePicked : public DrawingWindow {
protected:
    TwoWirePicked() : DrawingWindow(16) {}

    void inputs(const char* h, const char* sag, const char* hx, int cls = 0)
    {
        typeBoxes("txtTwoStripPickedIn", {h, sag, hx});
        setClass(10, cls);
    }
    void choose(bool ground, bool target, bool section) { tickBoxes("chkTwoStripPickedIn", {ground, target, section}); }
    // The three picks: a wire of `metres` from p1 in direction theta, the other wire `spacing` metres to
    // its left (or right), at 1:500.
    void pickWires(const cad::Point& p1, double theta, double metres, double spacing, bool left)
    {
        const double ux = std::cos(theta), uy = std::sin(theta);
        const double side = left ? 2 * spacing : -2 * spacing;
        picks->point(p1);
        picks->point(p1[0] + 2 * metres * ux, p1[1] + 2 * metres * uy);
        picks->point(p1[0] + 10 * ux - side * uy, p1[1] + 10 * uy + side * ux);
    }
};

// An entity of a plan built about the origin, laid onto a wire from p1 in direction theta: turned by
// theta − pi/2 and, with the second wire on the left, mirrored in the wire (a mirrored arc runs back).
Expected laidOnWire(Expected e, const cad::Point& p1, double theta, bool left)
{
    const double a = theta - geometry::kHalfPi;
    const auto map = [&](double& x, double& y) {
        double rx = x * std::cos(a) - y * std::sin(a), ry = x * std::sin(a) + y * std::cos(a);
        if (left) {
            const double ux = std::cos(theta), uy = std::sin(theta), along = rx * ux + ry * uy;
            rx = 2 * along * ux - rx;
            ry = 2 * along * uy - ry;
        }
        x = p1[0] + rx;
        y = p1[1] + ry;
    };
    map(e.ax, e.ay);
    if (e.kind == EntityKind::Line) {
        map(e.bx, e.by);
        return e;
    }
    map(e.sx, e.sy);
    map(e.ex, e.ey);
    if (left) {
        std::swap(e.sx, e.ex);
        std::swap(e.sy, e.ey);
    }
    return e;
}

TEST_F(TwoWirePicked, PlansLieOnThePickedWiresSectionsStandUnturned)
{
    struct Row {
        const char* what;
        double theta;
        bool left;
    };
    const double down = 1.5 * 3.14159265358979;
    const Row rows[] = {
        {"along +x, second wire left", 0, true},
        {"along +x, second wire right", 0, false},
        {"at 30 degrees, left", 0.5235987755982988, true},
        {"at 200 degrees, right", 3.490658503988659, false},
        {"straight down, left", down, true},
    };
    const cad::Point p1{1000, 500, 0};
    const double qx = 3000, qy = 200;
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        startDrawing();
        inputs("45", "1", "12");
        choose(true, false, true);
        pickWires(p1, r.theta, 35, 12, r.left);
        picks->point(qx, qy);
        press("cmdTwoStripPicked", 0);
        EXPECT_EQ(text("txtTwoStripPickedOut", 2), QStringLiteral("43.394"));
        std::vector<Expected> expected;
        for (const Expected& e : groundPlan())
            expected.push_back(laidOnWire(e, p1, r.theta, r.left));
        // The sections at their own pick, unturned, as the typed panel draws them.
        for (Expected e : sections()) {
            e.ax += qx, e.ay += qy, e.bx += qx, e.by += qy, e.sx += qx, e.sy += qy, e.ex += qx, e.ey += qy;
            expected.push_back(e);
        }
        expectEntities(expected);
        EXPECT_TRUE(services::g_acadApp.isNothing());
        saveForLooking(r.what);
        endEngine();
    }
}

TEST_F(TwoWirePicked, TargetPlanAndEarlyEnds)
{
    // Each form of the target-height plan laid onto wires picked at an angle, then the normal end.
    for (const TargetForm& r : targetForms()) {
        SCOPED_TRACE(r.what);
        startDrawing();
        inputs(r.h, r.sag, r.hx);
        choose(false, true, false);
        pickWires({0, 0, 0}, 0.7, 35, std::atof(r.d), true);
        press("cmdTwoStripPicked", 0);
        expectTargetForm(entities(), r);
        EXPECT_EQ(tip(), tipOf(r.tip));
        EXPECT_TRUE(services::g_acadApp.isNothing());
        endEngine();
    }

    // Wires too close (h' 54, Hr 30: below 24 m): the measured spacing, no box marked, nothing drawn.
    startDrawing();
    inputs("54", "0", "12");
    choose(true, true, false);
    pickWires({0, 0, 0}, 0, 35, 20, false);
    press("cmdTwoStripPicked", 0);
    EXPECT_EQ(tip(), tipOf("20.000m 避雷线间距过小,将形成空间防雷盲点,从而降低保护范围最低点的高度!"));
    EXPECT_TRUE(entities().empty());
    endEngine();

    // A cancelled third pick: the message, nothing drawn, the references kept.
    startDrawing();
    inputs("45", "1", "12");
    picks->point(0, 0).point(70, 0).cancel();
    press("cmdTwoStripPicked", 0);
    EXPECT_EQ(tip(), tipOf("选点被取消。"));
    EXPECT_TRUE(entities().empty());
    EXPECT_FALSE(services::g_acadApp.isNothing());

    // An outline whose sides miss their circles (Hr 30, h' 50, D 50, hx = t = 10) is closed by the caps
    // about the wire ends, and the sections still follow: here the cross-section alone, as no sphere
    // rests between these wires.
    startDrawing();
    inputs("50", "0", "10");
    choose(false, true, true);
    pickWires({0, 0, 0}, 0.7, 35, 50, true);
    picks->point(3000, 200);
    press("cmdTwoStripPicked", 0);
    std::vector<cad::EntityData> outline, section;
    for (const auto& e : entities())
        (e.color == 6 ? outline : section).push_back(e);
    EXPECT_EQ(outline.size(), 8u);
    expectClosedDrawing(outline);
    EXPECT_EQ(section.size(), 7u);
    for (const auto& e : section)
        EXPECT_GT(e.kind == EntityKind::Line ? e.start[0] : e.center[0], 2800);
    endEngine();

    // A pick that fails other than by a cancel ends the click: the point of an earlier pick never stands
    // in for it. A failed wire pick draws nothing; a failed section pick leaves the plan alone.
    const std::int32_t failure = static_cast<std::int32_t>(0x80004005);
    const struct {
        const char* what;
        bool section;
        std::size_t drawn;
    } failed[] = {{"second wire pick failed", false, 0}, {"section pick failed", true, groundPlan().size()}};
    for (const auto& r : failed) {
        SCOPED_TRACE(r.what);
        startDrawing();
        inputs("45", "1", "12");
        choose(true, false, true);
        state().m_point2 = {500, 500, 0};
        state().m_pickedPoint = {3000, 200, 0};
        if (r.section) {
            pickWires({0, 0, 0}, 0, 35, 12, false);
            picks->fail(failure);
        } else {
            picks->point(0, 0).fail(failure).point(10, -24); // the side point is never asked for
        }
        press("cmdTwoStripPicked", 0);
        EXPECT_EQ(entities().size(), r.drawn);
        endEngine();
    }
}

TEST_F(TwoWirePicked, WhereTheEndCirclesMissTheSidesTheOutlinesLieOnThePickedWires)
{
    for (const CappedCase& r : cappedCases()) {
        if (std::atof(r.length) == 0)
            continue; // coincident wire ends give no direction to lay the outline along
        SCOPED_TRACE(r.what);
        startDrawing();
        inputs(r.h, "0", r.hx);
        choose(false, true, false);
        pickWires({500, 300, 0}, 0.7, std::atof(r.length), std::atof(r.d), true);
        press("cmdTwoStripPicked", 0);
        expectCappedOutline(entities(), r);
        EXPECT_EQ(tip(), tipOf(r.tip));
        saveForLooking(r.what);
        endEngine();
    }
}

TEST_F(TwoWirePicked, ATargetAtTheThresholdLaysTheJoinedOutlineOnThePickedWires)
{
    for (const ThresholdCase& r : thresholdCases()) {
        SCOPED_TRACE(r.what);
        startDrawing();
        inputs(r.h, r.sag, r.hx, r.cls);
        choose(false, true, false);
        pickWires({500, 300, 0}, 0.7, 35, std::atof(r.d), true);
        press("cmdTwoStripPicked", 0);
        expectThresholdOutline(entities(), r);
        EXPECT_EQ(tip(), QString());
        EXPECT_TRUE(services::g_acadApp.isNothing());
        saveForLooking((std::string("picked ") + r.what).c_str());
        endEngine();
    }
}

// A placing step the drawing refuses leaves nothing hidden behind: what could not be placed is erased,
// every other entity of the outline is placed.
TEST_F(TwoWirePicked, ARefusedPlacingStepLeavesNoHiddenEntity)
{
    struct Row {
        const char* member;
        bool left;
    };
    const Row rows[] = {{"Mirror", true}, {"Rotate", true}, {"Rotate", false}};
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.member << (r.left ? ", second wire left" : ", second wire right"));
        startDrawing();
        inputs("45", "1", "12");
        choose(true, false, false);
        pickWires({1000, 500, 0}, 0.5235987755982988, 35, 12, r.left);
        cad::faults().failNext(QString::fromUtf8(r.member), static_cast<std::int32_t>(0x80004005));
        press("cmdTwoStripPicked", 0);
        const auto drawn = entities();
        EXPECT_EQ(drawn.size(), groundPlan().size() - 1);
        for (const cad::EntityData& e : drawn)
            EXPECT_TRUE(e.visible);
        endEngine();
    }
}

// Coincident first-wire picks after a run that filled every box: the joint results go as they do when
// the wires are drawn one by one.
TEST_F(TwoWirePicked, CoincidentPicksEmptyTheJointResults)
{
    startDrawing();
    inputs("45", "1", "12");
    choose(true, true, false);
    pickWires({0, 0, 0}, 0, 35, 12, false);
    press("cmdTwoStripPicked", 0);
    ASSERT_EQ(text("txtTwoStripPickedOut", 2), QStringLiteral("43.394"));

    inputs("50", "1", "20");
    picks->point(100, 100).point(100, 100).point(300, 100);
    press("cmdTwoStripPicked", 0);
    EXPECT_EQ(tip(), tipOf("避雷线长度数值无效!"));
    EXPECT_EQ(boxTexts("txtTwoStripPickedOut"), texts({"-5.068", "23.216", "", "", ""}));
}

// A line the drawing refuses is not placed: the line drawn before it, still named by the last-line
// reference, is neither hidden, turned, mirrored nor erased in its stead.
TEST_F(TwoWirePicked, ARefusedLineLeavesTheLineBeforeItAlone)
{
    for (const bool left : {false, true}) {
        SCOPED_TRACE(left ? "second wire left" : "second wire right");
        startDrawing();
        services::g_modelSpace = doc.ModelSpace();
        services::FormState& st = state();
        st.m_point1 = {1000, 500, 0};
        st.m_point2 = {1060, 540, 0};
        st.m_point3 = left ? cad::Point{1000, 560, 0} : cad::Point{1060, 480, 0};
        st.m_angle = geometry::DirectionAngle(st.m_point1, st.m_point2);
        st.m_scale = 0.002;
        st.m_color = 6;
        services::g_lastLine = services::g_modelSpace.AddLine({10, 20, 0}, {30, 40, 0});
        const cad::EntityData before = entities().at(0);

        cad::faults().failNext(QStringLiteral("AddLine"), static_cast<std::int32_t>(0x80004005));
        automation::ErrObject err;
        geometry::drawFrameItems(st, wires::pickedPlanPlacement(st), {geometry::lineItem({-5, 0}, {-5, 35})}, err);

        const auto drawn = entities();
        ASSERT_EQ(drawn.size(), 1u);
        EXPECT_EQ(drawn[0].start, before.start);
        EXPECT_EQ(drawn[0].end, before.end);
        EXPECT_EQ(drawn[0].color, before.color);
        EXPECT_TRUE(drawn[0].visible);
        services::ReleaseAcadObjects();
        endEngine();
    }
}

TEST_F(TwoWirePicked, DistantWiresAreDrawnOneByOne)
{
    struct Row {
        const char* what;
        cad::Point p2, p3;  // the first wire runs from (1000, 500) to p2
        double dx, dy;      // where the second wire lies from the first, in drawing units
    };
    const Row rows[] = {
        {"second wire left", {1070, 500, 0}, {1010, 640, 0}, 0, 140},
        {"second wire right", {1070, 500, 0}, {1010, 360, 0}, 0, -140},
        // A wire pointing down and leaning a hair towards −x: the side still comes from the third point.
        {"straight down, second wire left", {1000 - 1e-6, 430, 0}, {1140, 490, 0}, 140, 0},
        {"straight down, second wire right", {1000 - 1e-6, 430, 0}, {860, 490, 0}, -140, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        startDrawing();
        inputs("45", "1", "12");
        choose(true, true, false);
        // 70 m apart with class 1: too far for one zone (2Hr = 60).
        picks->point(1000, 500).point(r.p2).point(r.p3);
        press("cmdTwoStripPicked", 0);

        EXPECT_EQ(tip(), tipOf("70.000m 避雷线间距过大,两线已独立计算!"));
        EXPECT_EQ(boxTexts("txtTwoStripPickedOut"), texts({"2.533", "26.533", "", "", ""}));
        EXPECT_FALSE(text("txtOneStripPickedOut", 0).isEmpty());
        EXPECT_FALSE(state().m_presetOneStrip);
        // The second wire's drawings are the first wire's, moved 70 m to the third point's side; the helper
        // lines are gone.
        const auto drawn = entities();
        ASSERT_FALSE(drawn.empty());
        ASSERT_EQ(drawn.size() % 2, 0u);
        const std::size_t half = drawn.size() / 2;
        for (std::size_t i = 0; i < half; ++i) {
            SCOPED_TRACE(i);
            const cad::EntityData &a = drawn[i], &b = drawn[half + i];
            EXPECT_EQ(a.kind, b.kind);
            EXPECT_TRUE(a.visible && b.visible);
            const cad::Point& pa = a.kind == EntityKind::Line ? a.start : a.center;
            const cad::Point& pb = b.kind == EntityKind::Line ? b.start : b.center;
            EXPECT_NEAR(pb[0], pa[0] + r.dx, 1e-5);
            EXPECT_NEAR(pb[1], pa[1] + r.dy, 1e-5);
        }
        saveForLooking(r.what);
        endEngine();
    }

    // Coincident picks for the first wire (a spacing of 70 m measured across x) leave it no direction:
    // refused, nothing drawn.
    startDrawing();
    inputs("45", "1", "12");
    picks->point(0, 0).point(0, 0).point(140, 0);
    press("cmdTwoStripPicked", 0);
    EXPECT_EQ(tip(), tipOf("避雷线长度数值无效!"));
    EXPECT_TRUE(entities().empty());
}

} // namespace
