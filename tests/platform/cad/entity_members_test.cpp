// Entity members through the automation references: properties, kinds, refused values, transforms.
#include "engine_fixture.h"

#include "platform/cad/geometry/geometry_transform.h"

#include <cmath>

using namespace cad;


namespace {

constexpr double kPi = 3.14159265358979323846;

void expectPoint(const Point& p, double x, double y, double tol = 1e-12)
{
    EXPECT_NEAR(p[0], x, tol);
    EXPECT_NEAR(p[1], y, tol);
}

TEST_F(EngineTest, NewEntitiesAreVisibleInTheDefaultColour)
{
    Entity line = ms.AddLine({0, 0, 0}, {10, 0, 0});
    Entity circle = ms.AddCircle({1, 2, 3}, 4);
    Entity arc = ms.AddArc({0, 0, 0}, 10, 6.283185, 1.57079625);
    Entity text = ms.AddText(QStringLiteral("二号剖面"), {5, 5, 0}, 2);
    EXPECT_EQ(line.ObjectName(), "AcDbLine");
    EXPECT_EQ(circle.ObjectName(), "AcDbCircle");
    EXPECT_EQ(arc.ObjectName(), "AcDbArc");
    EXPECT_EQ(text.ObjectName(), "AcDbText");
    for (auto e : {line, circle, arc, text}) {
        EXPECT_TRUE(e.Visible());
        EXPECT_EQ(e.Color(), kColorByLayer);
    }
    EXPECT_EQ(ms.Count(), 4);
    // 6.283185 is just below a full turn and stays where it is.
    EXPECT_DOUBLE_EQ(arc.StartAngle(), 6.283185);
    expectPoint(arc.StartPoint(), 10 * std::cos(6.283185), 10 * std::sin(6.283185));
    expectPoint(arc.EndPoint(), 10 * std::cos(1.57079625), 10 * std::sin(1.57079625));
    EXPECT_EQ(text.TextString(), QStringLiteral("二号剖面"));
    EXPECT_DOUBLE_EQ(text.Height(), 2);
}

TEST_F(EngineTest, PropertiesAreWrittenAndRefused)
{
    Entity arc = ms.AddArc({0, 0, 0}, 5, 0, 1);
    arc.setColor(6);
    arc.setVisible(false);
    arc.setRadius(7.5);
    EXPECT_EQ(arc.Color(), 6);
    EXPECT_FALSE(arc.Visible());
    EXPECT_DOUBLE_EQ(arc.Radius(), 7.5);
    EXPECT_AUTOMATION_ERROR(arc.setRadius(-5), errors::InvalidInput);
    EXPECT_AUTOMATION_ERROR(arc.setRadius(0), errors::InvalidInput);
    EXPECT_AUTOMATION_ERROR(arc.setColor(257), errors::InvalidInput);
    EXPECT_DOUBLE_EQ(arc.Radius(), 7.5);
    EXPECT_AUTOMATION_ERROR(ms.AddArc({0, 0, 0}, -5, 0, 1), errors::InvalidInput);
    EXPECT_AUTOMATION_ERROR(ms.AddCircle({0, 0, 0}, 0), errors::InvalidInput);
    EXPECT_AUTOMATION_ERROR(ms.AddLine({NAN, 0, 0}, {1, 1, 0}), errors::InvalidInput);
    EXPECT_EQ(ms.Count(), 1);

    Entity text = ms.AddText(QStringLiteral("标题"), {0, 0, 0}, 2);
    text.setScaleFactor(0.8);
    EXPECT_DOUBLE_EQ(text.ScaleFactor(), 0.8);
    EXPECT_AUTOMATION_ERROR(text.setScaleFactor(0), errors::InvalidInput);
}

TEST_F(EngineTest, MembersOfAnotherKindFail)
{
    Entity line = ms.AddLine({0, 0, 0}, {1, 0, 0});
    Entity circle = ms.AddCircle({0, 0, 0}, 1);
    Entity text = ms.AddText(QStringLiteral("x"), {0, 0, 0}, 1);
    EXPECT_AUTOMATION_ERROR(line.Radius(), errors::InvalidProcedureCall);
    EXPECT_AUTOMATION_ERROR(line.Center(), errors::InvalidProcedureCall);
    EXPECT_AUTOMATION_ERROR(circle.StartPoint(), errors::InvalidProcedureCall);
    EXPECT_AUTOMATION_ERROR(circle.StartAngle(), errors::InvalidProcedureCall);
    EXPECT_AUTOMATION_ERROR(line.ScaleFactor(), errors::InvalidProcedureCall);
    EXPECT_AUTOMATION_ERROR(text.Offset(1), errors::InvalidProcedureCall);
    EXPECT_AUTOMATION_ERROR(text.IntersectWith(line, 0), errors::InvalidProcedureCall);
}

TEST_F(EngineTest, RotateTurnsCounterClockwiseAboutTheBase)
{
    Entity line = ms.AddLine({1, 0, 0}, {2, 0, 0});
    Entity arc = ms.AddArc({10, 0, 0}, 2, 0, kPi / 2);
    Entity text = ms.AddText(QStringLiteral("t"), {1, 1, 0}, 1);
    line.Rotate({0, 0, 0}, kPi / 2);
    arc.Rotate({0, 0, 0}, kPi / 2);
    text.Rotate({1, 0, 0}, kPi);
    expectPoint(line.StartPoint(), 0, 1);
    expectPoint(line.EndPoint(), 0, 2);
    expectPoint(arc.Center(), 0, 10);
    EXPECT_NEAR(arc.StartAngle(), kPi / 2, 1e-15);
    EXPECT_NEAR(arc.EndAngle(), kPi, 1e-15);
    expectPoint(text.InsertionPoint(), 1, -1);
    EXPECT_NEAR(text.data().rotation, kPi, 1e-15);
    // A turn past a full circle keeps the angles in [0, 2pi).
    arc.Rotate({0, 0, 0}, 2 * kPi - 0.1);
    EXPECT_GE(arc.StartAngle(), 0);
    EXPECT_LT(arc.EndAngle(), 2 * kPi);
}

TEST_F(EngineTest, MirrorMakesACopyAndLeavesTheOriginal)
{
    Entity arc = ms.AddArc({10, 0, 0}, 2, 0, kPi / 2);
    arc.setColor(6);
    arc.setVisible(false);
    Entity mirrored = arc.Mirror({0, 0, 0}, {0, 1, 0});
    EXPECT_NE(mirrored.Handle(), arc.Handle());
    expectPoint(arc.Center(), 10, 0);
    expectPoint(mirrored.Center(), -10, 0);
    // The quarter from 0 to 90 degrees becomes the quarter from 90 to 180.
    EXPECT_NEAR(mirrored.StartAngle(), kPi / 2, 1e-15);
    EXPECT_NEAR(mirrored.EndAngle(), kPi, 1e-15);
    EXPECT_EQ(mirrored.Color(), 6);
    EXPECT_FALSE(mirrored.Visible());

    Entity line = ms.AddLine({1, 1, 0}, {3, 2, 0});
    Entity image = line.Mirror({0, 0, 0}, {1, 1, 0});   // the diagonal swaps x and y
    expectPoint(image.StartPoint(), 1, 1);
    expectPoint(image.EndPoint(), 2, 3);
    EXPECT_AUTOMATION_ERROR(line.Mirror({1, 1, 0}, {1, 1, 0}), errors::InvalidInput);
}

TEST_F(EngineTest, MirroredTextStaysReadable)
{
    Entity text = ms.AddText(QStringLiteral("AB"), {1, 0, 0}, 1);
    Entity image = text.Mirror({0, 0, 0}, {0, 1, 0});
    // Mirrored in the y axis: the box spans -3..-1 and the text still runs left to right.
    EXPECT_NEAR(image.data().rotation, 0, 1e-12);
    expectPoint(image.InsertionPoint(), -3, 0);
}

TEST_F(EngineTest, OffsetOfALineLiesToTheLeftForAPositiveDistance)
{
    Entity line = ms.AddLine({0, 0, 0}, {10, 0, 0});
    auto left = line.Offset(2);
    auto right = line.Offset(-2);
    ASSERT_EQ(left.size(), 1u);
    ASSERT_EQ(right.size(), 1u);
    expectPoint(left[0].StartPoint(), 0, 2);
    expectPoint(left[0].EndPoint(), 10, 2);
    expectPoint(right[0].StartPoint(), 0, -2);
    expectPoint(right[0].EndPoint(), 10, -2);
    // A slanted line: the copy is parallel at exactly the distance.
    Entity slant = ms.AddLine({0, 0, 0}, {3, 4, 0});
    auto copy = slant.Offset(5);
    expectPoint(copy[0].StartPoint(), -4, 3);
    expectPoint(copy[0].EndPoint(), -1, 7);
    EXPECT_AUTOMATION_ERROR(ms.AddLine({1, 1, 0}, {1, 1, 0}).Offset(1), errors::InvalidInput);
    EXPECT_AUTOMATION_ERROR(ms.AddCircle({0, 0, 0}, 1).Offset(-1), errors::InvalidInput);
}

TEST_F(EngineTest, IntersectWithGivesThreeNumbersPerCrossing)
{
    Entity a = ms.AddCircle({0, 0, 0}, 5);
    Entity b = ms.AddArc({8, 0, 0}, 5, kPi / 2, 3 * kPi / 2);
    Entity line = ms.AddLine({-1, 0, 0}, {1, 0, 0});
    EXPECT_EQ(a.IntersectWith(b, 0).size(), 6u);
    EXPECT_TRUE(line.IntersectWith(a, 0).empty());
    EXPECT_EQ(line.IntersectWith(a, 3).size(), 6u);
    EXPECT_AUTOMATION_ERROR(line.IntersectWith(Entity(), 0), errors::ObjectNotSet);
}

} // namespace
