// The two circles on the mid-line beyond the wire ends that close the target-height outlines, and where
// their facing sides have passed each other (short wires).
#pragma once

#include "geometry/frame_shapes.h"

#include <optional>
#include <vector>

namespace wires {

// How far a circle's edge lies above (and below) its centre dx across from it; none beyond the circle.
std::optional<double> rise(double radius, double dx);

// C1 about (midX, nearY) beyond the start, C2 about (midX, farY) beyond the far end, both of one radius.
// Their arcs face the wires: the upper side of C1, the lower side of C2.
struct EndCircles {
    double midX = 0.0;
    double nearCentreY = 0.0;
    double farCentreY = 0.0;
    double radius = 0.0;

    geometry::FramePoint nearCentre() const { return {midX, nearCentreY}; }
    geometry::FramePoint farCentre() const { return {midX, farCentreY}; }
    // The point of C1's upper side and of C2's lower side above / below x; none where x misses them.
    std::optional<geometry::FramePoint> onNear(double x) const;
    std::optional<geometry::FramePoint> onFar(double x) const;
    // Half the width of the band about midX in which C1's upper side lies above C2's lower side
    // (the two ends' arcs have passed each other); none when they do not meet.
    std::optional<double> passedHalfWidth() const;
};

// A stretch of x over which one region lies between the two facing arcs. An end that is cut where the
// arcs cross is closed by the crossing itself; the other ends are closed by the outline's side there.
struct ArcStretch {
    double left = 0.0;
    double right = 0.0;
    bool leftCut = false;
    bool rightCut = false;
};

// The parts of [left, right] where C1's arc stays below C2's: the whole stretch, two parts either side of
// a passed band, one part, or none when the band covers it all.
std::vector<ArcStretch> unpassedStretches(const EndCircles& c, double left, double right);

} // namespace wires
