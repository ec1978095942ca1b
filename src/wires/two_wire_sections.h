// The two section views of two parallel wires in their section frames (metres): across both wires, and
// along the mid-line at a wire end.
#pragma once

#include "geometry/frame_shapes.h"
#include "wires/two_wire_plans.h"

namespace wires {

// Across the wires: wire 1 at x = 0, wire 2 at x = D, y the height. The outer boundaries from the ground up
// to each wire, the sag between them down to h0, then the ground and the target-height lines (colour 7).
// The two wire marks are not in it: they are circles of a fixed size in drawing units.
geometry::FrameItems CrossSection(const TwoWireValues& v);
geometry::FramePoint wireMark(const TwoWireValues& v, int wire);

// How far, in metres, the mid-line section stands to the right of the cross-section's origin.
double midlineSectionShift(const TwoWireValues& v);

// Hr less the distance from a wire to the centre of a sphere resting on the ground on the mid-line;
// below 0 no sphere rests there without touching the wires, and the mid-line section is not drawn.
double midlineSphereClearance(const TwoWireValues& v);

// Along the mid-line: x = 0 in the plane of the wire ends, +x beyond them, y the height.
struct MidlineSection {
    geometry::FramePoint sphereCentre; // (am, Hr): the sphere resting on the ground beyond the end
    double sphereRadius = 0.0;
    geometry::FramePoint levelFrom;    // the line at height h0 across the sphere, from its start
    geometry::FramePoint levelTo;
    geometry::FramePoint groundEnd;    // (am, 0), where the boundary meets the ground
    geometry::FramePoint wireTop;      // (0, h')
};

MidlineSection MidlineSectionOf(const TwoWireValues& v);

} // namespace wires
