// The joint zone of two rods of unequal height at a typed spacing: waist, lowest point, axis gap, radii.
#pragma once

#include "rods/one_rod_zone.h"

namespace rods {

enum class TwoRodStop {
    None,
    SpacingTooLarge, // D >= W(m1) + W(m2): the ground ranges do not overlap; compute each rod alone
    HeightUnsuitable, // the ground circles do not cross (waist) or the zone top cannot reach hx
    GapUnsuitable,    // the zone top dips below hx where no sphere position gives a real gap
    RodRefused,       // a rod refused by the one-rod rule (kept out by the gap test; guarded all the same)
};

// Everything in metres. The pair frame: rod 1 (the low rod) at the origin, rod 2 at (D, 0).
struct TwoRodZone {
    TwoRodStop stop = TwoRodStop::None;
    float m1 = 0.0f;          // rod heights capped at Hr, in single precision as the zone rule takes them
    float m2 = 0.0f;
    double lowOffset1 = 0.0;  // D1: from rod 1 to the lowest point of the zone top (negative: behind rod 1)
    double lowOffset2 = 0.0;  // D2 = D − D1
    double waistHalfWidth = 0.0; // b0: the ground circles cross at (D1, ±b0)
    double lowestHeight = 0.0;   // h0: the zone top at its lowest
    double axisGap = 0.0;        // half-length of the axis stretch where the zone top is below hx
    OneRodRadii rod1;
    OneRodRadii rod2;

    // How far the computation got before a stop: the values of the steps before it are valid.
    bool hasOffsets() const { return stop == TwoRodStop::None || stop == TwoRodStop::HeightUnsuitable
                                      || stop == TwoRodStop::GapUnsuitable || stop == TwoRodStop::RodRefused; }
    bool hasWaist() const { return stop == TwoRodStop::None || stop == TwoRodStop::GapUnsuitable
                                   || stop == TwoRodStop::RodRefused; }
    bool complete() const { return stop == TwoRodStop::None; }
};

// h1 <= h2 (the input check orders them), hx <= h1, D the spacing, Hr the sphere radius.
TwoRodZone TwoRodZoneOf(double h1, double h2, double hx, double spacing, double sphereRadius);

} // namespace rods
