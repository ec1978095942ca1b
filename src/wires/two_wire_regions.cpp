// A target-height region of two parallel wires over a stretch of x, closed at the ends by the end circles
// or, where these do not reach, by the caps about the wire ends (local frame, metres).
#include "wires/two_wire_regions.h"

#include <algorithm>
#include <cmath>

namespace wires {

using geometry::arcItem;
using geometry::FramePoint;
using geometry::lineItem;

namespace {
// Metres. A side shorter than this joins two arcs that meet where it stands: it is left out.
constexpr double kNoLength = 1e-9;
} // namespace

std::optional<RegionPieces> regionBetween(const EndCircles& c, double left, double right, bool sideLeft, bool sideRight)
{
    const auto nearLeft = c.onNear(left), nearRight = c.onNear(right);
    const auto farLeft = c.onFar(left), farRight = c.onFar(right);
    if (!nearLeft || !nearRight || !farLeft || !farRight)
        return std::nullopt;
    RegionPieces r;
    const double crossY = (c.nearCentreY + c.farCentreY) / 2;
    for (const ArcStretch& s : unpassedStretches(c, left, right)) {
        const FramePoint nl = s.leftCut ? FramePoint{s.left, crossY} : *c.onNear(s.left);
        const FramePoint nr = s.rightCut ? FramePoint{s.right, crossY} : *c.onNear(s.right);
        const FramePoint fl = s.leftCut ? nl : *c.onFar(s.left);
        const FramePoint fr = s.rightCut ? nr : *c.onFar(s.right);
        // On C1 counter-clockwise from the right end to the left one, on C2 from left to right.
        r.near.push_back(arcItem(c.nearCentre(), c.radius, nr, nl));
        r.far.push_back(arcItem(c.farCentre(), c.radius, fl, fr));
        if (sideLeft && !s.leftCut && s.left == left && farLeft->y - nearLeft->y > kNoLength)
            r.leftSide = lineItem(*nearLeft, *farLeft);
        if (sideRight && !s.rightCut && s.right == right && farRight->y - nearRight->y > kNoLength)
            r.rightSide = lineItem(*nearRight, *farRight);
    }
    return r;
}

EndCaps EndCapsOf(const TwoWireValues& v, const TargetQuantities& q)
{
    if (v.height > v.sphereRadius)
        return {q.capRadius, {q.capReach, -q.capDepth}}; // (q, −p) is where cap and circle meet
    // Low wires: the circle's centre lies bo = R + b(hx) from the wire end, on the line to it.
    const double toCentre = std::hypot(v.spacing / 2, v.endReach);
    const double share = toCentre > 0 ? q.capRadius / toCentre : 0.0;
    return {q.capRadius, {v.spacing / 2 * share, -v.endReach * share}};
}

RegionPieces cappedRegion(const EndCircles& c, const EndCaps& caps, double spacing, double length, double left,
                          double right)
{
    const double r = caps.radius;
    const double touchX = caps.touch.x;
    const double d = spacing;
    const double l = length;
    // How far below its wire end the cap about that end passes, dx across from it.
    const auto drop = [r](double dx) { return rise(r, dx).value_or(0.0); };
    const auto side = [&](double x, double dx) -> std::optional<geometry::FrameItem> {
        if (!(l + 2 * drop(dx) > kNoLength))
            return std::nullopt;
        return lineItem({x, -drop(dx)}, {x, l + drop(dx)});
    };

    RegionPieces out;
    geometry::FrameItems farCaps;
    // The cap about wire 1's end, up to where it touches the end circle.
    const double capEnd = std::min(right, touchX);
    if (left < capEnd) {
        const FramePoint from{left, -drop(left)};
        const FramePoint to = capEnd == touchX ? caps.touch : FramePoint{capEnd, -drop(capEnd)};
        out.near.push_back(arcItem({0, 0}, r, from, to));
        farCaps.push_back(arcItem({0, l}, r, {to.x, l - to.y}, {from.x, l - from.y}));
    }
    if (left <= touchX)
        out.leftSide = side(left, left);
    if (right <= touchX)
        out.rightSide = side(right, right);

    // The end circles between the two touching points.
    const double circleFrom = std::max(left, touchX);
    const double circleTo = std::min(right, d - touchX);
    if (circleFrom < circleTo) {
        if (const auto between = regionBetween(c, circleFrom, circleTo, circleFrom == left, circleTo == right)) {
            out.near.insert(out.near.end(), between->near.begin(), between->near.end());
            out.far.insert(out.far.end(), between->far.begin(), between->far.end());
            if (between->leftSide)
                out.leftSide = between->leftSide;
            if (between->rightSide)
                out.rightSide = between->rightSide;
        }
    }

    // The cap about wire 2's end, from where it touches the end circle.
    const double capStart = std::max(left, d - touchX);
    if (capStart < right) {
        const FramePoint from =
            capStart == d - touchX ? FramePoint{d - touchX, caps.touch.y} : FramePoint{capStart, -drop(d - capStart)};
        const FramePoint to{right, -drop(d - right)};
        out.near.push_back(arcItem({d, 0}, r, from, to));
        farCaps.push_back(arcItem({d, l}, r, {to.x, l - to.y}, {from.x, l - from.y}));
    }
    if (right >= d - touchX)
        out.rightSide = side(right, d - right);

    out.far.insert(out.far.end(), farCaps.begin(), farCaps.end());
    return out;
}

} // namespace wires
