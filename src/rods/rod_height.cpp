// The height a single rod needs so that a target of height hx at distance rx lies in its zone.
#include "rods/rod_height.h"

#include "services/rolling_sphere.h"

#include <cmath>

namespace rods {

RodHeight RequiredRodHeight(double rx, double hx, double sphereRadius)
{
    const double hr = sphereRadius;
    if (hx * (2.0 * hr - hx) < 0.0)
        return {RodHeightStop::TargetTooHigh, 0.0};
    const double reach = rx + services::SphereHalfWidth(hx, hr);
    if (hr * hr - reach * reach < 0.0)
        return {RodHeightStop::OutOfReach, 0.0};
    const double h = hr - std::sqrt(hr * hr - reach * reach);
    // Exactly when hx > Hr is the root below hx (h <= Hr < hx); for hx <= Hr it is never below hx
    // but may come out a rounding step under it, so the test is made on hx and Hr.
    if (hx > hr)
        return {RodHeightStop::BelowTarget, 0.0};
    return {RodHeightStop::None, h};
}

} // namespace rods
