// Plan outlines of two rods' joint zone in the pair frame: at the ground and at the target height.
#pragma once

#include "geometry/frame_shapes.h"

#include <vector>

namespace rods {

using geometry::FrameArc;
using geometry::FramePoint;

// The pair-zone values the outlines are built from, in metres. Rod 1 stands at the origin of the
// pair frame, rod 2 at (D, 0); +y lies to the left of the direction from rod 1 to rod 2.
struct PairPlanInput {
    double spacing = 0.0;        // D
    double lowOffset1 = 0.0;     // D1
    double lowOffset2 = 0.0;     // D2
    double waistHalfWidth = 0.0; // b0
    double axisGap = 0.0;
    double rx1 = 0.0;
    double rx2 = 0.0;
    double r01 = 0.0;
    double r02 = 0.0;
};

// The ground outline: the two far arcs of the ground circles, meeting at the waist points (D1, ±b0).
std::vector<FrameArc> PairGroundArcs(const PairPlanInput& in);

// True when the zone at the target height falls apart into one piece about each rod: the waist
// is narrower than the sphere's reach at hx (b0 < r0 − rx for either rod).
bool PairTargetSplit(const PairPlanInput& in);

// The outline at the target height: the two far arcs of the rx circles, then the waist arcs about
// the waist points: four that end on the rod axis (split) or two that cross it (joined).
std::vector<FrameArc> PairTargetArcs(const PairPlanInput& in);

} // namespace rods
