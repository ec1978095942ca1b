// The one tolerance policy of the drawing engine's geometry: every comparison of lengths and angles uses these.
#pragma once

#include <algorithm>
#include <cmath>

namespace cad::tolerance {

// Relative precision of the crossing tests. Coordinates are drawing units (a site plan at 1:500 spans
// a few thousand units), so 1e-9 of the problem's scale stays far above double rounding (1e-16)
// yet far below anything a drawing can show.
constexpr double kRelative = 1e-9;

// A length tolerance for a problem whose coordinates and sizes are about `scale`.
inline double length(double scale) { return kRelative * std::max(1.0, std::abs(scale)); }

// Angles in radians: two directions closer than this are one direction (an arc end that a crossing
// touches counts as on the arc).
constexpr double kAngle = 1e-9;

// Tangency: two curves whose gap (distance between centres against the radii, or centre to line
// against the radius) is within length(scale) of touching report exactly one crossing, the point
// of contact. Anything nearer than that is treated as touching, anything farther as two crossings
// or none.

} // namespace cad::tolerance
