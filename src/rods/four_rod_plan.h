// Plan outlines of four rods on a rectangle: at the ground, and at the target height with its centre hole.
#pragma once

#include "geometry/frame_shapes.h"

#include <array>
#include <optional>
#include <vector>

namespace rods {

using geometry::FrameArc;
using geometry::FramePoint;

// The values the outlines are built from, in metres, in the rectangle's own frame: the rods stand
// at (0, 0), (a, 0), (a, b) and (0, b), the long side a along +x. The caller places (and, for a
// picked rectangle, turns) the frame; nothing here depends on how the rectangle was given.
// rx and r0 are taken as the result boxes show them (three decimals); the rest at full precision.
struct FourRodPlanInput {
    double longSide = 0.0;        // a
    double shortSide = 0.0;       // b
    double longAxisReach = 0.0;   // c1
    double shortAxisReach = 0.0;  // c2
    double targetHalfWidth = 0.0; // rx
    double groundHalfWidth = 0.0; // r0
    double targetHeight = 0.0;    // hx
    double lowestHeight = 0.0;    // h0
    double sphereRadius = 0.0;    // Hr
};

// The sides in the order in which their inner arcs are drawn. South and north are the long sides.
enum FourRodSide { South = 0, East = 1, North = 2, West = 3 };

// The ground outline: one arc of radius r0 about each rod, on the outer side of its corner, from
// axis point to axis point: about (0, 0) from W (−c1, b/2) to S (a/2, −c2), about (a, 0) from S to
// E (a + c1, b/2), about (a, b) from E to N (a/2, b + c2), about (0, b) from N to W.
std::vector<FrameArc> FourRodGroundArcs(const FourRodPlanInput& in);

// The radius of the unprotected hole about the centre at the target height, √(2Hr·u − u²) with
// u = hx − h0; none when that radicand is below 0 (the centre is protected at hx). 0 is a hole.
std::optional<double> FourRodHoleRadius(double targetHeight, double lowestHeight, double sphereRadius);

// The four arcs of radius rx about the rods, over the directions of the ground arcs; their ends
// A1 .. A8 lie on the lines from each rod to its two axis points, at the fraction q = rx/r0.
std::array<FrameArc, 4> FourRodRxArcs(const FourRodPlanInput& in);

// The four inner arcs (south, east, north, west), radius r0 − rx about the side's axis point, each
// joining the ends of the rx arcs of its side and bulging towards the centre.
std::array<FrameArc, 4> FourRodInnerArcs(const FourRodPlanInput& in);

// The outline at the target height, as it is drawn: the rx arcs, then the hole circle when it stays
// whole, then the inner arcs and the pieces that replace some of them, then the stretches of the
// hole circle that replace it.
//
// Without a hole, when the south and north inner circles overlap across the middle
// (c2 + b/2 < r0 − rx), those two arcs are split where the circles cross and the outline falls in
// two loops; the east and west arcs stay whole.
//
// With a hole, only the boundary of what is protected at hx is kept (FourRodOutlineAroundHole): the
// arcs are cut where the hole circle or another inner circle crosses them and lose what lies inside
// those, and of the hole circle only the stretches inside the protected area remain. In the usual
// layouts the south and north arcs are cut at the hole (or at their own crossings, when those stand
// outside it), and the hole circle gives way to its stretches between the cut inner circles.
//
// When rx reads 0.000 there is no zone about each rod and no rx arc. Without a hole the centre is
// protected, and the inner arcs (split as above) run from rod to rod round the region between the
// rods. With a hole (as where hx equals the rod height) nothing is taken as protected at hx; nor when
// the hole swallows the whole outline. Then nothing is drawn and `nothingProtected` is set.
struct FourRodTargetOutline {
    std::vector<FrameArc> rxArcs;     // whole, or the pieces outside the hole
    std::optional<double> holeRadius; // Rh, none without a hole
    bool holeCircleKept = false;      // draw the whole hole circle about (a/2, b/2)
    bool nothingProtected = false;
    std::vector<FrameArc> innerArcs;
    std::vector<FrameArc> holeArcs;
};

FourRodTargetOutline FourRodTargetOutlineOf(const FourRodPlanInput& in);

} // namespace rods
