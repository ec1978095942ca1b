// The zone of one overhead wire by the rolling sphere: top height h0 and one-side widths bo and bx.
#include "wires/one_strip_zone.h"

#include "services/rolling_sphere.h"

namespace wires {

using services::SphereHalfWidth;

bool TargetAtOrAboveWire(double effectiveHeight, double targetHeight)
{
    return targetHeight >= effectiveHeight;
}

std::optional<OneStripZone> OneStripZoneOf(double effectiveHeight, double targetHeight, double sphereRadius)
{
    const double h = effectiveHeight;
    const double hr = sphereRadius;
    if (h >= 2.0 * hr)
        return std::nullopt;

    OneStripZone z;
    // Each width is taken afresh from the top height, as the two cases were designed; b is
    // symmetric about Hr, so both give bo = b(h') and differ only in h0.
    if (hr < h && h < 2.0 * hr)
        z.h0 = 2.0 * hr - h;
    if (h <= hr)
        z.h0 = h;
    z.bo = SphereHalfWidth(z.h0, hr);
    z.bx = SphereHalfWidth(z.h0, hr) - SphereHalfWidth(targetHeight, hr);
    if (z.bx < 0)
        z.bx = 0;
    return z;
}

} // namespace wires
