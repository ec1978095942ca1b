// Checks on outlines in a local frame: closed, which points they enclose, and points along their pieces.
#pragma once

#include "geometry/frame_shapes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace outlinetest {

using geometry::FrameArc;
using geometry::FrameItem;
using geometry::FrameItems;
using geometry::FramePoint;

constexpr double kTwoPi = 6.283185307179586;

// Where an arc really starts or ends: on its circle in the direction of the given point.
inline FramePoint onCircle(const FrameArc& a, FramePoint p)
{
    const double dx = p.x - a.centre.x, dy = p.y - a.centre.y;
    const double len = std::hypot(dx, dy);
    return {a.centre.x + a.radius * dx / len, a.centre.y + a.radius * dy / len};
}
inline FramePoint startOf(const FrameItem& i)
{
    return i.kind == FrameItem::Kind::Arc ? onCircle(i.arc, i.arc.from) : i.line.from;
}
inline FramePoint endOf(const FrameItem& i)
{
    return i.kind == FrameItem::Kind::Arc ? onCircle(i.arc, i.arc.to) : i.line.to;
}

// Every end of every entity meets an end of another: the outline is closed.
inline void expectClosed(const FrameItems& items, double tol = 1e-9)
{
    std::vector<FramePoint> ends;
    for (const FrameItem& i : items) {
        ends.push_back(startOf(i));
        ends.push_back(endOf(i));
    }
    for (std::size_t a = 0; a < ends.size(); ++a) {
        int meets = 0;
        for (std::size_t b = 0; b < ends.size(); ++b)
            if (a / 2 != b / 2 && std::hypot(ends[a].x - ends[b].x, ends[a].y - ends[b].y) < tol)
                ++meets;
        EXPECT_EQ(meets, 1) << "end " << a << " at (" << ends[a].x << ", " << ends[a].y << ")";
    }
}

inline double angleOf(FramePoint centre, FramePoint p) { return std::atan2(p.y - centre.y, p.x - centre.x); }

// How far an arc turns counter-clockwise from its start to its end, in (0, 2 pi].
inline double sweepOf(const FrameArc& a)
{
    double s = angleOf(a.centre, a.to) - angleOf(a.centre, a.from);
    while (s <= 0)
        s += kTwoPi;
    return s;
}

// n + 1 points along a piece, both ends included.
inline std::vector<FramePoint> pointsAlong(const FrameItem& item, int n = 16)
{
    std::vector<FramePoint> out;
    for (int i = 0; i <= n; ++i) {
        const double f = double(i) / n;
        if (item.kind == FrameItem::Kind::Line) {
            out.push_back({item.line.from.x + f * (item.line.to.x - item.line.from.x),
                           item.line.from.y + f * (item.line.to.y - item.line.from.y)});
            continue;
        }
        const FrameArc& a = item.arc;
        const double t = angleOf(a.centre, a.from) + f * sweepOf(a);
        out.push_back({a.centre.x + a.radius * std::cos(t), a.centre.y + a.radius * std::sin(t)});
    }
    return out;
}

// How often the outline crosses the ray straight up from p (odd: p lies inside).
inline int crossingsAbove(const FrameItems& items, FramePoint p)
{
    int count = 0;
    for (const FrameItem& i : items) {
        if (i.kind == FrameItem::Kind::Line) {
            const FramePoint a = i.line.from, b = i.line.to;
            if ((a.x < p.x) != (b.x < p.x) && a.y + (p.x - a.x) * (b.y - a.y) / (b.x - a.x) > p.y)
                ++count;
            continue;
        }
        const FrameArc& a = i.arc;
        const double dx = p.x - a.centre.x;
        if (std::abs(dx) >= a.radius)
            continue;
        const double rise = std::sqrt(a.radius * a.radius - dx * dx);
        const double start = angleOf(a.centre, a.from), sweep = sweepOf(a);
        for (const double y : {a.centre.y + rise, a.centre.y - rise}) {
            if (y <= p.y)
                continue;
            double turn = std::atan2(y - a.centre.y, dx) - start;
            while (turn < 0)
                turn += kTwoPi;
            if (turn <= sweep)
                ++count;
        }
    }
    return count;
}

} // namespace outlinetest
