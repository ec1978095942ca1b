// The equilateral rod triangle of the picked three-rod command: the third rod built from two picks
// and a side point, and the corners put in the order the union drawing expects.
#pragma once

#include "platform/cad/geometry/point.h"

#include <optional>

namespace rods {

// Rods in drawing units: rod0 has the smallest x, the corners run counter-clockwise (rod2 lies left
// of rod0 -> rod1). angle = DirectionAngle(rod0, rod1); spacing = the side in metres.
struct RodTriangle {
    cad::Point rod0{}, rod1{}, rod2{};
    double angle = 0.0;
    double spacing = 0.0;
};

// The apex of the equilateral triangle over first -> second on the side of sidePoint (x and y from
// the side alone; z the mean of the two rods'). Nothing when sidePoint lies on the line through the
// two rods, which includes two equal rods. scale: the drawing-scale factor.
std::optional<cad::Point> TriangleApex(const cad::Point& first, const cad::Point& second, const cad::Point& sidePoint,
                                       double scale);

// The triangle of two picked rods and a side point, ordered. Each pass rebuilds the apex from the
// current first two corners and swaps corners until the order holds; rounding in a rebuilt apex can
// keep two equal x values apart, so the passes are limited and the last ones only fix the turn.
// Nothing when the side point lies on the line through the two picks.
std::optional<RodTriangle> OrderedRodTriangle(const cad::Point& first, const cad::Point& second,
                                              const cad::Point& sidePoint, double scale);

} // namespace rods
