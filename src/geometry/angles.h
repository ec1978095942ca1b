// The program's own pi and its multiples: every angle of the drawings is computed with these.
#pragma once

namespace geometry {

// The truncated value the zone drawings were designed with, not the full-precision one.
constexpr double kPi = 3.1415925;
constexpr double kHalfPi = kPi * 0.5;        // 1.57079625
constexpr double kThreeHalfPi = kPi * 1.5;   // 4.71238875
constexpr double kTwoPi = kPi + kPi;         // 6.283185

} // namespace geometry
