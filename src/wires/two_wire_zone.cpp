// The protected zone of two parallel overhead wires of equal height: its values and the tests that stop them.
#include "wires/two_wire_zone.h"

#include "services/rolling_sphere.h"

#include <cmath>

namespace wires {

TwoWireZone TwoWireZoneOf(double height, double targetHeight, double spacing, double sphereRadius)
{
    const double hr = sphereRadius;
    const auto b = [hr](double y) { return services::SphereHalfWidth(y, hr); };
    const double halfD = spacing / 2.0;

    TwoWireZone z;
    z.groundHalfWidth = b(height);
    z.targetHalfWidth = b(height) - b(targetHeight);

    if (height > hr && height < 2.0 * hr) {
        // The sphere resting on both wires has its centre above the mid-line at height h' − Hr + am.
        if (spacing >= 2.0 * hr) {
            z.stop = TwoWireStop::SpacingTooLarge;
            return z;
        }
        if (spacing <= (hr - b(height)) + (hr - b(height))) {
            z.stop = TwoWireStop::SpacingTooSmall;
            return z;
        }
        z.lowestHeight = (std::sqrt(hr * hr - halfD * halfD) + height) - hr;
        z.endReach = std::sqrt(hr * hr - halfD * halfD);
        z.midlineShift = b(z.lowestHeight) - z.endReach;
        z.minHalfWidth = (b(height) + halfD) - hr;
        return z;
    }
    if (height <= hr) {
        // The spheres from outside touch the ground within bo of each wire.
        if (spacing >= 2.0 * b(height)) {
            z.stop = TwoWireStop::SpacingTooLarge;
            return z;
        }
        z.lowestHeight = (std::sqrt(hr * hr - halfD * halfD) + height) - hr;
        z.endReach = std::sqrt(height * (2.0 * hr - height) - halfD * halfD);
        z.midlineShift = b(z.lowestHeight) - z.endReach;
        z.minHalfWidth = halfD;
    }
    return z;
}

} // namespace wires
