// The plan and the section of one wire's zone in their local frames, in metres, in drawing order.
#pragma once

#include "geometry/frame_shapes.h"

namespace wires {

// The plan about the first wire end: the wire runs from (0, 0) along +y to (0, length). A stadium of
// half-width w: the near cap (the half circle about the first end, away from the wire), the far cap
// about the second end, then the side lines at x = −w and x = +w, ending level with the wire's ends.
geometry::FrameItems OneStripPlan(double halfWidth, double length);

// The section across the wire about its foot: two arcs of radius Hr meeting at the top (0, h0) and
// reaching the ground at ±bo, then the ground line and the target-height line over −bo..+bo.
// The wire mark at (0, h') is drawn apart, since its radius is a fixed drawing length.
geometry::FrameItems OneStripSection(double targetHeight, double sphereRadius, double zoneTop, double groundWidth);

// Where the wire stands in its section: (0, h').
geometry::FramePoint OneStripWireMark(double effectiveHeight);

// The wire mark's radius in drawing units, the same at every scale.
constexpr double kWireMarkRadius = 0.05;

} // namespace wires
