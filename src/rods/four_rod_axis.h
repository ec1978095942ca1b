// The three circles of a four-rod symmetry-axis section and where they cross, in the section frame.
#pragma once

#include "geometry/frame_shapes.h"

#include <optional>

namespace rods {

using geometry::FramePoint;

enum class FourRodAxisKind { Long, Short };

// Four rods of equal height on the corners of an a × b rectangle (a >= b), seen in the vertical
// plane through one symmetry axis: x runs along the axis from one rod line (x = 0) to the other
// (x = span), y is the height, both in metres. Independent of how the rectangle was given (typed
// or picked): only the zone values enter.
//
// Three circles of radius Hr lie in that plane: the left and right outer circles stand on the
// ground beyond the rod lines (the spheres resting on the ground and on the two rods of one side),
// the middle circle rests on the four rod tips, its lowest point (span/2, h0) over the centre.
struct FourRodAxisCircles {
    FourRodAxisKind kind = FourRodAxisKind::Long;
    double span = 0.0;         // s: a for the long axis, b for the short one
    double reach = 0.0;        // c: where the outline meets the ground beyond a rod line (c1 or c2)
    double outerOffset = 0.0;  // e: of the outer centres beyond the rod lines (c up to rounding)
    double sphereRadius = 0.0; // Hr
    double lowestHeight = 0.0; // h0

    FramePoint leftCentre() const { return {-outerOffset, sphereRadius}; }
    FramePoint rightCentre() const { return {span + outerOffset, sphereRadius}; }
    FramePoint middleCentre() const { return {span / 2.0, sphereRadius + lowestHeight}; }

    // The lower crossing of the two outer circles (on the centre line); none when they are apart.
    std::optional<FramePoint> outerCrossing() const;
    // The lower crossing of the middle circle with the left outer one, and with the right one.
    std::optional<FramePoint> leftCrossing() const;
    std::optional<FramePoint> rightCrossing() const;

    // Only the short axis can have it: its outer circles cross at or below h0, so the outline is
    // the two outer arcs meeting on the centre line and the middle circle plays no part.
    bool twoArcs() const;
};

// The circles of one axis. h is the rod height capped at Hr; c1 and c2 the reaches along the long
// and the short axis. The outer offset is formed from the height at which an outer circle passes
// over its rod line, hA = Hr − √((Hr − h)² + w²), as e = √(Hr² − (Hr − hA)²), w being the distance
// of the rods from the section plane (b/2 on the long axis, a/2 on the short one).
FourRodAxisCircles FourRodAxisCirclesOf(FourRodAxisKind kind, double longSide, double shortSide, double height,
                                        double longAxisReach, double shortAxisReach, double lowestHeight,
                                        double sphereRadius);

} // namespace rods
