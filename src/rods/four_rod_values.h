// The zone values of four rods of equal height on the corners of a rectangle.
#pragma once

#include <optional>

namespace rods {

// The layout in metres: a >= b are the sides, h the rod height already capped at Hr.
struct FourRodInput {
    double longSide = 0.0;     // a
    double shortSide = 0.0;    // b
    double height = 0.0;       // h
    double targetHeight = 0.0; // hx
    double sphereRadius = 0.0; // Hr
};

// The highest point of the zone boundary in one symmetry-axis section.
struct FourRodAxisTop {
    float root = 0.0f;     // t: where the bisection put the meeting of the outer and the middle arc,
                           // from the rod line, in single precision
    double distance = 0.0; // of the highest point from the centre of the rectangle (box 3 or 4)
    double height = 0.0;   // of the highest point (box 5 or 6)
};

// Everything the panels show and the drawings take. A value whose square root would be of a
// negative number is missing rather than NaN; which of them may be missing for an accepted layout
// is said at each.
struct FourRodValues {
    double diagonal = 0.0;                // d = √(a² + b²)
    double groundHalfWidth = 0.0;         // r0 = W(h) = √(h(2Hr − h)), unrounded
    std::optional<double> lowestHeight;   // h0 = √(Hr² − (d/2)²) + h − Hr; none when d/2 > Hr
    std::optional<double> longAxisReach;  // c1 = √(r0² − (b/2)²); none when b/2 > r0
    std::optional<double> shortAxisReach; // c2 = √(r0² − (a/2)²); none when a/2 > r0
    std::optional<FourRodAxisTop> longTop;  // needs h0 and c1
    std::optional<FourRodAxisTop> shortTop; // needs h0 and c2
    std::optional<double> targetHalfWidth;  // rx = W(h) − W(hx), unrounded; none when hx > 2Hr

    // The rods stand too far apart to protect the centre together: the diagonal is at least 2·r0.
    // Below that every optional above is present except, for hx > 2Hr, rx.
    bool spacingTooLarge() const { return diagonal >= 2.0 * groundHalfWidth; }
};

// The values of one layout, with no test of it: a caller refuses what its command refuses.
//
// The highest point of each axis section: where the ground-standing outer circle meets the circle
// resting on the four tips, found as the root t on [0, s/2] of the crossing condition of the two
// circles by the single-precision bisection (s the span, c the reach of the axis): distance s/2 − t,
// height Hr − √(Hr² − (c + t)²) (a radicand that the bisection's overshoot takes below 0 counts as 0).
// Where the section has no middle arc (the short axis whose outer circles cross at or below h0,
// see FourRodAxisCircles::twoArcs) the highest point is that crossing on the centre line: distance 0
// and its height, so the values agree with the section that is drawn.
FourRodValues FourRodValuesOf(const FourRodInput& in);

} // namespace rods
