// A target-height region of two parallel wires over a stretch of x, closed at the ends by the end circles
// or, where these do not reach, by the caps about the wire ends (local frame, metres).
#pragma once

#include "geometry/frame_shapes.h"
#include "wires/two_wire_end_circles.h"
#include "wires/two_wire_plans.h"

#include <optional>

namespace wires {

// The pieces of one region, in drawing order.
struct RegionPieces {
    geometry::FrameItems near; // closing the start of the wires
    geometry::FrameItems far;  // closing their far end
    std::optional<geometry::FrameItem> leftSide;
    std::optional<geometry::FrameItem> rightSide;
};

// The region between the facing arcs of the end circles over [left, right], with a side at each end asked
// for (unless the arcs were cut there). None when an end misses the circles.
std::optional<RegionPieces> regionBetween(const EndCircles& c, double left, double right, bool sideLeft,
                                          bool sideRight);

// The caps of radius R about the wire ends, as the enclosing outline draws them. Each touches the end
// circle beyond its end from outside, at `touch` for the cap about wire 1's start and at its mirror
// images about the others.
struct EndCaps {
    double radius = 0.0;
    geometry::FramePoint touch;
};

EndCaps EndCapsOf(const TwoWireValues& v, const TargetQuantities& q);

// The region over [left, right] (sides at both ends) whose near end is closed by the cap about (0, 0) left
// of the touching point, the end circle between the touching points and the cap about (D, 0) right of
// them; the far end likewise. A sphere that rolls round a wire end reaches everything outside its cap, so
// where the end circle does not reach a side the cap closes the region.
RegionPieces cappedRegion(const EndCircles& c, const EndCaps& caps, double spacing, double length, double left,
                          double right);

} // namespace wires
