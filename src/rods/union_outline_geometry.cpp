// The plan geometry shared by the rod-group union outlines.
#include "rods/union_outline_geometry.h"

#include "platform/cad/geometry/geometry_intersect.h"
#include "platform/cad/geometry/geometry_transform.h"

#include <algorithm>

namespace rods {

cad::Point WorkFrame::toWork(const cad::Point& world) const
{
    return cad::geom::rotatePoint(world, origin, -1.0 * angle);
}

cad::Point WorkFrame::toWorld(const cad::Point& work) const
{
    return cad::geom::rotatePoint(work, origin, angle);
}

std::optional<HelperCircle> helperCircleAt(const WorkFrame& frame, const cad::Point& worldCentre, double radius,
                                           double smallest)
{
    if (!(radius > smallest))
        return std::nullopt;
    return HelperCircle{frame.toWork(worldCentre), radius};
}

Crossings circleCrossings(const std::optional<HelperCircle>& a, const std::optional<HelperCircle>& b)
{
    if (!a || !b)
        return {};
    const cad::geom::CircleArc ca{a->centre, a->radius};
    const cad::geom::CircleArc cb{b->centre, b->radius};
    return cad::geom::intersectCircleCircle(ca, false, cb, false);
}

Crossings crossingPoints(const std::vector<double>& flat)
{
    Crossings out;
    for (std::size_t i = 0; i + 2 < flat.size(); i += 3)
        out.push_back({flat[i], flat[i + 1], flat[i + 2]});
    return out;
}

std::optional<cad::Point> chooseCrossing(const Crossings& points, CrossingChoice choice)
{
    if (choice == CrossingChoice::First)
        return points.empty() ? std::nullopt : std::optional<cad::Point>(points[0]);
    if (points.size() < 2)
        return std::nullopt;
    const bool byX = choice == CrossingChoice::SmallerX || choice == CrossingChoice::LargerX;
    const bool smaller = choice == CrossingChoice::SmallerX || choice == CrossingChoice::SmallerY;
    const int c = byX ? 0 : 1;
    // Strictly greater decides, so a tie gives point 1 as the smaller and point 2 as the larger.
    const bool firstGreater = points[0][c] > points[1][c];
    if (smaller)
        return firstGreater ? points[1] : points[0];
    return firstGreater ? points[0] : points[1];
}

std::optional<OutlineArc> arcBetween(const std::optional<HelperCircle>& circle, const std::optional<cad::Point>& from,
                                     const std::optional<cad::Point>& to, double radiusDelta)
{
    if (!circle || !from || !to)
        return std::nullopt;
    return OutlineArc{circle->centre, circle->radius + radiusDelta, *from, *to};
}

std::optional<ArcSpan> mergedSpan(const ArcSpan& a, const ArcSpan& b)
{
    // Angles within this of each other are one direction; far below any arc the outlines draw.
    constexpr double kSameDirection = 1e-9;
    const double sweepA = cad::geom::arcSweep(a.start, a.end);
    const double sweepB = cad::geom::arcSweep(b.start, b.end);
    auto cover = [](double start, double sweep, double otherStart, double otherSweep) -> std::optional<ArcSpan> {
        const double at = cad::geom::normalizeAngle(otherStart - start);
        if (at > sweep + kSameDirection)
            return std::nullopt; // the other starts beyond this one's end
        const double reach = std::min(cad::geom::kTwoPi, std::max(sweep, at + otherSweep));
        return ArcSpan{start, cad::geom::normalizeAngle(start + reach)};
    };
    if (auto span = cover(a.start, sweepA, b.start, sweepB))
        return span;
    return cover(b.start, sweepB, a.start, sweepA);
}

} // namespace rods
