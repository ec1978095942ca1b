// Closed-form crossings of line, circle and arc pairs, with both extend modes and tangency.
#include "platform/cad/geometry/geometry_intersect.h"

#include "platform/cad/geometry/geometry_tolerance.h"
#include "platform/cad/geometry/geometry_transform.h"

#include <algorithm>
#include <cmath>

namespace cad::geom {

namespace {

double scaleOf(std::initializer_list<double> values)
{
    double s = 0;
    for (double v : values)
        s = std::max(s, std::abs(v));
    return s;
}

double cross(double ax, double ay, double bx, double by) { return ax * by - ay * bx; }

// Whether a point at parameter t (0 at a, 1 at b) lies on the segment, allowing the length tolerance.
bool onSegment(double t, double length, double tol) { return t >= -tol / length && t <= 1 + tol / length; }

bool onArc(const CircleArc& arc, const Point& p, double tol)
{
    if (arc.full)
        return true;
    const double angle = std::atan2(p[1] - arc.center[1], p[0] - arc.center[0]);
    const double angleTol = std::max(tolerance::kAngle, tol / arc.radius);
    const double sweep = arcSweep(arc.start, arc.end);
    const double rel = normalizeAngle(angle - arc.start);
    return rel <= sweep + angleTol || kTwoPi - rel <= angleTol;
}

} // namespace

std::vector<Point> intersectLineLine(const Segment& a, bool extendA, const Segment& b, bool extendB)
{
    const double d1x = a.b[0] - a.a[0], d1y = a.b[1] - a.a[1];
    const double d2x = b.b[0] - b.a[0], d2y = b.b[1] - b.a[1];
    const double len1 = std::hypot(d1x, d1y), len2 = std::hypot(d2x, d2y);
    const double tol = tolerance::length(scaleOf({a.a[0], a.a[1], a.b[0], a.b[1], b.a[0], b.a[1], b.b[0], b.b[1]}));
    if (len1 <= tol || len2 <= tol)
        return {};
    const double denom = cross(d1x, d1y, d2x, d2y);
    // Parallel (or collinear): no single crossing to report.
    if (std::abs(denom) <= tolerance::kRelative * len1 * len2)
        return {};
    const double ex = b.a[0] - a.a[0], ey = b.a[1] - a.a[1];
    const double t = cross(ex, ey, d2x, d2y) / denom;
    const double u = cross(ex, ey, d1x, d1y) / denom;
    if (!extendA && !onSegment(t, len1, tol))
        return {};
    if (!extendB && !onSegment(u, len2, tol))
        return {};
    return {Point{a.a[0] + t * d1x, a.a[1] + t * d1y, a.a[2] + t * (a.b[2] - a.a[2])}};
}

std::vector<Point> intersectLineCircle(const Segment& line, bool extendLine, const CircleArc& circle, bool extendCircle)
{
    const double dx = line.b[0] - line.a[0], dy = line.b[1] - line.a[1];
    const double len = std::hypot(dx, dy);
    const double tol = tolerance::length(scaleOf({line.a[0], line.a[1], line.b[0], line.b[1], circle.center[0],
                                                  circle.center[1], circle.radius}));
    if (len <= tol || !(circle.radius > 0))
        return {};
    const double ux = dx / len, uy = dy / len;
    const double cx = circle.center[0] - line.a[0], cy = circle.center[1] - line.a[1];
    const double along = cx * ux + cy * uy;          // foot of the centre, from line.a
    const double h = std::abs(cross(ux, uy, cx, cy)); // distance of the centre from the line
    const double r = circle.radius;
    std::vector<double> params;
    if (h > r + tol)
        return {};
    if (std::abs(h - r) <= tol) {
        params.push_back(along);   // touching: the foot of the perpendicular
    } else {
        const double half = std::sqrt((r - h) * (r + h));
        params.push_back(along - half);
        params.push_back(along + half);
    }
    std::vector<Point> out;
    for (double s : params) {
        const double t = s / len;
        const Point p{line.a[0] + s * ux, line.a[1] + s * uy, line.a[2] + t * (line.b[2] - line.a[2])};
        if (!extendLine && !onSegment(t, len, tol))
            continue;
        if (!extendCircle && !onArc(circle, p, tol))
            continue;
        out.push_back(p);
    }
    return out;
}

std::vector<Point> intersectCircleCircle(const CircleArc& a, bool extendA, const CircleArc& b, bool extendB)
{
    const double tol = tolerance::length(scaleOf({a.center[0], a.center[1], a.radius, b.center[0], b.center[1], b.radius}));
    if (!(a.radius > 0) || !(b.radius > 0))
        return {};
    const double dx = b.center[0] - a.center[0], dy = b.center[1] - a.center[1];
    const double d = std::hypot(dx, dy);
    if (d <= tol)
        return {};   // concentric (or the same circle): no isolated crossing
    const double r1 = a.radius, r2 = b.radius;
    if (d > r1 + r2 + tol || d < std::abs(r1 - r2) - tol)
        return {};
    const double ux = dx / d, uy = dy / d;
    std::vector<Point> candidates;
    if (std::abs(d - (r1 + r2)) <= tol) {
        candidates.push_back({a.center[0] + ux * r1, a.center[1] + uy * r1, a.center[2]});
    } else if (std::abs(d - std::abs(r1 - r2)) <= tol) {
        const double s = r1 >= r2 ? r1 : -r1;   // the smaller circle touches the larger from inside
        candidates.push_back({a.center[0] + ux * s, a.center[1] + uy * s, a.center[2]});
    } else {
        const double along = (d * d + r1 * r1 - r2 * r2) / (2 * d);
        const double h = std::sqrt(std::max(0.0, (r1 - along) * (r1 + along)));
        const double mx = a.center[0] + ux * along, my = a.center[1] + uy * along;
        candidates.push_back({mx - uy * h, my + ux * h, a.center[2]});
        candidates.push_back({mx + uy * h, my - ux * h, a.center[2]});
    }
    std::vector<Point> out;
    for (const Point& p : candidates) {
        if (!extendA && !onArc(a, p, tol))
            continue;
        if (!extendB && !onArc(b, p, tol))
            continue;
        out.push_back(p);
    }
    return out;
}

std::vector<Point> intersect(const Curve& a, bool extendA, const Curve& b, bool extendB)
{
    const auto* sa = std::get_if<Segment>(&a);
    const auto* sb = std::get_if<Segment>(&b);
    const auto* ca = std::get_if<CircleArc>(&a);
    const auto* cb = std::get_if<CircleArc>(&b);
    if (sa && sb)
        return intersectLineLine(*sa, extendA, *sb, extendB);
    if (sa && cb)
        return intersectLineCircle(*sa, extendA, *cb, extendB);
    if (ca && sb) {
        auto points = intersectLineCircle(*sb, extendB, *ca, extendA);
        for (auto& p : points)
            p[2] = ca->center[2];
        return points;
    }
    return intersectCircleCircle(*ca, extendA, *cb, extendB);
}

std::vector<double> intersectFlat(const Curve& a, const Curve& b, int option)
{
    std::vector<double> out;
    for (const Point& p : intersect(a, (option & 1) != 0, b, (option & 2) != 0))
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

} // namespace cad::geom
