// Frame placement: lengths at the typed and the fixed scale, the turn and the mirror into place, what
// cannot be placed, and the hidden-and-filed arcs.
#include "services/acad_test_support.h"

#include "geometry/frame_drawing.h"
#include "platform/cad/faults.h"
#include "services/form_state.h"
#include "services/handle_lists.h"

#include <cmath>
#include <vector>

using namespace geometry;
using services::g_lastEntity;
using services::g_modelSpace;
using services::kNoEntity;

namespace {

constexpr double kThirty = 3.14159265358979323846 / 6;

void expectNear(const cad::Point& a, const cad::Point& b)
{
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(a[i], b[i], 1e-9) << "coordinate " << i;
}

TEST(Placement, LengthsAtTheTypedScaleAndAtTheFixedFactor)
{
    QString scale = QStringLiteral("1:500");
    const Placement typed({10, 20, 3}, [&] { return scale; });
    const Placement fixed({10, 20, 3}, 0.001);
    EXPECT_DOUBLE_EQ(typed.length(35), 70);
    EXPECT_DOUBLE_EQ(fixed.length(35), 35);
    expectNear(typed.point({1, -2}), {12, 16, 3});
    scale = QStringLiteral("1:1000"); // the typed scale is read again for every length
    EXPECT_DOUBLE_EQ(typed.length(35), 35);
    expectNear(fixed.placedPoint({1, -2}), {11, 18, 3});
}

TEST(Placement, AFramePointTurnedThirtyDegreesAboutItsBase)
{
    const cad::Point base{100, 50, 7};
    for (const double factor : {0.002, 0.0005}) {
        SCOPED_TRACE(factor);
        const Placement at = Placement(base, factor).turnedAbout(base, kThirty);
        const double k = 1000 * factor;
        // Laid down along the x axis first, then turned: (10, 0) m ends 10k away at 30°.
        expectNear(at.point({10, 0}), {100 + 10 * k, 50, 7});
        expectNear(at.placedPoint({10, 0}), {100 + 10 * k * std::cos(kThirty), 50 + 10 * k * std::sin(kThirty), 7});
        expectNear(at.placedPoint({0, 4}), {100 - 4 * k * std::sin(kThirty), 50 + 4 * k * std::cos(kThirty), 7});
        EXPECT_DOUBLE_EQ(at.length(10), 10 * k);
    }
}

TEST(Placement, WorkFrameTakesPointAngleAndFactorFromTheFormState)
{
    services::FormState st;
    st.m_point1 = {5, 5, 0};
    st.m_scale = 0.002;
    st.m_angle = kThirty;
    expectNear(Placement::workFrame(st).placedPoint({1, 0}), {5 + 2 * std::cos(kThirty), 5 + 2 * std::sin(kThirty), 0});
}

TEST(Placement, AMirroredPointIsTurnedFirstThenMirroredInTheLine)
{
    const cad::Point base{0, 0, 0};
    const Placement at = Placement(base, 0.001).turnedAbout(base, kThirty).mirroredIn(base, {10, 0, 0});
    // (1, 0) m turns to 30°, then the mirror in the x axis takes it to −30°.
    expectNear(at.placedPoint({1, 0}), {std::cos(kThirty), -std::sin(kThirty), 0});
}

class FrameDrawingTest : public acadtest::EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        startWithDrawing();
        st.m_color = 6;
    }
    services::FormState st;
    automation::ErrObject err;
};

TEST_F(FrameDrawingTest, TurnedArcsAndLinesLandInPlace)
{
    const cad::Point base{100, 50, 0};
    const Placement at = Placement(base, 0.002).turnedAbout(base, kThirty);
    drawFrameArc(st, at, {{10, 0}, 5, {15, 0}, {10, 5}}, err);
    ASSERT_NE(services::g_lastHandle, kNoEntity);
    expectNear(g_lastEntity.Center(), at.placedPoint({10, 0}));
    EXPECT_NEAR(g_lastEntity.Radius(), 10, 1e-9);
    EXPECT_TRUE(g_lastEntity.Visible()) << "an arc of a drawing placement is shown";

    drawFrameLine(st, at, {{0, 0}, {10, 0}}, 7, err);
    expectNear(services::g_lastLine.StartPoint(), base);
    expectNear(services::g_lastLine.EndPoint(), at.placedPoint({10, 0}));
    EXPECT_FALSE(err.failed());
}

// Mirroring keeps only the mirror images, shown; the turned entities are erased.
TEST_F(FrameDrawingTest, MirroredArcsAndLinesLeaveOnlyTheirImages)
{
    const cad::Point base{100, 50, 0};
    const Placement at = Placement(base, 0.002).turnedAbout(base, kThirty).mirroredIn(base, {200, 50, 0});
    drawFrameArc(st, at, {{10, 0}, 5, {15, 0}, {10, 5}}, err);
    drawFrameLine(st, at, {{0, 0}, {10, 0}}, 7, err);
    EXPECT_FALSE(err.failed());
    ASSERT_EQ(g_modelSpace.Count(), 2);
    const cad::Entity arc = g_modelSpace.Item(0);
    const cad::Entity line = g_modelSpace.Item(1);
    expectNear(arc.Center(), at.placedPoint({10, 0}));
    expectNear(line.EndPoint(), at.placedPoint({10, 0}));
    EXPECT_EQ(line.Color(), 7);
    EXPECT_TRUE(arc.Visible());
    EXPECT_TRUE(line.Visible());
}

// A turn the drawing refuses: a placement that erases what it cannot place leaves nothing behind,
// any other leaves the entity where it was laid down, shown.
TEST_F(FrameDrawingTest, ARefusedTurnErasesOnlyWhereThePlacementSaysSo)
{
    const cad::Point base{100, 50, 0};
    const Placement turned = Placement(base, 0.002).turnedAbout(base, kThirty);
    for (const bool erasing : {false, true}) {
        SCOPED_TRACE(erasing ? "erasing" : "keeping");
        const Placement at = erasing ? turned.erasingUnplaced() : turned;
        const int before = g_modelSpace.Count();
        cad::faults().failNext(QStringLiteral("Rotate"), static_cast<std::int32_t>(0x80004005));
        drawFrameArc(st, at, {{10, 0}, 5, {15, 0}, {10, 5}}, err);
        cad::faults().failNext(QStringLiteral("Rotate"), static_cast<std::int32_t>(0x80004005));
        drawFrameLine(st, at, {{0, 0}, {10, 0}}, 7, err);
        EXPECT_TRUE(err.failed());
        err.clear();
        ASSERT_EQ(g_modelSpace.Count() - before, erasing ? 0 : 2);
        for (int i = before; i < g_modelSpace.Count(); ++i)
            EXPECT_TRUE(g_modelSpace.Item(i).Visible()) << i;
    }
}

TEST_F(FrameDrawingTest, FiledArcsStayHiddenAndKeepTheirPlaceInBoundedLists)
{
    services::HandleSlots<4> quad;
    int counter = 0;
    services::HandleList list;
    const Placement at = Placement({0, 0, 0}, 0.001).turnedAbout({0, 0, 0}, kThirty);
    const Placement toSlots = at.filedInto([&](const services::EntityHandle& h) { fileAtCounter(quad, counter, h); });
    const Placement toList = at.filedInto([&](const services::EntityHandle& h) { list.file(h); });

    const FrameArc drawn{{0, 0}, 5, {5, 0}, {0, 5}};
    const FrameArc refused{{0, 0}, 0, {5, 0}, {0, 5}}; // zero radius: DrawArc draws nothing
    drawFrameArc(st, toSlots, drawn, err);
    EXPECT_FALSE(g_lastEntity.Visible());
    expectNear(g_lastEntity.Center(), {0, 0, 0});
    // DrawArc starts at its own 2pi (the program's pi), so the turned angle is within 1e-6.
    EXPECT_NEAR(g_lastEntity.StartAngle(), kThirty, 1e-6) << "turned into place before it is filed";
    drawFrameArc(st, toSlots, refused, err);
    drawFrameArc(st, toList, drawn, err);
    drawFrameArc(st, toList, refused, err);
    EXPECT_FALSE(err.failed());
    EXPECT_EQ(counter, 2);
    EXPECT_EQ(quad.at(1), kNoEntity) << "an arc that was not drawn still takes its slot";
    EXPECT_EQ(list.count(), 2);
    EXPECT_EQ(list.at(0), g_modelSpace.Item(g_modelSpace.Count() - 1).Handle());
    EXPECT_EQ(list.at(1), kNoEntity);

    // A counter outside the fixed list: nothing filed, the counter advances, error 9 for the caller.
    counter = 4;
    drawFrameArc(st, toSlots, drawn, err);
    EXPECT_EQ(err.number(), automation::errors::SubscriptOutOfRange);
    EXPECT_EQ(counter, 5);
    EXPECT_FALSE(g_lastEntity.Visible());
    for (int i = 0; i < 4; ++i)
        EXPECT_NE(quad.at(i), services::g_lastHandle);
}

} // namespace
