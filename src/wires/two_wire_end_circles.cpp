// The two circles on the mid-line beyond the wire ends that close the target-height outlines, and where
// their facing sides have passed each other (short wires).
#include "wires/two_wire_end_circles.h"

#include <algorithm>
#include <cmath>

namespace wires {

using geometry::FramePoint;

std::optional<double> rise(double radius, double dx)
{
    const double s = radius * radius - dx * dx;
    if (!(s >= 0.0))
        return std::nullopt;
    return std::sqrt(s);
}

std::optional<FramePoint> EndCircles::onNear(double x) const
{
    const auto r = rise(radius, x - midX);
    if (!r)
        return std::nullopt;
    return FramePoint{x, nearCentreY + *r};
}

std::optional<FramePoint> EndCircles::onFar(double x) const
{
    const auto r = rise(radius, x - midX);
    if (!r)
        return std::nullopt;
    return FramePoint{x, farCentreY - *r};
}

std::optional<double> EndCircles::passedHalfWidth() const
{
    // The arcs are level where each has risen half the distance between the centres.
    const double half = (farCentreY - nearCentreY) / 2.0;
    if (!(half < radius))
        return std::nullopt;
    return std::sqrt(radius * radius - half * half);
}

std::vector<ArcStretch> unpassedStretches(const EndCircles& c, double left, double right)
{
    const auto u = c.passedHalfWidth();
    if (!u)
        return {{left, right, false, false}};
    std::vector<ArcStretch> out;
    const double bandLeft = c.midX - *u;
    const double bandRight = c.midX + *u;
    if (left < bandLeft)
        out.push_back({left, std::min(right, bandLeft), false, right > bandLeft});
    if (right > bandRight)
        out.push_back({std::max(left, bandRight), right, left < bandRight, false});
    return out;
}

} // namespace wires
