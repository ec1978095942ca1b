// The rectangle of four picked rods, ordered and normalised.
#include "rods/four_rod_rectangle.h"

#include "geometry/plan_geometry.h"

#include <cmath>

namespace rods {

namespace {

// Signed distance of c from the line a - b in metres: positive below the line, or left of a line of
// constant x, as the picked four-rod layout has always measured it.
double signedSideDistance(const cad::Point& a, const cad::Point& b, const cad::Point& c, double k)
{
    if (b[0] == a[0])
        return (a[0] - c[0]) / k;
    const double s = (b[1] - a[1]) / (b[0] - a[0]);
    const double intercept = a[1] - (b[1] - a[1]) * a[0] / (b[0] - a[0]);
    return (s * c[0] - c[1] + intercept) / std::sqrt(s * s + 1.0) / k;
}

// The line a -> b moved sideways by dist drawing units: to its left for a positive dist.
std::array<cad::Point, 2> offsetLine(const cad::Point& a, const cad::Point& b, double dist)
{
    const double dx = b[0] - a[0];
    const double dy = b[1] - a[1];
    const double len = std::hypot(dx, dy);
    const double nx = -dy / len * dist;
    const double ny = dx / len * dist;
    return {cad::Point{a[0] + nx, a[1] + ny, a[2]}, cad::Point{b[0] + nx, b[1] + ny, b[2]}};
}

} // namespace

PickedRectangle NormaliseRectangle(const cad::Point& first, const cad::Point& second, const cad::Point& third,
                                   double unitsPerMetre)
{
    const double k = unitsPerMetre;
    PickedRectangle r;
    cad::Point p1 = first;
    cad::Point p2 = second;
    cad::Point p3 = third;

    if (p1[0] == p2[0] && p1[1] == p2[1]) {
        // No direction to build on: the third point stands for the other rod position.
        r.rods = {p1, p3, p1, p3};
        r.angle = geometry::DirectionAngle(p1, p3);
        r.longSide = std::hypot(p3[0] - p1[0], p3[1] - p1[1]) / k;
        return r;
    }

    // Each pass either ends or turns the layout; three passes settle every input.
    for (r.passes = 1; r.passes <= 3; ++r.passes) {
        r.angle = geometry::DirectionAngle(p1, p2);
        r.longSide = std::hypot(p2[0] - p1[0], p2[1] - p1[1]) / k;
        r.sideDistance = signedSideDistance(p1, p2, p3, k);
        r.shortSide = std::fabs(r.sideDistance);

        const QString side = geometry::SideOfLine(p1, p2, p3);
        const double towardsThird = side == geometry::kRight ? -1.0 : 1.0;
        const auto copy = offsetLine(p1, p2, towardsThird * r.shortSide * k);

        if (r.longSide + 0.0001 < r.shortSide) {
            const cad::Point oldSecond = p2;
            p2 = copy[0];
            p3 = oldSecond;
            r.rods = {p1, p2, p3, copy[1]};
            continue;
        }
        if (side == geometry::kRight) {
            r.rods = {copy[0], copy[1], p1, p2};
            p3 = p1;
            p1 = copy[0];
            p2 = copy[1];
            continue;
        }
        r.rods = {p1, p2, copy[0], copy[1]};
        break;
    }
    return r;
}

} // namespace rods
