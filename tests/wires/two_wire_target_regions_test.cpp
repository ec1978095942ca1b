// The joined and separate target-height outlines over a grid of accepted inputs: closed, off the ground
// the spheres reach, and around exactly what the end circles and the band leave on the mid-height line.
#include "frame_outline_checks.h"

#include "wires/two_wire_plans.h"
#include "wires/two_wire_target_outlines.h"
#include "wires/two_wire_zone.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace outlinetest;
using namespace wires;

struct Stretch {
    double left, right;
};

// What the outline of one accepted input must satisfy; the failures name the input.
void expectProtectedRegion(const TwoWireValues& v, const TargetQuantities& q, TargetOutline outline,
                           const FrameItems& items)
{
    const double d = v.spacing, l = v.length;
    const double radius = v.sphereRadius - q.setback; // b(hx), of the circles beyond the ends
    const FramePoint nearCentre{d / 2, -v.endReach}, farCentre{d / 2, l + v.endReach};
    const double w = outline == TargetOutline::Separate ? GapHalfWidth(v) : 0.0;
    const double outer = -v.targetHalfWidth;
    const double tol = 1e-7;
    const auto outsideCircles = [&](FramePoint p, double margin) {
        return std::hypot(p.x - nearCentre.x, p.y - nearCentre.y) >= radius - margin
               && std::hypot(p.x - farCentre.x, p.y - farCentre.y) >= radius - margin;
    };

    for (const FrameItem& item : items) {
        for (const FramePoint p : pointsAlong(item)) {
            EXPECT_GE(std::abs(p.x - d / 2), w - tol) << "over the unprotected band at (" << p.x << ", " << p.y << ")";
            EXPECT_TRUE(outsideCircles(p, tol)) << "inside a circle beyond the ends at (" << p.x << ", " << p.y << ")";
            EXPECT_GE(p.x, outer - tol);
            EXPECT_LE(p.x, d - outer + tol);
        }
    }
    if (!items.empty())
        expectClosed(items, tol);

    // On the line halfway along the wires the region is what neither circle nor the band covers, and the
    // outline encloses exactly that; an empty outline means none of it is left.
    const std::vector<Stretch> stretches = outline == TargetOutline::Separate
                                               ? std::vector<Stretch>{{outer, d / 2 - w}, {d / 2 + w, d - outer}}
                                               : std::vector<Stretch>{{outer, d - outer}};
    for (const Stretch& s : stretches) {
        for (int i = 1; i < 24; ++i) {
            const FramePoint p{s.left + (s.right - s.left) * i / 24, l / 2};
            if (!(p.x > s.left + 1e-6 && p.x < s.right - 1e-6) || outsideCircles(p, 1e-6) != outsideCircles(p, -1e-6))
                continue; // too near an edge to tell
            EXPECT_EQ(crossingsAbove(items, p) % 2 == 1, outsideCircles(p, 0)) << "at (" << p.x << ", " << p.y << ")";
        }
    }
}

TEST(TwoWireTargetRegions, GridOfAcceptedInputsAboveTheLowestPointAndJoined)
{
    int checked = 0, empty = 0;
    for (const double hr : {30.0, 45.0, 60.0}) {
        for (int hi = 1; hi < 20; ++hi) {
            const double height = 2 * hr * hi / 20;
            for (int di = 0; di < 20; ++di) {
                const double spacing = 2 * hr * di / 20 + 0.37;
                for (const double length : {0.0, 0.68, 12.0, 35.0, 150.0}) {
                    for (int xi = 0; xi < 24; ++xi) {
                        const double target = height * xi / 24;
                        const TwoWireZone z = TwoWireZoneOf(height, target, spacing, hr);
                        if (z.stop != TwoWireStop::None)
                            continue;
                        const TwoWireValues v{
                            hr,         height,  target, z.groundHalfWidth, z.targetHalfWidth, z.lowestHeight,
                            z.endReach, spacing, length};
                        const TargetQuantities q = TargetQuantitiesOf(v);
                        const TargetOutline outline = ChooseTargetOutline(v, q);
                        if (outline == TargetOutline::Enclosing
                            || !(target > z.lowestHeight || outline == TargetOutline::Joined))
                            continue;
                        SCOPED_TRACE(testing::Message() << "Hr " << hr << " h' " << height << " D " << spacing << " L "
                                                        << length << " hx " << target);
                        const FrameItems items =
                            outline == TargetOutline::Joined ? JoinedOutline(v, q) : SeparateOutlines(v, q);
                        expectProtectedRegion(v, q, outline, items);
                        ++checked;
                        empty += items.empty();
                        if (testing::Test::HasFailure())
                            return;
                    }
                }
            }
        }
    }
    // The grid reaches both outlines and both answers.
    EXPECT_GT(checked, 1000);
    EXPECT_GT(empty, 0);
    EXPECT_LT(empty, checked);
}

} // namespace
