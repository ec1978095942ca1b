// Ln, the cubic bisection and MinOf/MaxOf.
#include "services/numeric_routines.h"

#include "platform/automation/automation_error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace services;

namespace {

TEST(Ln, UsesTheConstant2718282)
{
    EXPECT_EQ(Ln(1), 0);
    EXPECT_DOUBLE_EQ(Ln(2.718282), 1);
    EXPECT_NEAR(Ln(100), 4.6051699, 5e-8);
    EXPECT_GT(std::fabs(Ln(100) - std::log(100.0)), 1e-7);
    for (double bad : {0.0, -1.0}) {
        try {
            Ln(bad);
            ADD_FAILURE() << "Ln(" << bad << ") did not fail";
        } catch (const automation::AutomationError& e) {
            EXPECT_EQ(e.number(), automation::errors::InvalidProcedureCall);
        }
    }
}

TEST(EvalCubic, RoundsOnceToSingle)
{
    EXPECT_EQ(EvalCubic(2, 1, 1, 1, 1), 15.0f);
    EXPECT_EQ(EvalCubic(0.1f, 0, 0, 1, 0), 0.1f);
}

TEST(BisectCubicRoot, FindsTheRootFromZero)
{
    const float root = BisectCubicRoot(0, 1, 0, -2, 0, 4);
    EXPECT_NEAR(root, 1.41421f, 0.00001f);
    // lo is not used.
    EXPECT_EQ(BisectCubicRoot(0, 1, 0, -2, 3, 4), root);
    // A cubic with its root at 2.5.
    EXPECT_NEAR(BisectCubicRoot(1, 0, 0, -15.625f, 0, 10), 2.5f, 0.00001f);
}

TEST(BisectCubicRoot, WithoutSignChangeNarrowsTowardsZero)
{
    const float t = BisectCubicRoot(0, 0, 1, 5, 0, 10);
    EXPECT_GE(t, 0.0f);
    EXPECT_LT(t, 0.00001f);
}

TEST(BisectCubicRoot, StopsAtAMidpointWhereTheCubicIsZero)
{
    // t - 1 on [0, 4]: the second midpoint is the root.
    EXPECT_EQ(BisectCubicRoot(0, 0, 1, -1, 0, 4), 1.0f);
}

TEST(BisectCubicRoot, EndsForEveryInput)
{
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    // Roots beyond 128, where neighbouring singles lie further apart than the tolerance.
    const float big = BisectCubicRoot(0, 1, 0, -1000.5f * 1000.5f, 0, 2000);
    EXPECT_NEAR(big, 1000.5f, 0.0001f);
    EXPECT_NEAR(BisectCubicRoot(0, 0, 1, -3e30f, 0, 1e38f), 3e30f, 3e24f);
    BisectCubicRoot(0, 0, 1, -1, 0, inf);
    BisectCubicRoot(0, 0, 1, -1, 0, nan);
    BisectCubicRoot(nan, 0, 1, -1, 0, 4);
    BisectCubicRoot(0, 0, 1, -1, 0, -5);
    BisectCubicRoot(1e30f, 1e30f, 1e30f, -1e30f, 0, 1e30f);
}

TEST(MinOfMaxOf, ReturnSinglesComparedAsStored)
{
    EXPECT_EQ(MinOf({24, 45}), 24.0f);
    EXPECT_EQ(MinOf({45, 24}), 24.0f);
    EXPECT_EQ(MinOf({30.1, 45}), 30.1f);
    EXPECT_DOUBLE_EQ(static_cast<double>(MinOf({30.1, 45})), 30.100000381469727);
    EXPECT_EQ(MaxOf({12, 12}), 12.0f);
    EXPECT_EQ(MaxOf({12, 60}), 60.0f);
    EXPECT_EQ(MaxOf({60.7, 12}), 60.7f);
    // The single nearest to 30.1 lies above 30.1; the double 30.1 then wins a MinOf comparison,
    // and comes back as the same single.
    EXPECT_EQ(MinOf({30.1, 30.1}), 30.1f);
    EXPECT_THROW(MinOf(std::span<const double>()), automation::AutomationError);
    EXPECT_THROW(MaxOf(std::span<const double>()), automation::AutomationError);
}

} // namespace
