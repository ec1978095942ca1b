// The joined and the separate target-height outlines of two parallel wires, in their local frame (metres).
#pragma once

#include "geometry/frame_shapes.h"
#include "wires/two_wire_plans.h"

namespace wires {

// Two sides at x = −bx and D + bx closed by the arcs of the circles of radius b(hx) about (D/2, −am) and
// (D/2, L + am) that face the wires. Where short wires bring those arcs across each other they are cut
// at their crossing (two regions), or nothing remains when they have passed each other along the sides.
// Where the circles do not reach the sides, the caps about the wire ends close the region.
geometry::FrameItems JoinedOutline(const TwoWireValues& v, const TargetQuantities& q);

// w: the half-width of the unprotected band about the mid-line at hx (above h0).
double GapHalfWidth(const TwoWireValues& v);

// One region along each wire, between its outer side and the band's edge (x = D/2 ∓ w), closed at the
// ends by the same circles; below t (h' > Hr), or where the circles do not reach the outer side, the
// caps about the wire ends close it as they close the enclosing outline. A region whose sides have
// changed places, or whose end arcs have passed each other along both sides, is empty. Meant for hx > h0.
// Nothing at all: nothing is protected at hx.
geometry::FrameItems SeparateOutlines(const TwoWireValues& v, const TargetQuantities& q);

} // namespace wires
