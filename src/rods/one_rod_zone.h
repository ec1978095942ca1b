// The protected radii of one rod by the rolling sphere: rx at the target height and r0 at the ground.
#pragma once

#include <optional>

namespace rods {

struct OneRodRadii {
    double rx = 0.0; // protected radius at the target height
    double r0 = 0.0; // protected radius at the ground
    // The rod is taller than Hr: the part above Hr protects nothing, and the user is told so.
    bool taller = false;
};

// rx and r0 of a rod of height h for a target height hx (0 <= hx <= h) and a sphere of radius Hr.
// A rod taller than Hr counts as Hr high. Nothing when the rod is taller than Hr and hx is above
// 2·Hr: the sphere cannot reach such a target at all, and the caller refuses the computation.
std::optional<OneRodRadii> OneRodRadiiOf(double h, double hx, double sphereRadius);

} // namespace rods
