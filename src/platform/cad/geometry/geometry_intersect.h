// Closed-form crossings of lines, circles and arcs, as they stand or extended, in double precision.
#pragma once

#include "platform/cad/geometry/point.h"

#include <variant>
#include <vector>

namespace cad::geom {

struct Segment {
    Point a{}, b{};
};

// A circle (full) or an arc from start counter-clockwise to end (radians).
struct CircleArc {
    Point center{};
    double radius = 0;
    double start = 0, end = 0;
    bool full = true;
};

using Curve = std::variant<Segment, CircleArc>;

// The crossings of a and b. `extendA` takes a whole (an infinite line, a full circle), as does
// `extendB`. Tangency gives one point (tolerance policy in geometry_tolerance.h). Parallel or
// collinear lines, concentric or identical circles and zero-length lines give none. The z of a
// crossing is that of the first curve (interpolated along a line, the centre's for an arc).
std::vector<Point> intersect(const Curve& a, bool extendA, const Curve& b, bool extendB);

std::vector<Point> intersectLineLine(const Segment& a, bool extendA, const Segment& b, bool extendB);
std::vector<Point> intersectLineCircle(const Segment& line, bool extendLine, const CircleArc& circle, bool extendCircle);
std::vector<Point> intersectCircleCircle(const CircleArc& a, bool extendA, const CircleArc& b, bool extendB);

// The automation option: 0 neither extended, 1 the first, 2 the second, 3 both.
std::vector<double> intersectFlat(const Curve& a, const Curve& b, int option);

} // namespace cad::geom
