// The pair tests of the building outline and the left-to-right order of the sphere's arc.
#include "buildings/building_outline_pair.h"

#include <gtest/gtest.h>

namespace {

using buildings::PairRefusal;

TEST(BuildingOutlinePair, TestsInOrderWithExactBounds)
{
    struct Case { cad::Point p1, p2; double r; std::optional<QString> refusal; };
    const Case cases[] = {
        {{0, 0, 0}, {100, 0, 0}, 60, std::nullopt},
        {{0, 0, 0}, {120, 0, 0}, 60, std::nullopt},                     // D = 2R passes
        {{0, 0, 0}, {120.001, 0, 0}, 60, buildings::kPairTooFar},
        {{100, 0, 0}, {0, 0, 0}, 60, std::nullopt},                     // right to left
        {{10, 0, 0}, {10, 30, 0}, 60, buildings::kPairSameVertical},
        {{10, 0, 0}, {10, 0, 5}, 60, buildings::kPairSamePoint},         // z does not count
        {{10, 0, 0}, {10, 130, 0}, 60, buildings::kPairTooFar},          // distance is tested first
        {{0, 0, 0}, {1, 0, 0}, 0, buildings::kPairTooFar},               // no class: R = 0
        {{3, 4, 0}, {3, 4, 0}, 0, buildings::kPairSamePoint},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.p1[0] << "," << c.p1[1] << " " << c.p2[0] << "," << c.p2[1]);
        EXPECT_EQ(PairRefusal(c.p1, c.p2, c.r), c.refusal);
    }
}

TEST(BuildingOutlinePair, ArcStartsAtTheLeftPoint)
{
    const cad::Point a{0, 0, 1}, b{100, 5, 2};
    const auto lr = buildings::LeftToRight(a, b);
    const auto rl = buildings::LeftToRight(b, a);
    EXPECT_EQ(lr.from, a);
    EXPECT_EQ(lr.to, b);
    EXPECT_EQ(rl.from, a);
    EXPECT_EQ(rl.to, b);
}

} // namespace
