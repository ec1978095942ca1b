// The zone values of three equal rods on an equilateral triangle: the lowest point at the centre, and
// whether the rods stand too far apart to share a zone. rx and r0 are those of one rod (one_rod_zone.h).
#pragma once

#include <optional>

namespace rods {

// The marker kept in m_lowestHeight when the sphere cannot rest on the three tips.
constexpr double kNoCentreHeight = -1.0;

// h0 at the triangle's centre for rods of height h (already capped at Hr) on a side D: the sphere
// resting on the three tips, √(Hr² − D²/3) + h − Hr. Nothing when Hr² < D²/3. h0 may be negative.
std::optional<double> ThreeRodCentreHeight(double cappedHeight, double spacing, double sphereRadius);

// True when the rods' ground ranges do not meet: D >= 2·W(m), m = MinOf(h, Hr) in single precision,
// the limit from which the pair engine also draws two rods as single rods.
bool ThreeRodsApart(double height, double spacing, double sphereRadius);

} // namespace rods
