// The four-rod outline at the target height around a centre hole: only the boundary of what is protected.
#include "rods/four_rod_hole_outline.h"

#include "geometry/draw_arc.h"
#include "platform/cad/geometry/geometry_intersect.h"
#include "platform/cad/geometry/geometry_transform.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace rods {

namespace {

// rx and r0 are taken with three decimals, so an rx circle and the inner circle it meets may overlap
// by up to a millimetre where they should only touch: a stretch counts as inside a circle only deeper.
constexpr double kInsideBy = 0.001;
// A crossing this close to an arc's end (radians) cuts nothing.
constexpr double kEndAngle = 1e-9;

constexpr int Rx0 = 0, InnerSouth = 4, Hole = 8, CurveCount = 9; // the nine curves, indexed

struct Disc {
    FramePoint centre;
    double radius = 0.0;
    bool holds(const FramePoint& p) const { return std::hypot(p.x - centre.x, p.y - centre.y) < radius - kInsideBy; }
};

// One of the nine curves as the drawing engine holds it once drawn; the hole is a whole circle that,
// for ordering its stretches, starts straight below the centre.
struct Traced {
    FrameArc arc;
    bool full = false;
    double start = 0.0; // direction of the start, radians
    double end = 0.0;
    double sweep = 0.0; // counter-clockwise

    cad::geom::CircleArc engineCurve() const
    {
        if (full)
            return {toPoint(arc.centre), arc.radius};
        return {toPoint(arc.centre), arc.radius, start, end, false};
    }
    FramePoint at(double along) const
    {
        const double t = start + along;
        return {arc.centre.x + arc.radius * std::cos(t), arc.centre.y + arc.radius * std::sin(t)};
    }
    double along(const FramePoint& p) const
    {
        return cad::geom::normalizeAngle(std::atan2(p.y - arc.centre.y, p.x - arc.centre.x) - start);
    }
};

Traced traced(const FrameArc& arc)
{
    const cad::Point c = toPoint(arc.centre);
    const double start = geometry::ArcEndDirection(c, toPoint(arc.from));
    const double end = geometry::ArcEndDirection(c, toPoint(arc.to));
    return {arc, false, start, end, cad::geom::arcSweep(start, end)};
}

// A cut of a curve: where along it, and the crossing point itself, so that the two curves it joins
// end on the very same point.
struct Cut {
    double along = 0.0;
    FramePoint point;
};

// A kept run of a curve, from one cut (or the curve's own end) to another.
struct Run {
    Cut from, to;
};

bool inside(const std::array<FramePoint, 8>& polygon, const FramePoint& p)
{
    bool in = false;
    for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const FramePoint& a = polygon[i];
        const FramePoint& b = polygon[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
            in = !in;
    }
    return in;
}

class HoleClip {
public:
    HoleClip(const std::array<FrameArc, 4>& rx, const std::array<FrameArc, 4>& inner, double holeRadius,
             const FramePoint& centre)
    {
        for (int i = 0; i < 4; ++i) {
            m_curves[Rx0 + i] = traced(rx[i]);
            m_curves[InnerSouth + i] = traced(inner[i]);
            m_octagon[2 * i] = rx[i].from;
            m_octagon[2 * i + 1] = rx[i].to;
            m_inner[i] = {inner[i].centre, inner[i].radius};
        }
        m_curves[Hole] = {{centre, holeRadius, {}, {}}, true, 1.5 * std::numbers::pi, 0.0, 2.0 * std::numbers::pi};
        m_hole = {centre, holeRadius};
        // Each pair once, the later curve asked first (the hole before all, north before south), so
        // both curves of a pair are cut at the same points.
        for (int i = 0; i < CurveCount; ++i)
            for (int j = 0; j < i; ++j)
                for (const cad::Point& p : cad::geom::intersectCircleCircle(m_curves[i].engineCurve(), false,
                                                                            m_curves[j].engineCurve(), false)) {
                    addCut(i, {p[0], p[1]});
                    addCut(j, {p[0], p[1]});
                }
    }

    // The runs of a curve that bound the protected area, in order along it.
    std::vector<Run> runs(int curve) const
    {
        const Traced& c = m_curves[curve];
        std::vector<Cut> cuts = m_cuts[curve];
        std::sort(cuts.begin(), cuts.end(), [](const Cut& a, const Cut& b) { return a.along < b.along; });
        cuts.insert(cuts.begin(), Cut{0.0, c.full ? c.at(0.0) : c.arc.from});
        cuts.push_back(Cut{c.sweep, c.full ? c.at(0.0) : c.arc.to});
        std::vector<Run> out;
        for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
            if (!bounds(curve, c.at((cuts[i].along + cuts[i + 1].along) / 2.0)))
                continue;
            if (!out.empty() && out.back().to.along == cuts[i].along)
                out.back().to = cuts[i + 1]; // the cut between them divides nothing
            else
                out.push_back({cuts[i], cuts[i + 1]});
        }
        // A whole circle that is kept on both sides of where it starts: one run across that point.
        if (c.full && out.size() > 1 && out.front().from.along == 0.0 && out.back().to.along == c.sweep) {
            out.front().from = out.back().from;
            out.pop_back();
        }
        return out;
    }

    bool whole(const std::vector<Run>& runs, int curve) const
    {
        return runs.size() == 1 && runs[0].from.along == 0.0 && runs[0].to.along == m_curves[curve].sweep;
    }

    // Two runs, one from each end of the arc: it is cut once, between them.
    bool cutOnce(const std::vector<Run>& runs, int curve) const
    {
        return runs.size() == 2 && runs[0].from.along == 0.0 && runs[1].to.along == m_curves[curve].sweep;
    }

private:
    void addCut(int curve, const FramePoint& p)
    {
        const Traced& c = m_curves[curve];
        const double along = c.along(p);
        if (c.full || (along > kEndAngle && along < c.sweep - kEndAngle))
            m_cuts[curve].push_back({along, p});
    }

    bool insideAnInner(const FramePoint& p, int except) const
    {
        for (int i = 0; i < 4; ++i)
            if (InnerSouth + i != except && m_inner[i].holds(p))
                return true;
        return false;
    }

    bool enclosed(const FramePoint& p) const
    {
        for (int i = 0; i < 4; ++i) {
            const FrameArc& rx = m_curves[Rx0 + i].arc;
            if (std::hypot(p.x - rx.centre.x, p.y - rx.centre.y) < rx.radius)
                return true;
        }
        return inside(m_octagon, p);
    }

    bool bounds(int curve, const FramePoint& p) const
    {
        if (curve == Hole)
            return enclosed(p) && !insideAnInner(p, -1);
        return !m_hole.holds(p) && !insideAnInner(p, curve);
    }

    std::array<Traced, CurveCount> m_curves;
    std::array<std::vector<Cut>, CurveCount> m_cuts;
    std::array<FramePoint, 8> m_octagon;
    std::array<Disc, 4> m_inner;
    Disc m_hole;
};

FrameArc pieceOf(const FrameArc& arc, const Run& run) { return {arc.centre, arc.radius, run.from.point, run.to.point}; }

} // namespace

void ClipFourRodOutlineAtHole(FourRodTargetOutline& o, const std::array<FrameArc, 4>& rxArcs,
                              const std::array<FrameArc, 4>& innerArcs, double holeRadius, const FramePoint& centre)
{
    const HoleClip clip(rxArcs, innerArcs, holeRadius, centre);
    bool anything = false;
    for (int i = 0; i < 4; ++i) {
        const auto runs = clip.runs(Rx0 + i);
        if (clip.whole(runs, Rx0 + i))
            o.rxArcs.push_back(rxArcs[i]);
        else
            for (const Run& run : runs)
                o.rxArcs.push_back(pieceOf(rxArcs[i], run));
        anything = anything || !runs.empty();
    }

    // Whole inner arcs first, then the pieces, each side's from its far end back to its near end.
    std::vector<FrameArc> pieces;
    for (const FourRodSide side : {South, East, North, West}) {
        const FrameArc& arc = innerArcs[side];
        const auto runs = clip.runs(InnerSouth + side);
        anything = anything || !runs.empty();
        if (clip.whole(runs, InnerSouth + side)) {
            o.innerArcs.push_back(arc);
            continue;
        }
        if (clip.cutOnce(runs, InnerSouth + side))
            o.cuts[side] = std::pair{runs.back().from.point, runs.front().to.point};
        for (auto run = runs.rbegin(); run != runs.rend(); ++run)
            pieces.push_back(pieceOf(arc, *run));
    }
    o.innerArcs.insert(o.innerArcs.end(), pieces.begin(), pieces.end());

    const auto holeRuns = clip.runs(Hole);
    anything = anything || !holeRuns.empty();
    if (clip.whole(holeRuns, Hole))
        o.holeCircleKept = true;
    else
        for (const Run& run : holeRuns)
            o.holeArcs.push_back({centre, holeRadius, run.from.point, run.to.point});
    o.nothingProtected = !anything;
}

} // namespace rods
