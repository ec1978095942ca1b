// Angles between the degrees a DXF file gives and the radians the drawing keeps.
#pragma once

#include "platform/cad/geometry/geometry_transform.h"

namespace cad {

inline constexpr double kRadiansPerDegree = geom::kTwoPi / 360.0;

inline double dxfRadians(double degrees) { return degrees * kRadiansPerDegree; }

// The degrees of `radians` as a file gives them: the value of fewest digits (up to 10) that reads
// back to the same radians, so that a file's 15 comes back as 15 and not 14.999999999999998; any
// other angle as it converts.
double dxfDegrees(double radians);

} // namespace cad
