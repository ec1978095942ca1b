// Exact plane transforms of points and angles: rotation about a point, mirroring in a line, offsets.
#pragma once

#include "platform/cad/geometry/point.h"

namespace cad::geom {

constexpr double kTwoPi = 6.283185307179586476925286766559;

// The angle brought into [0, 2pi).
double normalizeAngle(double angle);
// True when `angle` lies on the counter-clockwise sweep from `start` to `end` (within tolerance).
bool angleOnArc(double angle, double start, double end);
// The counter-clockwise sweep from start to end, in (0, 2pi]; equal angles give a full turn.
double arcSweep(double start, double end);

Point rotatePoint(const Point& p, const Point& base, double angle);
// The mirror image of p in the line through a and b (a == b: p itself).
Point mirrorPoint(const Point& p, const Point& a, const Point& b);
// The direction of an angle after mirroring in the line through a and b.
double mirrorAngle(double angle, const Point& a, const Point& b);
// The line start->end moved sideways by distance (positive: to the left of start->end).
void offsetLine(const Point& start, const Point& end, double distance, Point& outStart, Point& outEnd);

double distance(const Point& a, const Point& b);
Point pointAtAngle(const Point& center, double radius, double angle);

} // namespace cad::geom
