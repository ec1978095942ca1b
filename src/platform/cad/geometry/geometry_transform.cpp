// Rotation, mirroring and offsets of points and angles, written to stay exact where the input allows.
#include "platform/cad/geometry/geometry_transform.h"

#include "platform/cad/geometry/geometry_tolerance.h"

#include <cmath>

namespace cad::geom {

double normalizeAngle(double angle)
{
    if (!std::isfinite(angle))
        return angle;
    double a = std::fmod(angle, kTwoPi);
    if (a < 0)
        a += kTwoPi;
    if (a >= kTwoPi)   // -tiny + 2pi rounds up to 2pi
        a = 0;
    return a;
}

double arcSweep(double start, double end)
{
    const double s = normalizeAngle(end - start);
    return s == 0 ? kTwoPi : s;
}

bool angleOnArc(double angle, double start, double end)
{
    const double sweep = arcSweep(start, end);
    const double rel = normalizeAngle(angle - start);
    if (rel <= sweep + tolerance::kAngle)
        return true;
    // Just below the start (rel close to 2pi) counts as the start.
    return kTwoPi - rel <= tolerance::kAngle;
}

Point rotatePoint(const Point& p, const Point& base, double angle)
{
    const double c = std::cos(angle), s = std::sin(angle);
    const double dx = p[0] - base[0], dy = p[1] - base[1];
    return {base[0] + dx * c - dy * s, base[1] + dx * s + dy * c, p[2]};
}

Point mirrorPoint(const Point& p, const Point& a, const Point& b)
{
    const double ux = b[0] - a[0], uy = b[1] - a[1];
    const double len2 = ux * ux + uy * uy;
    if (len2 == 0)
        return p;
    const double dx = p[0] - a[0], dy = p[1] - a[1];
    const double t = (dx * ux + dy * uy) / len2;
    const double fx = a[0] + t * ux, fy = a[1] + t * uy;   // foot of the perpendicular
    return {2 * fx - p[0], 2 * fy - p[1], p[2]};
}

double mirrorAngle(double angle, const Point& a, const Point& b)
{
    const double axis = std::atan2(b[1] - a[1], b[0] - a[0]);
    return normalizeAngle(2 * axis - angle);
}

void offsetLine(const Point& start, const Point& end, double distance, Point& outStart, Point& outEnd)
{
    const double dx = end[0] - start[0], dy = end[1] - start[1];
    const double len = std::hypot(dx, dy);
    // Left normal of start->end.
    const double nx = -dy / len * distance, ny = dx / len * distance;
    outStart = {start[0] + nx, start[1] + ny, start[2]};
    outEnd = {end[0] + nx, end[1] + ny, end[2]};
}

double distance(const Point& a, const Point& b) { return std::hypot(b[0] - a[0], b[1] - a[1]); }

Point pointAtAngle(const Point& center, double radius, double angle)
{
    return {center[0] + radius * std::cos(angle), center[1] + radius * std::sin(angle), center[2]};
}

} // namespace cad::geom
