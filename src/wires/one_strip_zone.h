// The zone of one overhead wire by the rolling sphere: top height h0 and one-side widths bo and bx.
#pragma once

#include <optional>

namespace wires {

// Metres. h0 is the highest point of the zone, bo its one-side width on the ground, bx at the target height.
struct OneStripZone {
    double h0 = 0.0;
    double bo = 0.0;
    double bx = 0.0;
};

// The target at or above the effective wire height h' (support height minus sag) has no zone: the
// panels refuse it before they read the protection class.
bool TargetAtOrAboveWire(double effectiveHeight, double targetHeight);

// The zone of a wire at effective height h' over a target at hx, for a sphere of radius Hr; nothing
// when h' reaches 2·Hr (the sphere touches the ground under the wire). The caller has refused
// hx >= h' first. Above Hr the top is 2·Hr − h', else h' itself; bx is never negative (0 where the
// target stands at or above the top).
std::optional<OneStripZone> OneStripZoneOf(double effectiveHeight, double targetHeight, double sphereRadius);

} // namespace wires
