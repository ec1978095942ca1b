// The four-rod outline at the target height around a centre hole: only the boundary of what is protected.
#pragma once

#include "rods/four_rod_plan.h"

#include <array>

namespace rods {

// Fills `o` (its rx arcs, inner arcs and pieces, cuts and hole stretches) for a layout with a hole of
// radius `holeRadius` about the centre of the rectangle.
//
// What is protected at hx is what the eight arcs enclose (the rx discs about the rods and the
// octagon through the rx-arc ends) outside the hole and outside every inner circle. Each of the nine
// curves (the four rx arcs, the four inner arcs, the hole circle) is cut where another crosses it, and a
// stretch is kept only where it bounds that area: an rx or inner stretch outside the hole and the other
// inner circles, a hole stretch inside the enclosed area and outside every inner circle. Stretches in
// touch are joined again, so an arc nothing cuts stays as it was drawn. When nothing is kept the
// outline is empty and `nothingProtected` is set.
void ClipFourRodOutlineAtHole(FourRodTargetOutline& o, const std::array<FrameArc, 4>& rxArcs,
                              const std::array<FrameArc, 4>& innerArcs, double holeRadius, const FramePoint& centre);

} // namespace rods
