// The three section views of four rods on a rectangle, in their view frames (x along the section, y up), in metres.
#pragma once

#include "geometry/frame_shapes.h"

#include <QString>
#include <array>

namespace rods {

using geometry::FrameItems;
using geometry::arcItem;
using geometry::lineItem;

// The values the views are drawn from; nothing here depends on how the rectangle was given.
struct FourRodSectionInput {
    double typedHeight = 0.0;     // hT: the rod lines stand at the height as typed, not capped
    double height = 0.0;          // h: capped at Hr, where the arcs meet the rods
    double targetHeight = 0.0;    // hx
    double sphereRadius = 0.0;    // Hr
    double longSide = 0.0;        // a
    double shortSide = 0.0;       // b
    double diagonal = 0.0;        // d
    double lowestHeight = 0.0;    // h0
    double longAxisReach = 0.0;   // c1
    double shortAxisReach = 0.0;  // c2
    double groundHalfWidth = 0.0; // r0 as the result box shows it
};

// One view: its title, what it holds in drawing order, and how far (in metres, before the fixed gap
// between views) the next view's origin lies to the right of this one's.
struct FourRodSectionView {
    QString title;
    FrameItems items;
    double advance = 0.0;
};

// The gap between neighbouring views' ground lines, in drawing units at every scale.
constexpr double kFourRodViewGap = 50.0;

// The diagonal view "对角线剖面": the two diagonally opposite rods at x = 0 and x = d, the outer arcs
// from the ground at ∓r0 up to the rod tips (at h), the middle arc from tip to tip through (d/2, h0),
// the ground and target-height lines over −r0 .. d + r0.
FrameItems FourRodDiagonalSection(const FourRodSectionInput& in);

// A symmetry-axis view ("长对称轴剖面" across the short sides, span a; "短对称轴剖面" across the long
// sides, span b): the rod lines, the left outer arc from the ground at −c up to where it meets the
// middle arc, the right outer arc down to the ground at s + c, the middle arc between those two
// meetings; or, on the short axis whose outer circles cross at or below h0, only the two outer arcs
// meeting on the centre line. An arc whose meeting does not exist is left out. Then the ground and
// target-height lines over −c .. s + c.
FrameItems FourRodAxisSection(const FourRodSectionInput& in, bool longAxis);

// The three views left to right: diagonal, long axis, short axis. The long-axis origin lies
// (d + r0 + c1) metres plus the gap right of the diagonal one, the short-axis origin (a + c1 + c2)
// metres plus the gap right of the long-axis one, so neighbouring ground lines stand the gap apart.
std::array<FourRodSectionView, 3> FourRodSectionViews(const FourRodSectionInput& in);

} // namespace rods
