// The region four rods protect at the target height, worked out here from the rolling sphere's sections
// alone, and checks that a drawn outline bounds it: every drawn stretch on its edge, every edge drawn.
#pragma once

#include "platform/cad/model/entity_data.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <vector>

namespace rodtest {

// A typed layout in metres; rods taller than Hr count as Hr tall.
struct FourRodLayout {
    double h, hx, a, b, hr;
};

// In the rectangle's frame (rods at (0, 0), (a, 0), (a, b), (0, b)), a point is protected at hx when it
// lies within the zone of one rod (radius rx = W(h) − W(hx), W(z) = √(z(2Hr − z))), or between the
// rods: inside the octagon through the rx-circle ends and outside every sphere standing on the ground
// against two rods of a side (sections of radius W(hx) = r0 − rx about the axis points); and in either
// case outside the sphere resting on all four tips (the hole, of radius √(2Hr·u − u²), u = hx − h0).
// rx and r0 are taken with three decimals, as the drawing takes them.
class FourRodRegion {
public:
    explicit FourRodRegion(const FourRodLayout& l)
    {
        const double h = std::min(l.h, l.hr);
        const auto w = [&](double z) { return std::sqrt(z * (2 * l.hr - z)); };
        const double c1 = std::sqrt(w(h) * w(h) - l.b * l.b / 4), c2 = std::sqrt(w(h) * w(h) - l.a * l.a / 4);
        // rx and r0 as the result boxes show them, as the drawing takes them.
        const auto shown = [](double v) { return std::round(v * 1000) / 1000; };
        const double r0 = shown(w(h));
        m_rx = shown(w(h) - w(l.hx));
        m_inner = r0 - m_rx;
        m_rods = {{{0, 0}, {l.a, 0}, {l.a, l.b}, {0, l.b}}};
        m_axes = {{{l.a / 2, -c2}, {l.a + c1, l.b / 2}, {l.a / 2, l.b + c2}, {-c1, l.b / 2}}};
        const double q = m_rx / r0;
        for (int i = 0; i < 4; ++i) { // the ends on each rod's two lines to its axis points, in turn round
            const P& rod = m_rods[i];
            for (const P& axis : {m_axes[(i + 3) % 4], m_axes[i]})
                m_octagon[m_octagonSize++] = {rod.x + q * (axis.x - rod.x), rod.y + q * (axis.y - rod.y)};
        }
        const double h0 = std::sqrt(l.hr * l.hr - (l.a * l.a + l.b * l.b) / 4) + h - l.hr;
        const double u = l.hx - h0;
        if (2 * l.hr * u - u * u >= 0)
            m_hole = std::sqrt(2 * l.hr * u - u * u);
        m_centre = {l.a / 2, l.b / 2};
    }

    // rx reads 0.000 and the middle has a hole: the drawing takes the zone as closed at hx, though by
    // each rod a corner may be left between the inner circles and the hole.
    bool takenAsClosed() const { return m_rx == 0 && m_hole; }

    // Whether the region, grown by `margin` metres (shrunk where it is below 0), holds the point: every
    // disc it takes in grows by the margin, every disc it leaves out shrinks, the octagon widens.
    bool protects(double x, double y, double margin = 0) const
    {
        const P p{x, y};
        if (m_hole && dist(p, m_centre) < *m_hole - margin)
            return false;
        for (const P& rod : m_rods)
            if (dist(p, rod) <= m_rx + margin)
                return true;
        for (const P& axis : m_axes)
            if (dist(p, axis) < m_inner - margin)
                return false;
        const double edge = distanceToOctagonEdge(p);
        return inOctagon(p) ? margin >= 0 || edge >= -margin : edge <= margin;
    }

    // Whether the edge of the region passes within `reach` of the point: the region grown by that much
    // holds it and the region shrunk by that much does not. A sliver thinner than the reach counts as
    // edge all over.
    bool onEdge(double x, double y, double reach) const { return protects(x, y, reach) && !protects(x, y, -reach); }

    // Points spread along every circle the edge is made of, where the edge passes: what a drawing
    // of the outline must cover. Circles no larger than `smallest` metres are left out.
    std::vector<std::array<double, 2>> edgePoints(double smallest) const
    {
        std::vector<std::pair<P, double>> circles;
        for (const P& rod : m_rods)
            circles.push_back({rod, m_rx});
        for (const P& axis : m_axes)
            circles.push_back({axis, m_inner});
        if (m_hole)
            circles.push_back({m_centre, *m_hole});
        std::vector<std::array<double, 2>> out;
        for (const auto& [c, r] : circles)
            for (int k = 0; k < kAlong && r > smallest; ++k) {
                const double t = 2 * M_PI * (k + 0.5) / kAlong;
                const double x = c.x + r * std::cos(t), y = c.y + r * std::sin(t);
                if (onEdge(x, y, 1e-9))
                    out.push_back({x, y});
            }
        return out;
    }

private:
    struct P {
        double x, y;
    };
    static constexpr int kAlong = 720;

    static double dist(const P& p, const P& q) { return std::hypot(p.x - q.x, p.y - q.y); }

    double distanceToOctagonEdge(const P& p) const
    {
        double out = INFINITY;
        for (int i = 0, j = m_octagonSize - 1; i < m_octagonSize; j = i++) {
            const P& s = m_octagon[j];
            const P& t = m_octagon[i];
            const double dx = t.x - s.x, dy = t.y - s.y, len2 = dx * dx + dy * dy;
            const double f = len2 > 0 ? std::clamp(((p.x - s.x) * dx + (p.y - s.y) * dy) / len2, 0.0, 1.0) : 0.0;
            out = std::min(out, dist(p, {s.x + f * dx, s.y + f * dy}));
        }
        return out;
    }

    bool inOctagon(const P& p) const
    {
        bool in = false;
        for (int i = 0, j = m_octagonSize - 1; i < m_octagonSize; j = i++) {
            const P& s = m_octagon[i];
            const P& t = m_octagon[j];
            if ((s.y > p.y) != (t.y > p.y) && p.x < (t.x - s.x) * (p.y - s.y) / (t.y - s.y) + s.x)
                in = !in;
        }
        return in;
    }

    double m_rx = 0, m_inner = 0;
    std::array<P, 4> m_rods{}, m_axes{};
    std::array<P, 8> m_octagon{};
    int m_octagonSize = 0;
    std::optional<double> m_hole;
    P m_centre{};
};

// Where a drawn arc or circle passes, in the plan's metres: the drawing's points less the lower-left
// rod's place, over k drawing units a metre. `steps` points spread inside the arc, its ends left out.
inline std::vector<std::array<double, 2>> planPointsAlong(const cad::EntityData& e, const cad::Point& rod, double k,
                                                          int steps)
{
    double sweep = 2 * M_PI;
    if (e.kind == cad::EntityKind::Arc)
        sweep = std::fmod(std::fmod(e.endAngle - e.startAngle, 2 * M_PI) + 2 * M_PI, 2 * M_PI);
    std::vector<std::array<double, 2>> out;
    for (int i = 1; i <= steps; ++i) {
        const double t = e.startAngle + sweep * i / (steps + 1);
        out.push_back(
            {(e.center[0] + e.radius * std::cos(t) - rod[0]) / k, (e.center[1] + e.radius * std::sin(t) - rod[1]) / k});
    }
    return out;
}

// How far a point stands from a drawn arc or circle, in drawing units.
inline double distanceTo(const cad::EntityData& e, double x, double y)
{
    const double fromCentre = std::hypot(x - e.center[0], y - e.center[1]);
    if (e.kind == cad::EntityKind::Circle)
        return std::abs(fromCentre - e.radius);
    const auto turn = [](double t) { return std::fmod(std::fmod(t, 2 * M_PI) + 2 * M_PI, 2 * M_PI); };
    if (turn(std::atan2(y - e.center[1], x - e.center[0]) - e.startAngle) <= turn(e.endAngle - e.startAngle))
        return std::abs(fromCentre - e.radius);
    double out = INFINITY;
    for (const double t : {e.startAngle, e.endAngle})
        out = std::min(out,
                       std::hypot(x - e.center[0] - e.radius * std::cos(t), y - e.center[1] - e.radius * std::sin(t)));
    return out;
}

// The drawn arcs and circles bound the region: each lies on its edge all along (no piece runs the long
// way round or across what is protected), and the edge is drawn all along, but round circles too small
// to be drawn (0.0001 drawing units). `reach` (metres) allows for the three decimals of rx and r0 the
// drawing takes, and for how far that moves where two circles cross at a shallow angle.
inline void expectOutlineBounds(const std::vector<cad::EntityData>& drawn, const FourRodRegion& region,
                                const cad::Point& rod, double k, double reach = 0.003)
{
    std::vector<const cad::EntityData*> curves;
    for (const cad::EntityData& e : drawn)
        if (e.kind == cad::EntityKind::Arc || e.kind == cad::EntityKind::Circle)
            curves.push_back(&e);
    for (std::size_t i = 0; i < curves.size(); ++i) {
        int off = 0;
        for (const auto& p : planPointsAlong(*curves[i], rod, k, 64))
            off += region.onEdge(p[0], p[1], reach) ? 0 : 1;
        EXPECT_EQ(off, 0) << "drawn curve " << i << " (radius " << curves[i]->radius / k << " m) leaves the edge";
    }
    int missing = 0;
    for (const auto& p : region.edgePoints(std::max(reach, 0.0002 / k))) {
        double nearest = INFINITY;
        for (const cad::EntityData* e : curves)
            nearest = std::min(nearest, distanceTo(*e, rod[0] + p[0] * k, rod[1] + p[1] * k));
        if (nearest <= reach * k)
            continue;
        if (++missing <= 3)
            ADD_FAILURE() << "the edge at (" << p[0] << ", " << p[1] << ") is not drawn";
    }
    EXPECT_EQ(missing, 0);
}

} // namespace rodtest
