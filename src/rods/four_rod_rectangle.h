// The rectangle of four picked rods: corners ordered so that rod 1 -> rod 2 is the long side and
// rods 3 and 4 stand on its left.
#pragma once

#include "platform/cad/geometry/point.h"

#include <array>

namespace rods {

struct PickedRectangle {
    std::array<cad::Point, 4> rods{}; // rod 1 .. rod 4 in drawing units
    double longSide = 0.0;            // a, rod 1 to rod 2, metres
    double shortSide = 0.0;           // b, rod 1 to rod 3, metres
    double sideDistance = 0.0;        // signed distance of the third point from the last rod 1 - rod 2 line, metres
    double angle = 0.0;               // direction of rod 1 -> rod 2
    int passes = 0;                   // how many orderings it took (at most three)
};

// Rod 1 and rod 2 as picked and any point on the line through the other two rods; k is drawing units per
// metre. The side of the third point is read from the plan alone, so a line pointing almost straight down
// can never offset the wrong way. When rod 2 was picked on rod 1 the third point's foot becomes the second
// rod position (a = b = 0 when all three coincide): no corner is ever left at an unrelated point.
PickedRectangle NormaliseRectangle(const cad::Point& first, const cad::Point& second, const cad::Point& third,
                                   double unitsPerMetre);

} // namespace rods
