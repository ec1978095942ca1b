// The three circles of a four-rod symmetry-axis section and where they cross, in the section frame.
#include "rods/four_rod_axis.h"

#include "platform/cad/geometry/geometry_intersect.h"

#include <algorithm>
#include <cmath>

namespace rods {

namespace {

// The crossing with the smaller y of two circles of radius r (the first one when both y are equal);
// the point itself when they only touch.
std::optional<FramePoint> lowerCrossing(FramePoint c1, FramePoint c2, double r)
{
    const cad::geom::CircleArc a{{c1.x, c1.y, 0.0}, r};
    const cad::geom::CircleArc b{{c2.x, c2.y, 0.0}, r};
    const auto points = cad::geom::intersectCircleCircle(a, true, b, true);
    if (points.empty())
        return std::nullopt;
    const cad::Point* low = &points.front();
    for (const cad::Point& p : points)
        if (p[1] < (*low)[1])
            low = &p;
    return FramePoint{(*low)[0], (*low)[1]};
}

} // namespace

std::optional<FramePoint> FourRodAxisCircles::outerCrossing() const
{
    return lowerCrossing(leftCentre(), rightCentre(), sphereRadius);
}

std::optional<FramePoint> FourRodAxisCircles::leftCrossing() const
{
    return lowerCrossing(middleCentre(), leftCentre(), sphereRadius);
}

std::optional<FramePoint> FourRodAxisCircles::rightCrossing() const
{
    return lowerCrossing(rightCentre(), middleCentre(), sphereRadius);
}

bool FourRodAxisCircles::twoArcs() const
{
    if (kind != FourRodAxisKind::Short)
        return false;
    const auto y = outerCrossing();
    return y && y->y <= lowestHeight;
}

FourRodAxisCircles FourRodAxisCirclesOf(FourRodAxisKind kind, double longSide, double shortSide, double height,
                                        double longAxisReach, double shortAxisReach, double lowestHeight,
                                        double sphereRadius)
{
    const bool isLong = kind == FourRodAxisKind::Long;
    const double hr = sphereRadius;
    const double w = (isLong ? shortSide : longSide) / 2.0;
    const double passHeight = hr - std::sqrt((hr - height) * (hr - height) + w * w);
    // Not services::sphereCentreOffset: the clamp takes a negative radicand (passHeight below the
    // ground, or rounding at the edge) as 0, so the centres fall on the rod lines instead of NaN.
    const double offset = std::sqrt(std::max(0.0, hr * hr - (hr - passHeight) * (hr - passHeight)));
    FourRodAxisCircles c;
    c.kind = kind;
    c.span = isLong ? longSide : shortSide;
    c.reach = isLong ? longAxisReach : shortAxisReach;
    c.outerOffset = offset;
    c.sphereRadius = hr;
    c.lowestHeight = lowestHeight;
    return c;
}

} // namespace rods
