// The height a single rod needs so that a target of height hx at distance rx lies in its zone.
#pragma once

namespace rods {

enum class RodHeightStop {
    None,
    TargetTooHigh, // hx above 2·Hr: no sphere of this class passes over it
    OutOfReach,    // rx + W(hx) above Hr: no rod height brings the zone that far out
    BelowTarget,   // the only height the zone rule gives is lower than the target itself
};

struct RodHeight {
    RodHeightStop stop = RodHeightStop::None;
    double height = 0.0; // valid when stop is None
};

// h <= Hr with W(h) − W(hx) = rx: the smaller root of h·(2·Hr − h) = (rx + W(hx))².
// For hx above Hr that root lies below hx (a rod lower than the object it should protect, where the
// zone rule no longer applies), so such a target is refused rather than answered with that root.
RodHeight RequiredRodHeight(double rx, double hx, double sphereRadius);

} // namespace rods
