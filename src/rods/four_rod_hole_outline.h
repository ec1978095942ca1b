// The four-rod outline at the target height around a centre hole: only the boundary of what is protected.
#pragma once

#include "geometry/frame_shapes.h"

#include <array>
#include <vector>

namespace rods {

// What bounds the protected area at hx around the hole, in the order it is drawn: the rx arcs, the
// whole hole circle when it is kept, the inner arcs (whole ones first, then the pieces) and the
// stretches of the hole circle that replace it. Empty when nothing is protected.
struct FourRodHoleOutline {
    std::vector<geometry::FrameArc> rxArcs; // whole, or the pieces outside the hole
    bool holeCircleKept = false;            // the whole hole circle about the centre
    std::vector<geometry::FrameArc> innerArcs;
    std::vector<geometry::FrameArc> holeArcs;

    bool empty() const { return rxArcs.empty() && !holeCircleKept && innerArcs.empty() && holeArcs.empty(); }
};

// The outline for a layout with a hole of radius `holeRadius` about `centre`, from the four rx arcs
// and the four inner arcs (south, east, north, west).
//
// What is protected at hx is what the eight arcs enclose (the rx discs about the rods and the
// octagon through the rx-arc ends) outside the hole and outside every inner circle. Each of the nine
// curves (the four rx arcs, the four inner arcs, the hole circle) is cut where it crosses another's
// circle, and a stretch is kept only where it bounds that area: an rx or inner stretch outside the
// hole and the other inner circles, a hole stretch inside the enclosed area and outside every inner
// circle. Stretches in touch are joined again, so an arc nothing cuts stays as it was drawn.
FourRodHoleOutline FourRodOutlineAroundHole(const std::array<geometry::FrameArc, 4>& rxArcs,
                                            const std::array<geometry::FrameArc, 4>& innerArcs, double holeRadius,
                                            const geometry::FramePoint& centre);

} // namespace rods
