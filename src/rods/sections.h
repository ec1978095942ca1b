// Section views of one rod and of two rods in the section frame (x along the ground, y up), in metres.
#pragma once

#include "geometry/frame_shapes.h"

namespace rods {

using geometry::arcItem;
using geometry::FrameItems;
using geometry::lineItem;

// One rod at the origin: the rod line (h as typed), the two sphere arcs through the rod at
// min(h, Hr), the ground line and the target-height line over ±r0. r0 is the ground radius the
// computation gave (for a rod taller than Hr it is Hr).
FrameItems OneRodSection(double h, double hx, double sphereRadius, double r0);

struct TwoRodSectionInput {
    double h1 = 0.0;          // typed heights, rod 1 low at the origin, rod 2 at (D, 0)
    double h2 = 0.0;
    double spacing = 0.0;     // D
    double hx = 0.0;
    double sphereRadius = 0.0;
    double lowOffset1 = 0.0;  // D1
    double r01 = 0.0;
    double r02 = 0.0;
};

// The two rods, their outer sphere arcs, the middle arc over the lowest point, the ground and
// target lines, and beside them the sphere-foot figure between the target height and the ground.
FrameItems TwoRodSection(const TwoRodSectionInput& in);

} // namespace rods
