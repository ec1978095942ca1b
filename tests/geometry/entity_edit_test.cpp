// HandleExists and ExtendEntity on entities of the drawing engine.
#include "services/acad_test_support.h"

#include "geometry/draw_arc.h"
#include "geometry/entity_edit.h"

using namespace geometry;
using services::g_acadApp;
using services::g_modelSpace;
using services::kNoEntity;

namespace {

cad::Point P(double x, double y, double z = 0) { return {x, y, z}; }

class EntityEditTest : public acadtest::EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        startWithDrawing();
    }
};

TEST_F(EntityEditTest, HandleExists)
{
    services::FormState state;
    const auto drawn = DrawArc(state, P(0, 0), 10, P(10, 0), P(0, 10));
    cad::Entity erased = g_modelSpace.AddLine(P(0, 0), P(1, 1));
    const QString erasedHandle = erased.Handle();
    erased.Erase();

    EXPECT_TRUE(HandleExists(drawn));
    EXPECT_FALSE(HandleExists(kNoEntity));
    EXPECT_FALSE(HandleExists(erasedHandle));
    EXPECT_FALSE(HandleExists(QStringLiteral("not a handle")));

    automation::ErrObject pending;
    pending.record(automation::AutomationError(automation::errors::InvalidInput));
    services::ReleaseAcadObjects();
    EXPECT_FALSE(HandleExists(drawn)) << "no connection";
    EXPECT_FALSE(pending.failed());
}

TEST_F(EntityEditTest, ExtendsArcsOutwardAtTheChosenEnds)
{
    struct Case {
        double start, end;
        short mode;
        double newStart, newEnd;
    } cases[] = {
        {0.5, 2.0, 2, 0.4999, 2.0001},
        {6.0, 0.5, 2, 5.9999, 0.5001},   // through the direction 0: longer too
        {0.5, 2.0, 0, 0.4999, 2.0},
        {0.5, 2.0, 1, 0.5, 2.0001},
        {0.5, 2.0, 3, 0.5, 2.0},         // an unknown mode moves nothing
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.start << " " << c.end << " mode " << c.mode);
        cad::Entity arc = g_modelSpace.AddArc(P(0, 0), 10, c.start, c.end);
        EXPECT_TRUE(ExtendEntity(arc.Handle(), c.mode, 0.0001));
        EXPECT_NEAR(arc.StartAngle(), c.newStart, 1e-12);
        EXPECT_NEAR(arc.EndAngle(), c.newEnd, 1e-12);
    }
}

TEST_F(EntityEditTest, ExtendsLinesOnEachAxisWhereTheEndsDiffer)
{
    struct Case {
        cad::Point start, end;
        short mode;
        cad::Point newStart, newEnd;
    } cases[] = {
        {P(0, 0), P(10, 5), 2, P(-0.0001, -0.0001), P(10.0001, 5.0001)},
        {P(0, 0), P(0, 10), 2, P(0, -0.0001), P(0, 10.0001)},
        {P(10, 5, 3), P(0, 0, 1), 2, P(10.0001, 5.0001, 3), P(-0.0001, -0.0001, 1)},   // z never moves
        {P(0, 0), P(10, 5), 0, P(-0.0001, -0.0001), P(10, 5)},
        {P(0, 0), P(10, 5), 1, P(0, 0), P(10.0001, 5.0001)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.end[0] << "," << c.end[1] << " mode " << c.mode);
        cad::Entity line = g_modelSpace.AddLine(c.start, c.end);
        EXPECT_TRUE(ExtendEntity(line.Handle(), c.mode, 0.0001));
        for (int i = 0; i < 3; ++i) {
            EXPECT_NEAR(line.StartPoint()[i], c.newStart[i], 1e-12) << i;
            EXPECT_NEAR(line.EndPoint()[i], c.newEnd[i], 1e-12) << i;
        }
    }
}

TEST_F(EntityEditTest, OtherEntitiesAndMissingHandlesAreLeftAlone)
{
    cad::Entity circle = g_modelSpace.AddCircle(P(0, 0), 5);
    EXPECT_FALSE(ExtendEntity(circle.Handle(), 2, 0.0001));
    EXPECT_DOUBLE_EQ(circle.Radius(), 5);
    EXPECT_FALSE(ExtendEntity(kNoEntity, 2, 0.0001));
    const QString handle = circle.Handle();
    services::ReleaseAcadObjects();
    EXPECT_FALSE(ExtendEntity(handle, 2, 0.0001));
}

// Failures on the way still count as extended; what could not be read is not written back.
TEST_F(EntityEditTest, FailuresWhileReadingOrWriting)
{
    cad::Entity arc = g_modelSpace.AddArc(P(0, 0), 10, 0.5, 2.0);
    cad::faults().failNext(QStringLiteral("StartAngle"), automation::errors::InvalidInput);
    EXPECT_TRUE(ExtendEntity(arc.Handle(), 2, 0.0001));
    EXPECT_NEAR(arc.StartAngle(), 0.5, 1e-12);
    EXPECT_NEAR(arc.EndAngle(), 2.0, 1e-12);

    cad::Entity line = g_modelSpace.AddLine(P(100, 100), P(110, 100));
    cad::faults().failNext(QStringLiteral("EndPoint"), automation::errors::InvalidInput);
    EXPECT_TRUE(ExtendEntity(line.Handle(), 2, 0.0001));
    EXPECT_EQ(line.StartPoint(), P(100, 100));
    EXPECT_EQ(line.EndPoint(), P(110, 100));
    cad::faults().reset();
}

} // namespace
