// The ground-level union outline of three equal rods on an equilateral triangle.
#pragma once

#include "rods/union_outline_geometry.h"

#include <array>

namespace services { class Form; }

namespace rods {

// The outline's arcs in the work frame (rods counter-clockwise, rod 0 -> rod 1 along +x): about each
// rod the outer arc between the outer crossings of its two sides, and, when the circles leave the
// centre uncovered, the inner arc between the inner crossings. A missing arc (no circle, circles
// that do not cross) is nothing.
struct ThreeRodGroundArcs {
    std::array<std::optional<OutlineArc>, 3> outer;
    std::array<std::optional<OutlineArc>, 3> inner;
    bool blindZone = false;
};

// rods in world drawing units, radius (r0) in drawing units; no circle when it is not above smallest.
ThreeRodGroundArcs ThreeRodGroundOutline(const WorkFrame& frame, const std::array<cad::Point, 3>& rods, double radius,
                                         double smallest = kSmallestHelperRadius);

// Replaces the ground arcs that the pair runs filed per rod with the union outline: draws the arcs
// above in colour 1, shows them in place, tells a blind zone at the centre, and erases every filed
// ground arc. Reads m_point1..3, m_angle, m_scale and m_groundHalfWidth.
void DrawThreeRodGroundUnion(services::Form& form);

} // namespace rods
