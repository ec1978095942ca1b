// The protected zone of two parallel overhead wires of equal height: its values and the tests that stop them.
#pragma once

namespace wires {

enum class TwoWireStop {
    None,
    SpacingTooLarge, // the wires stand too far apart for one zone: each is a single wire
    SpacingTooSmall, // (h' > Hr only) the wires stand so close that a blind point forms between them
};

// Everything in metres. h' is the wire height less its sag.
struct TwoWireZone {
    TwoWireStop stop = TwoWireStop::None;
    // bo and bx do not depend on the spacing: they are valid at every stop (the picked panel shows
    // them before it draws the wires as single wires).
    double groundHalfWidth = 0.0;  // bo: outer one-side width at the ground
    double targetHalfWidth = 0.0;  // bx: outer one-side width at hx; negative when the sphere reaches under the wire
    // Valid only without a stop.
    double lowestHeight = 0.0;     // h0: the lowest protected height between the wires (on the mid-line)
    double endReach = 0.0;         // am: how far beyond the wire ends the ground outline crosses the mid-line
    double midlineShift = 0.0;     // b(h0) − am: the inward shift of the mid-line height
    double minHalfWidth = 0.0;     // the smallest one-side width of the protected cross-section
};

// The stops the panels test before the spacing is known.
inline bool targetNotBelowWire(double height, double targetHeight) { return targetHeight >= height; }
inline bool wireAboveTwiceSphere(double height, double sphereRadius) { return height >= 2.0 * sphereRadius; }

// The spacing tests and the values, for hx < h' < 2Hr (the two stops above passed) and D >= 0.
TwoWireZone TwoWireZoneOf(double height, double targetHeight, double spacing, double sphereRadius);

} // namespace wires
