// The four-rod outline at the target height around a centre hole: only the boundary of what is protected.
#include "rods/four_rod_hole_outline.h"

#include "geometry/draw_arc.h"
#include "platform/cad/geometry/geometry_intersect.h"
#include "platform/cad/geometry/geometry_transform.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

namespace rods {

namespace {

using geometry::FrameArc;
using geometry::FramePoint;

// Circles that come this close (metres) to touching are taken to touch: neither cuts the other, and
// which lies in which follows from how they touch, not from where a point of one falls against the
// other. The traced rx and inner circles touch exactly where their arcs meet (traced()), so between
// them only the rounding of the arithmetic is allowed for.
constexpr double kTouchGap = 1e-9;
// The inner circles' radius r0 − rx carries the rounding of both to three decimals, so two inner
// circles, or an inner circle and the hole, that touch in exact values may cross or miss each other
// by up to a millimetre. An rx circle may itself be a millimetre small: it gets no such allowance.
constexpr double kRoundingGap = 0.001;
// How far (metres) the drawn circles' crossing may stand from the traced circles' to be taken for it.
constexpr double kDrawnCrossingReach = 0.05;
// A stretch shorter than this (metres) is none: its two ends are one point.
constexpr double kShortest = 1e-7;
// A stretch is judged at this many points spread along it.
constexpr int kSamples = 7;

constexpr int Rx0 = 0, InnerSouth = 4, Hole = 8, CurveCount = 9; // the nine curves, indexed

// How the circle of one curve stands to that of another.
enum class Relation {
    Apart,   // they cross, or stand clear of each other: where a stretch lies is found from its points
    Outside, // they touch from outside
    Within,  // it touches the other from inside
    Around,  // the other touches it from inside
};

Relation relationOf(const FrameArc& a, const FrameArc& b, double gap)
{
    const double d = std::hypot(b.centre.x - a.centre.x, b.centre.y - a.centre.y);
    if (std::abs(d - (a.radius + b.radius)) < gap)
        return Relation::Outside;
    if (std::abs(d - std::abs(a.radius - b.radius)) < gap)
        return a.radius <= b.radius ? Relation::Within : Relation::Around;
    return Relation::Apart;
}

// One of the nine curves as it is cut and judged: an rx or inner arc on the circle through its ends
// (traced()), the hole a whole circle that, for ordering its stretches, starts straight below the centre.
struct Traced {
    FrameArc arc;
    bool full = false;
    double start = 0.0; // direction of the start, radians
    double sweep = 0.0; // counter-clockwise

    FramePoint at(double along) const
    {
        const double t = start + along;
        return {arc.centre.x + arc.radius * std::cos(t), arc.centre.y + arc.radius * std::sin(t)};
    }
    double along(const FramePoint& p) const
    {
        return cad::geom::normalizeAngle(std::atan2(p.y - arc.centre.y, p.x - arc.centre.x) - start);
    }
    // How far along the curve (radians) a stretch must reach to be one.
    double shortest() const { return arc.radius > 0.0 ? kShortest / arc.radius : 0.0; }
};

// An rx arc or an inner arc, traced on the circle about its centre through its ends. The ends lie on
// the line from a rod to an axis point, at rx and r0 − rx from the two in exact values; with rx and r0
// rounded the drawn circles miss them by up to half a millimetre, and an rx circle and the inner
// circle it meets would cross or stand apart there. Through the ends they touch exactly where the
// arcs meet, so that a third circle passing by is cut and judged against one meeting point.
Traced traced(const FrameArc& arc)
{
    const cad::Point c = toPoint(arc.centre);
    const double start = geometry::ArcEndDirection(c, toPoint(arc.from));
    const double end = geometry::ArcEndDirection(c, toPoint(arc.to));
    FrameArc throughEnds = arc;
    throughEnds.radius = std::hypot(arc.from.x - arc.centre.x, arc.from.y - arc.centre.y);
    return {throughEnds, false, start, cad::geom::arcSweep(start, end)};
}

// A cut of a curve: where along it, and the crossing point itself, so that the two curves it joins
// end on the very same point.
struct Cut {
    double along = 0.0;
    FramePoint point;
    int crossing = -1; // which crossing of two curves, none for a curve's own end
};

// Where two curves cross: on the traced circles, which decide the order of the cuts, and, where the
// drawn circles cross there too, on those, which give the pieces their ends.
struct Crossing {
    int curves[2];
    FramePoint traced;
    std::optional<FramePoint> drawn;
};

// A kept run of a curve, from one cut (or the curve's own end) to another.
struct Run {
    Cut from, to;
};

bool inPolygon(const std::array<FramePoint, 8>& polygon, const FramePoint& p)
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

using Samples = std::array<FramePoint, kSamples>;

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
        }
        m_curves[Hole] = {{centre, holeRadius, {}, {}}, true, 1.5 * std::numbers::pi, 2.0 * std::numbers::pi};
        for (int i = 0; i < CurveCount; ++i)
            for (int j = 0; j < CurveCount; ++j)
                m_relation[i][j] = relationBetween(i, j, rx, inner);
        // Each pair once, the later curve asked first (the hole before all, north before south), so
        // both curves of a pair are cut at the same points. The whole circles are crossed, so that no
        // stretch runs into another circle where that one is not drawn.
        for (int i = 0; i < CurveCount; ++i)
            for (int j = 0; j < i; ++j)
                if (m_relation[i][j] == Relation::Apart)
                    cross(i, j, rx, inner);
        for (auto& cuts : m_cuts)
            std::sort(cuts.begin(), cuts.end(), [](const Cut& a, const Cut& b) { return a.along < b.along; });
        for (std::size_t k = 0; k < m_crossings.size(); ++k)
            endOnDrawnCircles(static_cast<int>(k));
    }

    // The runs of a curve that bound the protected area, in order along it.
    std::vector<Run> runs(int curve) const
    {
        const Traced& c = m_curves[curve];
        const std::vector<Cut>& cuts = m_cuts[curve];
        // The curve's own ends, and between them each cut that leaves a stretch on both sides.
        std::vector<Cut> stops{Cut{0.0, c.full ? c.at(0.0) : c.arc.from}};
        for (const Cut& cut : cuts)
            if (cut.along - stops.back().along >= c.shortest())
                stops.push_back(cut);
        while (stops.size() > 1 && c.sweep - stops.back().along < c.shortest())
            stops.pop_back();
        stops.push_back(Cut{c.sweep, c.full ? c.at(0.0) : c.arc.to});

        std::vector<Run> out;
        for (std::size_t i = 0; i + 1 < stops.size(); ++i) {
            if (!bounds(curve, samples(c, stops[i].along, stops[i + 1].along)))
                continue;
            if (!out.empty() && out.back().to.along == stops[i].along)
                out.back().to = stops[i + 1]; // the cut between them divides nothing
            else
                out.push_back({stops[i], stops[i + 1]});
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

    // How far a run reaches along its curve (radians); a run of the hole may reach across its start.
    double reach(int curve, const Run& run) const
    {
        const double d = run.to.along - run.from.along;
        return d >= 0.0 ? d : d + m_curves[curve].sweep;
    }

private:
    Relation relationBetween(int i, int j, const std::array<FrameArc, 4>& rx,
                             const std::array<FrameArc, 4>& inner) const
    {
        if (i == j)
            return Relation::Apart;
        if (i == Hole && j < InnerSouth && touchesTheHoleFromInside(j))
            return Relation::Around;
        if (j == Hole && i < InnerSouth && touchesTheHoleFromInside(i))
            return Relation::Within;
        if (i < InnerSouth || j < InnerSouth)
            return relationOf(m_curves[i].arc, m_curves[j].arc, kTouchGap);
        return relationOf(drawnArc(i, rx, inner), drawnArc(j, rx, inner), kRoundingGap);
    }

    // An rx circle inside the hole but for a sliver no wider than the rounding of rx, its arc's ends
    // inside too (as where hx is h0 + Hr): it touches the hole. The sliver it may leave outside is
    // bounded by that rx arc and the hole alone, and goes with the rx arc.
    bool touchesTheHoleFromInside(int rx) const
    {
        const FrameArc& arc = m_curves[rx].arc;
        const FrameArc& hole = m_curves[Hole].arc;
        const auto fromHole = [&](const FramePoint& p) { return std::hypot(p.x - hole.centre.x, p.y - hole.centre.y); };
        return arc.radius < hole.radius && std::abs(fromHole(arc.centre) + arc.radius - hole.radius) < kRoundingGap
               && fromHole(arc.from) < hole.radius && fromHole(arc.to) < hole.radius;
    }

    // The drawn arc of a curve: the arc as given, or the hole.
    const FrameArc& drawnArc(int curve, const std::array<FrameArc, 4>& rx, const std::array<FrameArc, 4>& inner) const
    {
        return curve == Hole ? m_curves[Hole].arc : curve < InnerSouth ? rx[curve] : inner[curve - InnerSouth];
    }

    // The drawn circle of a curve.
    cad::geom::CircleArc drawnCircle(int curve, const std::array<FrameArc, 4>& rx,
                                     const std::array<FrameArc, 4>& inner) const
    {
        const FrameArc& arc = drawnArc(curve, rx, inner);
        return {toPoint(arc.centre), arc.radius};
    }

    void cross(int i, int j, const std::array<FrameArc, 4>& rx, const std::array<FrameArc, 4>& inner)
    {
        const cad::geom::CircleArc a{toPoint(m_curves[i].arc.centre), m_curves[i].arc.radius};
        const cad::geom::CircleArc b{toPoint(m_curves[j].arc.centre), m_curves[j].arc.radius};
        const auto drawn =
            cad::geom::intersectCircleCircle(drawnCircle(i, rx, inner), true, drawnCircle(j, rx, inner), true);
        for (const cad::Point& p : cad::geom::intersectCircleCircle(a, true, b, true)) {
            Crossing x{{i, j}, {p[0], p[1]}, std::nullopt};
            double nearest = kDrawnCrossingReach;
            for (const cad::Point& q : drawn)
                if (const double d = std::hypot(q[0] - p[0], q[1] - p[1]); d < nearest) {
                    nearest = d;
                    x.drawn = FramePoint{q[0], q[1]};
                }
            const int k = static_cast<int>(m_crossings.size());
            m_crossings.push_back(x);
            addCut(i, x.traced, k);
            addCut(j, x.traced, k);
        }
    }

    void addCut(int curve, const FramePoint& p, int crossing)
    {
        const Traced& c = m_curves[curve];
        const double along = c.along(p);
        if (c.full || (along >= c.shortest() && along <= c.sweep - c.shortest()))
            m_cuts[curve].push_back({along, p, crossing});
    }

    // Where both curves keep the order of their cuts with it, a crossing takes the point where the
    // drawn circles cross, so that the pieces end where the drawn arcs meet. Where three circles
    // pass through one point each pair's drawn crossing lies elsewhere: all keep that one point.
    void endOnDrawnCircles(int k)
    {
        const Crossing& x = m_crossings[k];
        if (!x.drawn)
            return;
        for (std::size_t other = 0; other < m_crossings.size(); ++other) {
            const FramePoint& p = m_crossings[other].traced;
            if (static_cast<int>(other) != k && std::hypot(p.x - x.traced.x, p.y - x.traced.y) < kShortest)
                return;
        }
        std::array<Cut*, 2> at{};
        for (int n = 0; n < 2; ++n) {
            const Traced& c = m_curves[x.curves[n]];
            std::vector<Cut>& cuts = m_cuts[x.curves[n]];
            const auto it = std::find_if(cuts.begin(), cuts.end(), [k](const Cut& cut) { return cut.crossing == k; });
            if (it == cuts.end())
                continue; // at an end of the arc: no cut there
            const double before = it == cuts.begin() ? 0.0 : std::prev(it)->along;
            const double after = std::next(it) == cuts.end() ? c.sweep : std::next(it)->along;
            const double along = c.along(*x.drawn);
            if (!(along > before && along < after))
                return;
            at[n] = &*it;
        }
        for (Cut* cut : at)
            if (cut)
                cut->point = *x.drawn;
    }

    static Samples samples(const Traced& c, double from, double to)
    {
        Samples out;
        for (int k = 0; k < kSamples; ++k)
            out[k] = c.at(from + (to - from) * (k + 1) / (kSamples + 1));
        return out;
    }

    // Whether a stretch of one curve lies inside the circle of another. A stretch meets that circle
    // nowhere but at its ends (every crossing cuts it), so it lies on one side; the side is read
    // where the stretch stands farthest from the circle, not where it grazes it. Circles that touch
    // are decided by how they touch.
    bool inside(int curve, int other, const Samples& along) const
    {
        switch (m_relation[curve][other]) {
        case Relation::Outside:
        case Relation::Around:
            return false;
        case Relation::Within:
            return true;
        case Relation::Apart:
            break;
        }
        const FrameArc& circle = m_curves[other].arc;
        double farthest = 0.0; // signed: below 0 inside
        for (const FramePoint& p : along) {
            const double d = std::hypot(p.x - circle.centre.x, p.y - circle.centre.y) - circle.radius;
            if (std::abs(d) > std::abs(farthest))
                farthest = d;
        }
        return farthest < 0.0;
    }

    bool insideAnInner(int curve, const Samples& along) const
    {
        for (int i = 0; i < 4; ++i)
            if (InnerSouth + i != curve && inside(curve, InnerSouth + i, along))
                return true;
        return false;
    }

    // Inside what the eight arcs enclose. The octagon's sides run inside the rx discs and the inner
    // circles, so a stretch outside all of those is wholly in it or wholly out: its middle tells.
    bool enclosed(int curve, const Samples& along) const
    {
        for (int i = 0; i < 4; ++i)
            if (inside(curve, Rx0 + i, along))
                return true;
        return inPolygon(m_octagon, along[kSamples / 2]);
    }

    bool bounds(int curve, const Samples& along) const
    {
        if (curve == Hole)
            return enclosed(curve, along) && !insideAnInner(curve, along);
        return !inside(curve, Hole, along) && !insideAnInner(curve, along);
    }

    std::array<Traced, CurveCount> m_curves;
    std::array<std::array<Relation, CurveCount>, CurveCount> m_relation;
    std::array<std::vector<Cut>, CurveCount> m_cuts;
    std::vector<Crossing> m_crossings;
    std::array<FramePoint, 8> m_octagon;
};

// The pieces of a curve's runs, on the circle of `arc`. The arc-drawing routine reads the direction of
// an end with its own rounding (its pi is truncated: up to 3e-7 radians off, differently in each
// quadrant), so the ends of a piece shorter than that may come out in reverse order, and drawn
// counter-clockwise from the first it would run the long way, round the whole circle. Such a piece
// has no length (its neighbours already meet or overlap there): it is left out.
void addPieces(std::vector<FrameArc>& out, const HoleClip& clip, int curve, const FrameArc& arc,
               const std::vector<Run>& runs)
{
    for (const Run& run : runs) {
        const FrameArc piece{arc.centre, arc.radius, run.from.point, run.to.point};
        const cad::Point c = toPoint(piece.centre);
        const double drawn = cad::geom::arcSweep(geometry::ArcEndDirection(c, toPoint(piece.from)),
                                                 geometry::ArcEndDirection(c, toPoint(piece.to)));
        if (drawn - clip.reach(curve, run) < std::numbers::pi)
            out.push_back(piece);
    }
}

} // namespace

FourRodHoleOutline FourRodOutlineAroundHole(const std::array<FrameArc, 4>& rxArcs,
                                            const std::array<FrameArc, 4>& innerArcs, double holeRadius,
                                            const FramePoint& centre)
{
    const HoleClip clip(rxArcs, innerArcs, holeRadius, centre);
    FourRodHoleOutline o;
    for (int i = 0; i < 4; ++i) {
        const auto runs = clip.runs(Rx0 + i);
        if (clip.whole(runs, Rx0 + i))
            o.rxArcs.push_back(rxArcs[i]);
        else
            addPieces(o.rxArcs, clip, Rx0 + i, rxArcs[i], runs);
    }

    // Whole inner arcs first, then the pieces, each side's from its far end back to its near end.
    std::vector<FrameArc> pieces;
    for (int side = 0; side < 4; ++side) {
        const auto runs = clip.runs(InnerSouth + side);
        if (clip.whole(runs, InnerSouth + side)) {
            o.innerArcs.push_back(innerArcs[side]);
            continue;
        }
        addPieces(pieces, clip, InnerSouth + side, innerArcs[side], {runs.rbegin(), runs.rend()});
    }
    o.innerArcs.insert(o.innerArcs.end(), pieces.begin(), pieces.end());

    const auto holeRuns = clip.runs(Hole);
    if (clip.whole(holeRuns, Hole))
        o.holeCircleKept = true;
    else
        addPieces(o.holeArcs, clip, Hole, {centre, holeRadius, {}, {}}, holeRuns);
    return o;
}

} // namespace rods
