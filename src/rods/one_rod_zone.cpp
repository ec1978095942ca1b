// The protected radii of one rod by the rolling sphere: rx at the target height and r0 at the ground.
#include "rods/one_rod_zone.h"

#include "services/rolling_sphere.h"

namespace rods {

using services::SphereHalfWidth;

std::optional<OneRodRadii> OneRodRadiiOf(double h, double hx, double sphereRadius)
{
    const double hr = sphereRadius;
    if (h > hr) {
        if (2.0 * hr - hx < 0.0)
            return std::nullopt;
        return OneRodRadii{hr - SphereHalfWidth(hx, hr), hr, true};
    }
    // hx <= h <= Hr keeps every root real and rx not negative.
    return OneRodRadii{SphereHalfWidth(h, hr) - SphereHalfWidth(hx, hr), SphereHalfWidth(h, hr), false};
}

} // namespace rods
