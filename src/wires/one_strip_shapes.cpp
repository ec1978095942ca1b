// The plan and the section of one wire's zone in their local frames, in metres, in drawing order.
#include "wires/one_strip_shapes.h"

#include "services/rolling_sphere.h"

namespace wires {

using geometry::arcItem;
using geometry::FrameItems;
using geometry::FramePoint;
using geometry::lineItem;

FrameItems OneStripPlan(double halfWidth, double length)
{
    const double w = halfWidth;
    const double l = length;
    // The arcs run counter-clockwise from their from-point's direction, so these ends give the outer halves.
    return {arcItem({0, 0}, w, {-w, 0}, {w, 0}),
            arcItem({0, l}, w, {w, l}, {-w, l}),
            lineItem({-w, 0}, {-w, l}),
            lineItem({w, 0}, {w, l})};
}

FrameItems OneStripSection(double targetHeight, double sphereRadius, double zoneTop, double groundWidth)
{
    const double hr = sphereRadius;
    const double bo = groundWidth;
    // The arcs' centres stand c off the wire at sphere height; c equals bo, taken in this form.
    const double c = services::sphereCentreOffset(zoneTop, hr);
    return {arcItem({-c, hr}, hr, {-bo, 0}, {0, zoneTop}),
            arcItem({c, hr}, hr, {0, zoneTop}, {bo, 0}),
            lineItem({-bo, 0}, {bo, 0}, true),
            lineItem({-bo, targetHeight}, {bo, targetHeight}, true)};
}

FramePoint OneStripWireMark(double effectiveHeight)
{
    return {0, effectiveHeight};
}

} // namespace wires
