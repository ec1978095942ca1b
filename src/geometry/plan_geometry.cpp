// Direction, side and signed distance in the plan, with exact comparisons and the program's own pi.
#include "geometry/plan_geometry.h"

#include "geometry/angles.h"

#include <cmath>

namespace geometry {

double DirectionAngle(const cad::Point& a, const cad::Point& b)
{
    const double dx = b[0] - a[0];
    const double dy = b[1] - a[1];
    // Each quadrant is measured from the axis where it starts, so no quotient divides by zero.
    if (dy == 0)
        return dx < 0 ? kPi : 0.0;
    if (dx == 0)
        return dy > 0 ? kHalfPi : kThreeHalfPi;
    if (dx > 0 && dy > 0)
        return std::atan(dy / dx);
    if (dx < 0 && dy > 0)
        return std::atan(std::abs(dx) / dy) + kHalfPi;
    if (dx < 0)
        return std::atan(std::abs(dy) / std::abs(dx)) + kPi;
    return std::atan(dx / std::abs(dy)) + kThreeHalfPi;
}

QString SideOfLine(const cad::Point& a, const cad::Point& b, const cad::Point& c)
{
    const double v = (c[1] - a[1]) * (b[0] - a[0]) - (c[0] - a[0]) * (b[1] - a[1]);
    if (v == 0)
        return kAbove;
    return v > 0 ? kLeft : kRight;
}

double SignedDistance(const cad::Point& a, const cad::Point& b)
{
    const double d = std::sqrt((b[0] - a[0]) * (b[0] - a[0]) + (b[1] - a[1]) * (b[1] - a[1]));
    const double direction = DirectionAngle(a, b);
    return (direction <= kHalfPi || direction > kThreeHalfPi) ? d : -d;
}

} // namespace geometry
