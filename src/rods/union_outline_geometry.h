// The plan geometry that the rod-group union outlines share: the work frame, helper circles, their
// crossings, and the choice of one crossing by a coordinate. No drawing engine, no state.
//
// An outline is worked out in the group's work frame: the drawing turned about the first rod by
// −angle, so that the first side runs along +x; coordinates stay drawing units. Each rod gets a
// helper circle there; the arcs of the outline run between crossings of those circles (or of a
// circle with a filed arc) and are turned back into place when drawn.
#pragma once

#include "platform/cad/geometry/point.h"

#include <optional>
#include <vector>

namespace rods {

struct WorkFrame {
    cad::Point origin{}; // the first rod, m_point1
    double angle = 0.0;  // the first side's direction, m_angle

    cad::Point toWork(const cad::Point& world) const;
    cad::Point toWorld(const cad::Point& work) const;
};

// A circle of the work frame.
struct HelperCircle {
    cad::Point centre{};
    double radius = 0.0;
};

// The margins of the outlines (helper circles a hair larger than the arcs they cut, the smallest
// helper circle made, the gap that tells a hole) are set in drawing units at 1:500 and grow and shrink
// with the drawing: an outline at any scale is then the 1:500 one scaled. At 1:500 they are exactly
// the values given.
constexpr double kReferenceScale = 0.002; // the factor of "1:500"
constexpr double kOutlineMargin = 0.0001; // drawing units at 1:500
inline double scaledMargin(double atReference, double scale) { return atReference * (scale / kReferenceScale); }

// Circles of 0.0001 drawing units or less (at 1:500) are not made: whatever needs one is skipped.
constexpr double kSmallestHelperRadius = kOutlineMargin;

// The helper circle about a rod given in world drawing units, moved into the frame; nothing when the
// radius (drawing units) is not above `smallest`.
std::optional<HelperCircle> helperCircleAt(const WorkFrame& frame, const cad::Point& worldCentre, double radius,
                                           double smallest = kSmallestHelperRadius);

// Crossings in the order the drawing engine reports them (its IntersectWith, neither extended);
// empty when either circle is missing or they do not meet, one point when they touch.
using Crossings = std::vector<cad::Point>;
Crossings circleCrossings(const std::optional<HelperCircle>& a, const std::optional<HelperCircle>& b);
// The points of a flat x, y, z list; a trailing partial point is dropped.
Crossings crossingPoints(const std::vector<double>& flat);

// Which crossing an outline end takes.
enum class CrossingChoice {
    First,    // the first point reported
    SmallerX, // of two points: the tie rule gives point 1 to "smaller" and point 2 to "larger"
    LargerX,
    SmallerY,
    LargerY,
};

// The chosen point; nothing when the list holds too few points for the choice (a choice by a
// coordinate needs two, First needs one).
std::optional<cad::Point> chooseCrossing(const Crossings& points, CrossingChoice choice);

// An arc as the arc-drawing routine takes it, in the work frame: counter-clockwise about the
// centre from the direction of `from` to the direction of `to`.
struct OutlineArc {
    cad::Point centre{};
    double radius = 0.0;
    cad::Point from{};
    cad::Point to{};
};

// The arc on a helper circle between two chosen crossings, radius changed by radiusDelta; nothing
// when the circle or either end is missing (no arc is made from points of another drawing).
std::optional<OutlineArc> arcBetween(const std::optional<HelperCircle>& circle, const std::optional<cad::Point>& from,
                                     const std::optional<cad::Point>& to, double radiusDelta = 0.0);

// Two arcs of one circle as counter-clockwise sweeps from a start angle to an end angle (radians).
struct ArcSpan {
    double start = 0.0;
    double end = 0.0;
};
// The one sweep that covers both when they overlap or meet end to start; nothing when they lie apart.
std::optional<ArcSpan> mergedSpan(const ArcSpan& a, const ArcSpan& b);

} // namespace rods
