// DirectionAngle, SideOfLine and SignedDistance against their tables, exact comparisons included.
#include "geometry/angles.h"
#include "geometry/plan_geometry.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace geometry;

namespace {

cad::Point P(double x, double y, double z = 0) { return {x, y, z}; }

TEST(PiConstants, AreTheProgramsOwnTruncatedValues)
{
    EXPECT_EQ(kPi, 3.1415925);
    EXPECT_EQ(kHalfPi, 1.57079625);
    EXPECT_EQ(kThreeHalfPi, 4.71238875);
    EXPECT_EQ(kTwoPi, 6.283185);
}

TEST(DirectionAngle, EveryCaseOfItsTable)
{
    const double diag = std::atan(1.0);
    struct Case {
        cad::Point a, b;
        double expected;
    } cases[] = {
        {P(0, 0), P(5, 0), 0},                        // level right
        {P(0, 0), P(0, 0), 0},                        // the same point
        {P(0, 0), P(1, 1), diag},
        {P(0, 0), P(0, 3), 1.57079625},
        {P(0, 0), P(-1, 1), diag + 1.57079625},
        {P(0, 0), P(-1, 0), 3.1415925},
        {P(0, 0), P(-1, -1), diag + 3.1415925},
        {P(0, 0), P(0, -2), 4.71238875},
        {P(0, 0), P(1, -1), diag + 4.71238875},
        {P(2, 3, 99), P(3, 4, -7), diag},             // from any origin; z is ignored
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.b[0] << "," << c.b[1]);
        EXPECT_DOUBLE_EQ(DirectionAngle(c.a, c.b), c.expected);
    }
}

TEST(DirectionAngle, JustShortOfAnAxisMayPassItsTruncatedConstant)
{
    // Each quadrant adds an exact arctangent to a truncated quarter turn.
    EXPECT_GT(DirectionAngle(P(0, 0), P(1, -1e-12)), 6.283185);
    EXPECT_LT(DirectionAngle(P(0, 0), P(1, -1e-12)), 6.2831851);
    EXPECT_GT(DirectionAngle(P(0, 0), P(1e-8, 1)), 1.57079625);
}

TEST(SideOfLine, LeftRightAndOnTheLine)
{
    struct Case {
        cad::Point a, b, c;
        QString expected;
    } cases[] = {
        {P(0, 0), P(1, 0), P(0, 1), QStringLiteral("LEFT")},
        {P(0, 0), P(1, 0), P(0, -1), QStringLiteral("RIGHT")},
        {P(0, 0), P(1, 0), P(5, 0), QStringLiteral("ABOVE")},    // beyond b
        {P(0, 0), P(1, 0), P(-3, 0), QStringLiteral("ABOVE")},   // behind a
        {P(1, 1), P(1, 1), P(7, -2), QStringLiteral("ABOVE")},   // a == b
        {P(0, 0), P(-1, 0), P(0, 1), QStringLiteral("RIGHT")},   // looking the other way
        {P(0, 0), P(1, 1, 50), P(2, 2, -50), QStringLiteral("ABOVE")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.c[0] << "," << c.c[1]);
        EXPECT_EQ(SideOfLine(c.a, c.b, c.c), c.expected);
    }
}

TEST(SignedDistance, SignFollowsTheDirection)
{
    struct Case {
        cad::Point a, b;
        double expected;
    } cases[] = {
        {P(0, 0), P(3, 4), 5},
        {P(0, 0), P(-3, 4), -5},
        {P(0, 0), P(0, 2), 2},
        {P(0, 0), P(0, -2), -2},
        {P(1, 1), P(1, 1), 0},
        {P(0, 0), P(3, -4), 5},
        {P(0, 0), P(-3, -4), -5},
        {P(0, 0), P(0.00000001, 1), -1},   // its direction lies just above the truncated pi/2
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.b[0] << "," << c.b[1]);
        EXPECT_NEAR(SignedDistance(c.a, c.b), c.expected, 1e-12);
    }
}

} // namespace
