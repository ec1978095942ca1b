// Plan outlines of four rods on a rectangle: at the ground, and at the target height with its centre hole.
#include "rods/four_rod_plan.h"

#include "platform/cad/geometry/geometry_intersect.h"
#include "rods/four_rod_hole_outline.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace rods {

namespace {

struct PlanPoints {
    FramePoint rod[4];   // (0, 0), (a, 0), (a, b), (0, b)
    FramePoint axis[4];  // S, E, N, W
    FramePoint end[8];   // A1 .. A8
};

PlanPoints pointsOf(const FourRodPlanInput& in)
{
    const double a = in.longSide, b = in.shortSide, c1 = in.longAxisReach, c2 = in.shortAxisReach;
    const double rx = in.targetHalfWidth, r0 = in.groundHalfWidth;
    // A ground radius that reads 0.000 leaves no room for a zone at any height: the ends fall on the rods.
    const auto drawnIn = [&](double v) { return r0 > 0.0 ? (v * rx) / r0 : 0.0; };
    const double qc2 = drawnIn(c2), qa = drawnIn(a / 2.0), qc1 = drawnIn(c1), qb = drawnIn(b / 2.0);
    PlanPoints p{};
    p.rod[0] = {0.0, 0.0};
    p.rod[1] = {a, 0.0};
    p.rod[2] = {a, b};
    p.rod[3] = {0.0, b};
    p.axis[South] = {a / 2.0, -c2};
    p.axis[East] = {a + c1, b / 2.0};
    p.axis[North] = {a / 2.0, b + c2};
    p.axis[West] = {-c1, b / 2.0};
    p.end[0] = {-qc1, qb};
    p.end[1] = {qa, -qc2};
    p.end[2] = {a - qa, -qc2};
    p.end[3] = {a + qc1, qb};
    p.end[4] = {a + qc1, b - qb};
    p.end[5] = {a - qa, b + qc2};
    p.end[6] = {qa, b + qc2};
    p.end[7] = {-qc1, b - qb};
    return p;
}

FramePoint toFrame(const cad::Point& p) { return {p[0], p[1]}; }

std::vector<FramePoint> crossings(const cad::geom::CircleArc& a, const cad::geom::CircleArc& b)
{
    std::vector<FramePoint> out;
    for (const cad::Point& p : cad::geom::intersectCircleCircle(a, false, b, false))
        out.push_back(toFrame(p));
    return out;
}

// The two points of a crossing pair ordered by x (byX) or by y, the smaller first.
std::pair<FramePoint, FramePoint> ordered(const std::vector<FramePoint>& two, bool byX)
{
    const FramePoint& p = two[0];
    const FramePoint& q = two[1];
    const bool pFirst = byX ? p.x <= q.x : p.y <= q.y;
    return pFirst ? std::pair{p, q} : std::pair{q, p};
}

// The cut points of a side's arc in the order its pieces use them, from its two crossings.
std::pair<FramePoint, FramePoint> cutsOf(FourRodSide side, const std::vector<FramePoint>& two)
{
    switch (side) {
    case South: return ordered(two, true);                                    // left, right
    case East: return ordered(two, false);                                    // lower, upper
    case North: { const auto o = ordered(two, true); return {o.second, o.first}; } // right, left
    case West: { const auto o = ordered(two, false); return {o.second, o.first}; } // upper, lower
    }
    return {};
}

// The two pieces of a cut inner arc: from the first cut to the arc's to-end, from its from-end to
// the second cut.
void addPieces(std::vector<FrameArc>& out, const FrameArc& arc, const std::pair<FramePoint, FramePoint>& cut)
{
    out.push_back({arc.centre, arc.radius, cut.first, arc.to});
    out.push_back({arc.centre, arc.radius, arc.from, cut.second});
}

} // namespace

std::vector<FrameArc> FourRodGroundArcs(const FourRodPlanInput& in)
{
    const PlanPoints p = pointsOf(in);
    const double r0 = in.groundHalfWidth;
    return {
        {p.rod[0], r0, p.axis[West], p.axis[South]},
        {p.rod[1], r0, p.axis[South], p.axis[East]},
        {p.rod[2], r0, p.axis[East], p.axis[North]},
        {p.rod[3], r0, p.axis[North], p.axis[West]},
    };
}

std::optional<double> FourRodHoleRadius(double targetHeight, double lowestHeight, double sphereRadius)
{
    const double u = targetHeight - lowestHeight;
    const double radicand = 2.0 * sphereRadius * u - u * u;
    if (radicand < 0.0)
        return std::nullopt;
    return std::sqrt(radicand);
}

std::array<FrameArc, 4> FourRodRxArcs(const FourRodPlanInput& in)
{
    const PlanPoints p = pointsOf(in);
    const double rx = in.targetHalfWidth;
    return {{
        {p.rod[0], rx, p.end[0], p.end[1]},
        {p.rod[1], rx, p.end[2], p.end[3]},
        {p.rod[2], rx, p.end[4], p.end[5]},
        {p.rod[3], rx, p.end[6], p.end[7]},
    }};
}

std::array<FrameArc, 4> FourRodInnerArcs(const FourRodPlanInput& in)
{
    const PlanPoints p = pointsOf(in);
    const double w = in.groundHalfWidth - in.targetHalfWidth;
    return {{
        {p.axis[South], w, p.end[2], p.end[1]},
        {p.axis[East], w, p.end[4], p.end[3]},
        {p.axis[North], w, p.end[6], p.end[5]},
        {p.axis[West], w, p.end[0], p.end[7]},
    }};
}

FourRodTargetOutline FourRodTargetOutlineOf(const FourRodPlanInput& in)
{
    FourRodTargetOutline o;
    o.holeRadius = FourRodHoleRadius(in.targetHeight, in.lowestHeight, in.sphereRadius);
    // rx reads 0.000: no zone is left about each rod. With a hole, it is taken as closed at hx. Without
    // one, the centre is protected: the region between the rods, outside the inner circles, which then
    // run from rod to rod.
    const bool rodZones = in.targetHalfWidth > 0.0001;
    if (!rodZones && o.holeRadius) {
        o.nothingProtected = true;
        return o;
    }
    const std::array<FrameArc, 4> rx = FourRodRxArcs(in);
    const std::array<FrameArc, 4> inner = FourRodInnerArcs(in);
    if (o.holeRadius) {
        FourRodHoleOutline clipped =
            FourRodOutlineAroundHole(rx, inner, *o.holeRadius, {in.longSide / 2.0, in.shortSide / 2.0});
        o.nothingProtected = clipped.empty();
        o.rxArcs = std::move(clipped.rxArcs);
        o.holeCircleKept = clipped.holeCircleKept;
        o.innerArcs = std::move(clipped.innerArcs);
        o.holeArcs = std::move(clipped.holeArcs);
        return o;
    }

    if (rodZones)
        o.rxArcs.assign(rx.begin(), rx.end());
    std::array<std::optional<std::pair<FramePoint, FramePoint>>, 4> cuts;
    const double w = in.groundHalfWidth - in.targetHalfWidth;
    if (in.shortAxisReach + in.shortSide / 2.0 < w) {
        const cad::geom::CircleArc s{toPoint(inner[South].centre), w};
        const cad::geom::CircleArc n{toPoint(inner[North].centre), w};
        const auto cross = crossings(s, n);
        if (cross.size() == 2) {
            cuts[South] = cutsOf(South, cross);
            cuts[North] = cutsOf(North, cross);
        }
    }
    for (const FourRodSide side : {South, East, North, West})
        if (!cuts[side])
            o.innerArcs.push_back(inner[side]);
    for (const FourRodSide side : {South, East, North, West})
        if (cuts[side])
            addPieces(o.innerArcs, inner[side], *cuts[side]);
    return o;
}

} // namespace rods
