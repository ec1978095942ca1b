// The joined and the separate target-height outlines of two parallel wires, in their local frame (metres).
#include "wires/two_wire_target_outlines.h"

#include "wires/two_wire_end_circles.h"
#include "wires/two_wire_regions.h"

#include <cmath>

namespace wires {

using geometry::arcItem;
using geometry::FrameItem;
using geometry::FrameItems;
using geometry::FramePoint;
using geometry::lineItem;

namespace {

EndCircles endCirclesOf(const TwoWireValues& v, const TargetQuantities& q)
{
    return {v.spacing / 2, -v.endReach, v.length + v.endReach, v.sphereRadius - q.setback};
}

FramePoint mirrored(FramePoint p, double d) { return {d - p.x, p.y}; }

// The same item mirrored in x = d/2; an arc keeps running counter-clockwise, so its ends swap.
FrameItem mirrored(const FrameItem& item, double d)
{
    if (item.kind == FrameItem::Kind::Line)
        return lineItem(mirrored(item.line.from, d), mirrored(item.line.to, d));
    return arcItem(mirrored(item.arc.centre, d), item.arc.radius, mirrored(item.arc.to, d), mirrored(item.arc.from, d));
}

void append(FrameItems& to, const FrameItems& items)
{
    to.insert(to.end(), items.begin(), items.end());
}

// The end circles close the region where they reach both its sides; elsewhere the caps do.
RegionPieces closedRegion(const TwoWireValues& v, const TargetQuantities& q, double left, double right)
{
    const EndCircles c = endCirclesOf(v, q);
    if (const auto region = regionBetween(c, left, right, true, true))
        return *region;
    return cappedRegion(c, EndCapsOf(v, q), v.spacing, v.length, left, right);
}

} // namespace

FrameItems JoinedOutline(const TwoWireValues& v, const TargetQuantities& q)
{
    const double bx = v.targetHalfWidth;
    const RegionPieces region = closedRegion(v, q, -bx, v.spacing + bx);
    FrameItems out;
    append(out, region.near);
    append(out, region.far);
    if (region.leftSide)
        out.push_back(*region.leftSide);
    if (region.rightSide)
        out.push_back(*region.rightSide);
    return out;
}

double GapHalfWidth(const TwoWireValues& v)
{
    const double hr = v.sphereRadius;
    const double drop = (v.lowestHeight + hr) - v.targetHeight;
    return std::sqrt(std::pow(hr, 2.0) - drop * drop);
}

FrameItems SeparateOutlines(const TwoWireValues& v, const TargetQuantities& q)
{
    const double d = v.spacing;
    const double bx = v.targetHalfWidth;
    const double outer = -bx;
    const double inner = d / 2 - GapHalfWidth(v);
    if (!(outer < inner))
        return {}; // the sphere from outside and the one between the wires overlap: nothing protected at hx

    // Below t (h' > Hr, bx > 0) the ends keep the caps about the wire ends, as the enclosing outline has them.
    const RegionPieces w = v.height > v.sphereRadius && bx > 0
                               ? cappedRegion(endCirclesOf(v, q), EndCapsOf(v, q), d, v.length, outer, inner)
                               : closedRegion(v, q, outer, inner);
    FrameItems rightNear, rightFar;
    for (const FrameItem& item : w.near)
        rightNear.push_back(mirrored(item, d));
    for (const FrameItem& item : w.far)
        rightFar.push_back(mirrored(item, d));
    // Both near ends, both far ends, both outer sides, both inner sides.
    FrameItems out;
    append(out, w.near);
    append(out, rightNear);
    append(out, w.far);
    append(out, rightFar);
    for (const auto& side : {w.leftSide, w.rightSide}) {
        if (side) {
            out.push_back(*side);
            out.push_back(mirrored(*side, d));
        }
    }
    return out;
}

} // namespace wires
