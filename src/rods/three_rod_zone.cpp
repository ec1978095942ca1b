// The zone values of three equal rods on an equilateral triangle.
#include "rods/three_rod_zone.h"

#include "services/numeric_routines.h"
#include "services/rolling_sphere.h"

#include <cmath>

namespace rods {

std::optional<double> ThreeRodCentreHeight(double cappedHeight, double spacing, double sphereRadius)
{
    // D²/3 is the square of the triangle's circumradius.
    const double q = sphereRadius * sphereRadius - spacing * spacing / 3.0;
    if (q < 0.0)
        return std::nullopt;
    return (std::sqrt(q) + cappedHeight) - sphereRadius;
}

bool ThreeRodsApart(double height, double spacing, double sphereRadius)
{
    const double m = services::MinOf({height, sphereRadius});
    return spacing >= 2.0 * services::SphereHalfWidth(m, sphereRadius);
}

} // namespace rods
