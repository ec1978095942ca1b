// DrawArc: its direction rule, the arcs it draws and refuses, and its reactions to engine failures.
#include "services/acad_test_support.h"

#include "geometry/angles.h"
#include "geometry/draw_arc.h"
#include "platform/automation/automation_error.h"

#include <cmath>

using namespace geometry;
using services::g_lastEntity;
using services::g_modelSpace;
using services::kNoEntity;
namespace errors = automation::errors;

namespace {

cad::Point P(double x, double y, double z = 0) { return {x, y, z}; }

TEST(ArcEndDirection, EveryCaseOfItsTable)
{
    const double t = std::atan(1.0);
    struct Case {
        cad::Point p;
        double expected;
    } cases[] = {
        {P(0, 5), kHalfPi},
        {P(0, -5), kThreeHalfPi},
        {P(0, 0), kThreeHalfPi},          // on the centre
        {P(3, 3), t},
        {P(3, 0), kTwoPi},                // level right is 2pi, never 0
        {P(3, -3), kTwoPi - t},
        {P(-3, 3), kPi - t},
        {P(-3, 0), kPi},
        {P(-3, -3), kPi + t},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.p[0] << "," << c.p[1]);
        EXPECT_DOUBLE_EQ(ArcEndDirection(P(0, 0), c.p), c.expected);
        EXPECT_DOUBLE_EQ(ArcEndDirection(P(10, -20, 4), P(c.p[0] + 10, c.p[1] - 20, 99)), c.expected);
    }
}

class DrawArcTest : public acadtest::EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        startWithDrawing();
        state.m_color = 1;
    }
    services::FormState state;
};

TEST_F(DrawArcTest, DrawsHiddenInTheCurrentColourFromDirectionToDirection)
{
    struct Case {
        const char* what;
        cad::Point centre;
        double radius;
        cad::Point from, to;
        double start, end;   // the angles handed to the engine (as it stores them, in [0, 2pi))
    } cases[] = {
        {"quarter from level right", P(0, 0), 10, P(10, 0), P(0, 10), kTwoPi, kHalfPi},
        {"three quarters", P(0, 0), 10, P(0, 10), P(10, 0), kHalfPi, kTwoPi},
        {"from the centre itself", P(0, 0), 10, P(0, 0), P(10, 10), kThreeHalfPi, std::atan(1.0)},
        {"distances do not count", P(5, 5), 2, P(105, 5), P(5, 6), kTwoPi, kHalfPi},
        {"nearly a full turn", P(0, 0), 10, P(10, 10 * std::tan(0.00005)), P(10, 0), 0.00005, kTwoPi},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const services::EntityHandle handle = DrawArc(state, c.centre, c.radius, c.from, c.to);
        ASSERT_NE(handle, kNoEntity);
        cad::Entity arc = services::g_acadApp.ActiveDocument().HandleToObject(handle);
        EXPECT_TRUE(arc == g_lastEntity);
        EXPECT_EQ(arc.ObjectName(), QStringLiteral("AcDbArc"));
        EXPECT_FALSE(arc.Visible());
        EXPECT_EQ(arc.Color(), 1);
        EXPECT_EQ(arc.Center(), c.centre);
        EXPECT_DOUBLE_EQ(arc.Radius(), c.radius);
        // The engine keeps angles in [0, 2pi); the program's 2pi lies just below the true one.
        EXPECT_NEAR(arc.StartAngle(), c.start, 1e-12);
        EXPECT_NEAR(arc.EndAngle(), c.end, 1e-12);
    }
}

TEST_F(DrawArcTest, TheCentresHeightGoesWithItAndTheEndsHeightsDoNot)
{
    const auto handle = DrawArc(state, P(0, 0, 7), 10, P(10, 0, -50), P(0, 10, 300));
    ASSERT_NE(handle, kNoEntity);
    EXPECT_EQ(g_lastEntity.Center(), P(0, 0, 7));
    EXPECT_NEAR(g_lastEntity.StartAngle(), kTwoPi, 1e-12);
}

// Refused without a call to the engine, or refused by it: "-1", nothing drawn, the earlier arc untouched.
TEST_F(DrawArcTest, RefusalsLeaveTheEarlierArcAlone)
{
    const auto first = DrawArc(state, P(0, 0), 10, P(10, 0), P(0, 10));
    ASSERT_NE(first, kNoEntity);
    const cad::Entity earlier = g_lastEntity;
    struct Case {
        const char* what;
        double radius;
        cad::Point from, to;
    } cases[] = {
        {"radius below 0.0001", 0.00009, P(1, 0), P(0, 1)},
        {"negative radius below 0.0001", -0.00009, P(1, 0), P(0, 1)},
        {"same direction", 10, P(1, 1), P(5, 5)},
        {"directions closer than 0.0001", 10, P(1, 0.00004), P(1, 0.00012)},
        {"a negative radius the engine refuses", -5, P(1, 0), P(0, 1)},
    };
    state.m_color = 6;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(DrawArc(state, P(0, 0), c.radius, c.from, c.to), kNoEntity);
        EXPECT_EQ(g_modelSpace.Count(), 1);
        EXPECT_TRUE(g_lastEntity == earlier);
        EXPECT_EQ(earlier.Color(), 1);
        EXPECT_FALSE(earlier.Visible());
    }
}

// A short piece that closes an outline is drawn however short, across the direction 0 too; only one
// direction for both ends still draws nothing.
TEST_F(DrawArcTest, ShortArcsDrawnWhenAsked)
{
    struct Case {
        const char* what;
        cad::Point from, to;
        double start, end;
    } cases[] = {
        {"directions 0.00008 apart", P(1, 0.00004), P(1, 0.00012), 0.00004, 0.00012},
        {"across the direction 0", P(1, -0.00001), P(1, 0.00002), kTwoPi - 0.00001, 0.00002},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto handle = DrawArc(state, P(0, 0), 10, c.from, c.to, geometry::ShortArcs::Drawn);
        ASSERT_NE(handle, kNoEntity);
        EXPECT_NEAR(g_lastEntity.StartAngle(), c.start, 1e-9);
        EXPECT_NEAR(g_lastEntity.EndAngle(), c.end, 1e-9);
    }
    const int count = g_modelSpace.Count();
    EXPECT_EQ(DrawArc(state, P(0, 0), 10, P(1, 1), P(5, 5), geometry::ShortArcs::Drawn), kNoEntity);
    EXPECT_EQ(g_modelSpace.Count(), count);
}

TEST_F(DrawArcTest, ColourZeroBeforeAnyPanelSetOne)
{
    state.m_color = 0;
    ASSERT_NE(DrawArc(state, P(0, 0), 10, P(10, 0), P(0, 10)), kNoEntity);
    EXPECT_EQ(g_lastEntity.Color(), 0);
}

// Failures while the new arc is finished: only 0x80200080 as the last failure means "not drawn".
TEST_F(DrawArcTest, UnderInjectedFaults)
{
    struct Fault {
        const char* member;
        std::int32_t number;
    };
    struct Case {
        const char* what;
        std::vector<Fault> faults;
        bool handleReturned;
        bool arcAdded;
    } cases[] = {
        {"AddArc refused", {{"AddArc", errors::InvalidInput}}, false, false},
        {"arc not drawn at its colour", {{"Color", errors::ArcNotDrawn}}, false, true},
        {"arc not drawn at its update", {{"Update", errors::ArcNotDrawn}}, false, true},
        {"another failure at the colour", {{"Color", errors::InvalidInput}}, true, true},
        {"not drawn, then another failure last", {{"Visible", errors::ArcNotDrawn}, {"Update", errors::InvalidInput}}, true, true},
        {"another failure, then not drawn last", {{"Visible", errors::InvalidInput}, {"Update", errors::ArcNotDrawn}}, false, true},
        {"handle unreadable", {{"Handle", errors::InvalidInput}}, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        services::ReleaseAcadObjects();
        startWithDrawing();
        const auto earlier = DrawArc(state, P(0, 0), 10, P(10, 0), P(0, 10));
        ASSERT_NE(earlier, kNoEntity);
        const cad::Entity earlierArc = g_lastEntity;
        for (const Fault& f : c.faults)
            cad::faults().failNext(QString::fromLatin1(f.member), f.number);
        automation::ErrObject pending;
        pending.record(automation::AutomationError(errors::InvalidInput));

        const auto handle = DrawArc(state, P(0, 0), 5, P(5, 0), P(-5, 0));

        cad::faults().reset();
        EXPECT_EQ(handle != kNoEntity, c.handleReturned);
        EXPECT_EQ(g_modelSpace.Count(), c.arcAdded ? 2 : 1);
        EXPECT_EQ(g_lastEntity == earlierArc, !c.arcAdded) << "g_lastEntity is the new arc once it was added";
        const bool hidingFailed = !c.faults.empty() && QLatin1String(c.faults.front().member) == QLatin1String("Visible");
        if (c.arcAdded && !hidingFailed) {
            EXPECT_FALSE(g_lastEntity.Visible()) << "a new arc stays hidden";
        }
        EXPECT_FALSE(pending.failed()) << "nothing is left pending, the caller's failure included";
    }
}

TEST_F(DrawArcTest, WithoutAModelSpaceNothingIsDrawn)
{
    g_modelSpace = cad::ModelSpace();
    EXPECT_EQ(DrawArc(state, P(0, 0), 10, P(10, 0), P(0, 10)), kNoEntity);
    EXPECT_TRUE(g_lastEntity.isNothing());
}

} // namespace
