// Plan outlines of two parallel wires in their local frame (metres): the ground range, and at the target
// height the quantities, the choice among the three outlines and the enclosing outline.
//
// Local frame: wire 1 from (0, 0) to (0, L), wire 2 from (D, 0) to (D, L); +y along the wires, +x towards
// wire 2. Every arc runs counter-clockwise from the direction of its from point to that of its to point.
#pragma once

#include "geometry/frame_shapes.h"

namespace services { struct FormState; }

namespace wires {

// The zone values the plans and sections read, as the computation left them in the form state.
struct TwoWireValues {
    double sphereRadius = 0.0;    // Hr
    double height = 0.0;          // h', the wire height less its sag
    double targetHeight = 0.0;    // hx
    double groundHalfWidth = 0.0; // bo
    double targetHalfWidth = 0.0; // bx
    double lowestHeight = 0.0;    // h0
    double endReach = 0.0;        // am
    double spacing = 0.0;         // D
    double length = 0.0;          // L
};

TwoWireValues twoWireValuesOf(const services::FormState& st);

// Four caps that meet on the mid-line beyond each end, then the two outer edges.
geometry::FrameItems TwoWireGroundPlan(const TwoWireValues& v);

// The quantities of the target-height plan.
struct TargetQuantities {
    double setback = 0.0;    // c = Hr − b(hx); Hr − c is the radius of every circle centred on the mid-line
    double capDepth = 0.0;   // p
    double capReach = 0.0;   // q: (q, −p) is where a cap meets the mid-line arc
    double capRadius = 0.0;  // R: bx when h' <= Hr, else c
    double endOffset = 0.0;  // e: how far the outer lines run on beyond the wire ends
    double threshold = 0.0;  // t = Hr − |Hr − h'|, so 2Hr − h' for h' > Hr: where b(t) = b(h') and bx reaches 0
};

TargetQuantities TargetQuantitiesOf(const TwoWireValues& v);

enum class TargetOutline {
    Enclosing, // one contour around both wires (always with bx > 0)
    Joined,    // one region closed by mid-line arcs only (h' > Hr, t <= hx <= h0)
    Separate,  // the band between the wires is not protected: one region along each wire
    Nothing,   // (h' <= Hr) hx so near h' = Hr that bx rounds to 0: nothing has width at hx
};

// Above the lowest protected height between the wires (hx > h0) the band about the mid-line is never
// protected, so the separate outlines are chosen there whatever t says. A target at t as typed is at t
// although h' = h − f and hx reach here rounded; and since the enclosing outline needs bx > 0 (its ends
// start bx outside the wires), a bx that rounds to 0 or below sends hx to the joined outline (h' > Hr,
// where bx <= 0 means hx >= t) or to nothing (h' <= Hr, where it only happens at hx ≈ h' ≈ Hr).
TargetOutline ChooseTargetOutline(const TwoWireValues& v, const TargetQuantities& q);

// Caps 1 to 4 (radius R), mid-line arcs 5 and 6 (radius Hr − c), outer lines 7 and 8. Where short wires
// bring the two mid-line arcs across each other they are cut where they cross, so the outline never
// crosses itself.
geometry::FrameItems EnclosingOutline(const TwoWireValues& v, const TargetQuantities& q);

} // namespace wires
