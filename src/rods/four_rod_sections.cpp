// The three section views of four rods on a rectangle, in their view frames (x along the section, y up), in metres.
#include "rods/four_rod_sections.h"

#include "rods/four_rod_axis.h"
#include "services/rolling_sphere.h"

namespace rods {

FrameItems FourRodDiagonalSection(const FourRodSectionInput& in)
{
    const double hr = in.sphereRadius, h = in.height, d = in.diagonal, r0 = in.groundHalfWidth;
    const double e = services::sphereCentreOffset(h, hr);
    return {
        lineItem({0.0, 0.0}, {0.0, in.typedHeight}),
        lineItem({d, 0.0}, {d, in.typedHeight}),
        arcItem({-e, hr}, hr, {-r0, 0.0}, {0.0, h}),
        arcItem({d + e, hr}, hr, {d, h}, {d + r0, 0.0}),
        arcItem({d / 2.0, hr + in.lowestHeight}, hr, {0.0, h}, {d, h}),
        lineItem({-r0, 0.0}, {d + r0, 0.0}, true),
        lineItem({-r0, in.targetHeight}, {d + r0, in.targetHeight}, true),
    };
}

FrameItems FourRodAxisSection(const FourRodSectionInput& in, bool longAxis)
{
    const FourRodAxisCircles c =
        FourRodAxisCirclesOf(longAxis ? FourRodAxisKind::Long : FourRodAxisKind::Short, in.longSide, in.shortSide,
                             in.height, in.longAxisReach, in.shortAxisReach, in.lowestHeight, in.sphereRadius);
    const double s = c.span, reach = c.reach, hr = c.sphereRadius;
    const FramePoint leftFoot{-reach, 0.0};
    const FramePoint rightFoot{s + reach, 0.0};
    FrameItems items{
        lineItem({0.0, 0.0}, {0.0, in.typedHeight}),
        lineItem({s, 0.0}, {s, in.typedHeight}),
    };
    if (c.twoArcs()) {
        const FramePoint y = *c.outerCrossing();
        items.push_back(arcItem(c.leftCentre(), hr, leftFoot, y));
        items.push_back(arcItem(c.rightCentre(), hr, y, rightFoot));
    } else {
        const auto x1 = c.leftCrossing();
        const auto x2 = c.rightCrossing();
        if (x1)
            items.push_back(arcItem(c.leftCentre(), hr, leftFoot, *x1));
        if (x2)
            items.push_back(arcItem(c.rightCentre(), hr, *x2, rightFoot));
        if (x1 && x2)
            items.push_back(arcItem(c.middleCentre(), hr, *x1, *x2));
    }
    items.push_back(lineItem(leftFoot, rightFoot, true));
    items.push_back(lineItem({-reach, in.targetHeight}, {s + reach, in.targetHeight}, true));
    return items;
}

std::array<FourRodSectionView, 3> FourRodSectionViews(const FourRodSectionInput& in)
{
    return {{
        {QStringLiteral("对角线剖面"), FourRodDiagonalSection(in),
         in.diagonal + in.groundHalfWidth + in.longAxisReach},
        {QStringLiteral("长对称轴剖面"), FourRodAxisSection(in, true),
         in.longSide + in.longAxisReach + in.shortAxisReach},
        {QStringLiteral("短对称轴剖面"), FourRodAxisSection(in, false), 0.0},
    }};
}

} // namespace rods
