// JoinArcs on arcs arranged in the drawing engine: each branch of trimming and extension, and the refusals.
#include "services/acad_test_support.h"

#include "geometry/arc_join.h"
#include "geometry/entity_edit.h"
#include "platform/automation/automation_error.h"

#include <cmath>

using namespace geometry;
using services::EntityHandle;
using services::g_acadApp;
using services::g_modelSpace;

namespace {

cad::Point P(double x, double y, double z = 0) { return {x, y, z}; }
double rad(double degrees) { return degrees * M_PI / 180.0; }

// Circles about (0, 0) and (6, 0), both of radius 5: they cross at (3, 4) and (3, -4).
// Seen from the first centre the crossings lie at +-53.13 degrees, from the second at 126.87 and 233.13.
const cad::Point kC1 = P(0, 0);
const cad::Point kC2 = P(6, 0);
const double kUpper1 = std::atan2(4.0, 3.0), kLower1 = -kUpper1;
const double kUpper2 = std::atan2(4.0, -3.0), kLower2 = std::atan2(-4.0, -3.0);

class JoinArcsTest : public acadtest::EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        startWithDrawing();
        state.m_color = 6;
    }
    EntityHandle arc(const cad::Point& centre, double radius, double start, double end)
    {
        cad::Entity e = g_modelSpace.AddArc(centre, radius, start, end);
        e.setVisible(false);
        return e.Handle();
    }
    cad::Entity entity(const EntityHandle& h) { return g_acadApp.ActiveDocument().HandleToObject(h); }

    // The arc named by handle runs on the circle (centre, 5) from `start` to `end` (radians), shown, in colour 6.
    void expectArc(const EntityHandle& handle, const cad::Point& centre, double start, double end)
    {
        ASSERT_TRUE(HandleExists(handle)) << handle.toStdString();
        const cad::Entity e = entity(handle);
        EXPECT_EQ(e.Center(), centre);
        EXPECT_DOUBLE_EQ(e.Radius(), 5);
        EXPECT_NEAR(std::remainder(e.StartAngle() - start, 2 * M_PI), 0, 1e-6);
        EXPECT_NEAR(std::remainder(e.EndAngle() - end, 2 * M_PI), 0, 1e-6);
        EXPECT_TRUE(e.Visible());
        EXPECT_EQ(e.Color(), 6);
    }

    services::FormState state;
};

TEST_F(JoinArcsTest, OneCrossingTrimsTheEndsOutsideTheOtherCircle)
{
    // Arc 1 starts outside circle 2 and ends inside; arc 2 starts inside circle 1 and ends outside.
    EntityHandle h1 = arc(kC1, 5, rad(270), rad(0));
    EntityHandle h2 = arc(kC2, 5, rad(200), rad(260));
    const EntityHandle old1 = h1, old2 = h2;

    EXPECT_TRUE(JoinArcs(state, h1, h2, true));

    EXPECT_NE(h1, old1);
    EXPECT_NE(h2, old2);
    EXPECT_FALSE(HandleExists(old1));
    EXPECT_FALSE(HandleExists(old2));
    expectArc(h1, kC1, kLower1, 0);        // from the crossing to its own end
    expectArc(h2, kC2, rad(200), kLower2); // from its own start to the crossing
    EXPECT_EQ(g_modelSpace.Count(), 2);
    EXPECT_EQ(services::g_lastHandle, h2);
}

TEST_F(JoinArcsTest, BothEndsOutsideLeaveTwoPiecesAndTheHandleNamesTheSecond)
{
    EntityHandle h1 = arc(kC1, 5, rad(270), rad(90));   // through both crossings of circle 2
    EntityHandle h2 = arc(kC2, 5, rad(200), rad(260));  // through the lower one only
    const EntityHandle old1 = h1;

    EXPECT_TRUE(JoinArcs(state, h1, h2, true));

    EXPECT_FALSE(HandleExists(old1));
    expectArc(h1, kC1, rad(270), kLower1);   // the second piece: from its start to the crossing
    expectArc(h2, kC2, rad(200), kLower2);
    EXPECT_EQ(g_modelSpace.Count(), 3) << "the first piece (crossing to end) stays, shown";
    bool firstPieceFound = false;
    for (int i = 0; i < g_modelSpace.Count(); ++i) {
        const cad::Entity e = g_modelSpace.Item(i);
        if (e.Handle() != h1 && e.Handle() != h2) {
            firstPieceFound = true;
            EXPECT_TRUE(e.Visible());
            EXPECT_NEAR(std::remainder(e.StartAngle() - kLower1, 2 * M_PI), 0, 1e-6);
            EXPECT_NEAR(std::remainder(e.EndAngle() - rad(90), 2 * M_PI), 0, 1e-6);
        }
    }
    EXPECT_TRUE(firstPieceFound);
}

TEST_F(JoinArcsTest, AnArcWithBothEndsInsideStaysAsItIs)
{
    EntityHandle h1 = arc(kC1, 5, rad(30), rad(330));   // the long way round, both ends inside circle 2
    EntityHandle h2 = arc(kC2, 5, rad(200), rad(260));
    const EntityHandle old1 = h1, old2 = h2;

    EXPECT_TRUE(JoinArcs(state, h1, h2, true));

    EXPECT_EQ(h1, old1);
    EXPECT_FALSE(entity(h1).Visible()) << "untouched";
    EXPECT_NE(h2, old2);
    expectArc(h2, kC2, rad(200), kLower2);
}

// Arcs that stop short of each other are drawn on to the crossing of their circles nearer their facing ends.
TEST_F(JoinArcsTest, NoCrossingExtendsBothToTheNearerCircleCrossing)
{
    struct Case {
        const char* what;
        cad::Point c1;
        double s1, e1;
        cad::Point c2;
        double s2, e2;
        double newS1, newE1, newS2, newE2;
    } cases[] = {
        // End of arc 1 faces the start of arc 2: arc 1 ends at M, arc 2 starts at M.
        {"end of 1 to start of 2", kC1, rad(270), rad(300), kC2, rad(240), rad(270),
         rad(270), kLower1, kLower2, rad(270)},
        // Start of arc 1 faces the end of arc 2: arc 1 starts at M, arc 2 ends at M.
        {"start of 1 to end of 2", kC2, rad(240), rad(270), kC1, rad(270), rad(300),
         kLower2, rad(270), rad(270), kLower1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EntityHandle h1 = arc(c.c1, 5, c.s1, c.e1);
        EntityHandle h2 = arc(c.c2, 5, c.s2, c.e2);
        const EntityHandle old1 = h1, old2 = h2;

        EXPECT_FALSE(JoinArcs(state, h1, h2, true)) << "an extension is not a single crossing";

        EXPECT_FALSE(HandleExists(old1));
        EXPECT_FALSE(HandleExists(old2));
        expectArc(h1, c.c1, c.newS1, c.newE1);
        expectArc(h2, c.c2, c.newS2, c.newE2);
        g_modelSpace.Item(0).Erase();
        g_modelSpace.Item(0).Erase();
    }
}

TEST_F(JoinArcsTest, TouchingCirclesMeetAtTheirOnePoint)
{
    EntityHandle h1 = arc(P(0, 0), 5, rad(30), rad(90));
    EntityHandle h2 = arc(P(10, 0), 5, rad(90), rad(150));

    EXPECT_FALSE(JoinArcs(state, h1, h2, true));

    expectArc(h1, P(0, 0), 0, rad(90));
    expectArc(h2, P(10, 0), rad(90), rad(180));
}

TEST_F(JoinArcsTest, NothingChangesWhenTheyCannotBeJoined)
{
    struct Case {
        const char* what;
        std::function<EntityHandle()> first, second;
    } cases[] = {
        {"two crossings", [&] { return arc(kC1, 5, rad(270), rad(90)); }, [&] { return arc(kC2, 5, rad(90), rad(270)); }},
        {"circles apart", [&] { return arc(kC1, 5, rad(0), rad(90)); }, [&] { return arc(P(20, 0), 5, rad(90), rad(180)); }},
        {"a line", [&] { return g_modelSpace.AddLine(P(0, 0), P(10, 0)).Handle(); }, [&] { return arc(kC2, 5, rad(90), rad(270)); }},
        {"a circle", [&] { return arc(kC1, 5, rad(270), rad(90)); }, [&] { return g_modelSpace.AddCircle(kC2, 5).Handle(); }},
        {"no entity", [&] { return services::kNoEntity; }, [&] { return arc(kC2, 5, rad(90), rad(270)); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EntityHandle h1 = c.first(), h2 = c.second();
        const EntityHandle old1 = h1, old2 = h2;
        const int count = g_modelSpace.Count();

        EXPECT_FALSE(JoinArcs(state, h1, h2, true));

        EXPECT_EQ(h1, old1);
        EXPECT_EQ(h2, old2);
        EXPECT_EQ(g_modelSpace.Count(), count);
    }
    services::ReleaseAcadObjects();
    EntityHandle a = services::kNoEntity, b = services::kNoEntity;
    EXPECT_FALSE(JoinArcs(state, a, b, true)) << "no connection";
}

TEST_F(JoinArcsTest, AReplacementThatIsRefusedKeepsItsArcAndTheOthersStillRun)
{
    EntityHandle h1 = arc(kC1, 5, rad(270), rad(0));
    EntityHandle h2 = arc(kC2, 5, rad(200), rad(260));
    const EntityHandle old1 = h1;
    cad::faults().failNext(QStringLiteral("AddArc"), automation::errors::InvalidInput);

    EXPECT_TRUE(JoinArcs(state, h1, h2, true));

    EXPECT_EQ(h1, old1);
    EXPECT_TRUE(HandleExists(old1));
    expectArc(h2, kC2, rad(200), kLower2);
}

} // namespace
