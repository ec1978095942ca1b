// The joint zone of two rods of unequal height at a typed spacing: waist, lowest point, axis gap, radii.
#include "rods/two_rod_zone.h"

#include "services/numeric_routines.h"
#include "services/rolling_sphere.h"

#include <cmath>

namespace rods {

using services::SphereHalfWidth;

TwoRodZone TwoRodZoneOf(double h1, double h2, double hx, double spacing, double sphereRadius)
{
    const double hr = sphereRadius;
    const double d = spacing;
    TwoRodZone z;
    z.m1 = services::MinOf({h1, hr});
    z.m2 = services::MinOf({h2, hr});
    const double m1 = z.m1;
    const double m2 = z.m2;

    if (d >= SphereHalfWidth(m2, hr) + SphereHalfWidth(m1, hr)) {
        z.stop = TwoRodStop::SpacingTooLarge;
        return z;
    }
    z.lowOffset1 = ((hr - m2) * (hr - m2) - (hr - m1) * (hr - m1) + d * d) / (2.0 * d);
    z.lowOffset2 = d - z.lowOffset1;
    const double d1 = z.lowOffset1;

    const double waist2 = m1 * (2.0 * hr - m1) - d1 * d1;
    if (waist2 < 0.0) {
        z.stop = TwoRodStop::HeightUnsuitable;
        return z;
    }
    z.waistHalfWidth = std::sqrt(waist2);
    z.lowestHeight = hr - std::sqrt((hr - m1) * (hr - m1) + d1 * d1);

    if (z.lowestHeight < hx) {
        const double q = (hr - m1) * (hr - m1) + d1 * d1 - (hr - hx) * (hr - hx);
        if (q < 0.0) {
            z.stop = TwoRodStop::GapUnsuitable;
            return z;
        }
        z.axisGap = std::sqrt(q);
    } else {
        z.axisGap = 0.0;
    }

    const auto rod1 = OneRodRadiiOf(h1, hx, hr);
    const auto rod2 = OneRodRadiiOf(h2, hx, hr);
    if (!rod1 || !rod2) {
        z.stop = TwoRodStop::RodRefused;
        return z;
    }
    z.rod1 = *rod1;
    z.rod2 = *rod2;
    return z;
}

} // namespace rods
