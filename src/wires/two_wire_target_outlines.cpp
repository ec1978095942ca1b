// The joined and the separate target-height outlines of two parallel wires, in their local frame (metres).
#include "wires/two_wire_target_outlines.h"

#include "wires/two_wire_end_circles.h"

#include <cmath>
#include <optional>

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

// The region between the facing arcs over [left, right], its pieces in drawing order.
struct Region {
    FrameItems near; // on C1, each counter-clockwise from its right end to its left end
    FrameItems far;  // on C2, from left to right
    std::optional<FrameItem> leftSide;
    std::optional<FrameItem> rightSide;
};

// Sides close the ends asked for (unless the arcs were cut there); nothing when an end misses a circle.
std::optional<Region> regionBetween(const EndCircles& c, double left, double right, bool sideLeft, bool sideRight)
{
    const auto nearLeft = c.onNear(left), nearRight = c.onNear(right);
    const auto farLeft = c.onFar(left), farRight = c.onFar(right);
    if (!nearLeft || !nearRight || !farLeft || !farRight)
        return std::nullopt;
    Region r;
    const double crossY = (c.nearCentreY + c.farCentreY) / 2;
    for (const ArcStretch& s : unpassedStretches(c, left, right)) {
        const FramePoint nl = s.leftCut ? FramePoint{s.left, crossY} : *c.onNear(s.left);
        const FramePoint nr = s.rightCut ? FramePoint{s.right, crossY} : *c.onNear(s.right);
        const FramePoint fl = s.leftCut ? nl : *c.onFar(s.left);
        const FramePoint fr = s.rightCut ? nr : *c.onFar(s.right);
        r.near.push_back(arcItem(c.nearCentre(), c.radius, nr, nl));
        r.far.push_back(arcItem(c.farCentre(), c.radius, fl, fr));
        if (sideLeft && !s.leftCut && s.left == left)
            r.leftSide = lineItem(*nearLeft, *farLeft);
        if (sideRight && !s.rightCut && s.right == right)
            r.rightSide = lineItem(*nearRight, *farRight);
    }
    return r;
}

FramePoint mirrored(FramePoint p, double d) { return {d - p.x, p.y}; }

// The same item mirrored in x = d/2; an arc keeps running counter-clockwise, so its ends swap.
FrameItem mirrored(const FrameItem& item, double d)
{
    if (item.kind == FrameItem::Kind::Line)
        return lineItem(mirrored(item.line.from, d), mirrored(item.line.to, d));
    return arcItem(mirrored(item.arc.centre, d), item.arc.radius, mirrored(item.arc.to, d), mirrored(item.arc.from, d));
}

// One outline along wire 1; wire 2's is its mirror image.
struct WireOutline {
    FrameItems near, far;
    std::optional<FrameItem> outer, inner;
};

void append(FrameItems& to, const FrameItems& items)
{
    to.insert(to.end(), items.begin(), items.end());
}

} // namespace

OutlineItems JoinedOutline(const TwoWireValues& v, const TargetQuantities& q)
{
    const double bx = v.targetHalfWidth;
    const auto region = regionBetween(endCirclesOf(v, q), -bx, v.spacing + bx, true, true);
    if (!region)
        return {{}, true};
    OutlineItems out;
    append(out.items, region->near);
    append(out.items, region->far);
    if (region->leftSide)
        out.items.push_back(*region->leftSide);
    if (region->rightSide)
        out.items.push_back(*region->rightSide);
    return out;
}

double GapHalfWidth(const TwoWireValues& v)
{
    const double hr = v.sphereRadius;
    const double drop = (v.lowestHeight + hr) - v.targetHeight;
    return std::sqrt(std::pow(hr, 2.0) - drop * drop);
}

OutlineItems SeparateOutlines(const TwoWireValues& v, const TargetQuantities& q)
{
    const double d = v.spacing;
    const double l = v.length;
    const double bx = v.targetHalfWidth;
    const double outer = -bx;
    const double inner = d / 2 - GapHalfWidth(v);
    if (!(outer < inner))
        return {}; // the sphere from outside and the one between the wires overlap: nothing protected at hx

    const EndCircles c = endCirclesOf(v, q);
    WireOutline w;
    if (v.height > v.sphereRadius && bx > 0) {
        // Below t the ends keep the caps about the wire ends, as the enclosing outline has them.
        const double e = q.endOffset;
        const double r = q.capRadius;
        const double qx = q.capReach;
        const double p = q.capDepth;
        w.outer = lineItem({outer, -e}, {outer, l + e});
        if (inner <= qx) {
            // The band's edge cuts the caps themselves.
            const double y = std::sqrt(r * r - inner * inner);
            w.near.push_back(arcItem({0, 0}, r, {outer, -e}, {inner, -y}));
            w.far.push_back(arcItem({0, l}, r, {inner, l + y}, {outer, l + e}));
            w.inner = lineItem({inner, -y}, {inner, l + y});
        } else {
            const auto region = regionBetween(c, qx, inner, false, true);
            if (!region)
                return {{}, true};
            w.near.push_back(arcItem({0, 0}, r, {outer, -e}, {qx, -p}));
            append(w.near, region->near);
            append(w.far, region->far);
            w.far.push_back(arcItem({0, l}, r, {qx, l + p}, {outer, l + e}));
            w.inner = region->rightSide;
        }
    } else {
        const auto region = regionBetween(c, outer, inner, true, true);
        if (!region)
            return {{}, true};
        w.near = region->near;
        w.far = region->far;
        w.outer = region->leftSide;
        w.inner = region->rightSide;
    }

    FrameItems rightNear, rightFar;
    for (const FrameItem& item : w.near)
        rightNear.push_back(mirrored(item, d));
    for (const FrameItem& item : w.far)
        rightFar.push_back(mirrored(item, d));
    // Both near ends, both far ends, both outer sides, both inner sides.
    OutlineItems out;
    append(out.items, w.near);
    append(out.items, rightNear);
    append(out.items, w.far);
    append(out.items, rightFar);
    for (const auto& side : {w.outer, w.inner}) {
        if (side) {
            out.items.push_back(*side);
            out.items.push_back(mirrored(*side, d));
        }
    }
    return out;
}

} // namespace wires
