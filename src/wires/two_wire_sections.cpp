// The two section views of two parallel wires in their section frames (metres): across both wires, and
// along the mid-line at a wire end.
#include "wires/two_wire_sections.h"

#include "services/rolling_sphere.h"

#include <cmath>

namespace wires {

using geometry::arcItem;
using geometry::FrameItems;
using geometry::FramePoint;
using geometry::lineItem;

FrameItems CrossSection(const TwoWireValues& v)
{
    const double hr = v.sphereRadius;
    const double h = v.height;
    const double d = v.spacing;
    const double bo = v.groundHalfWidth;
    const double centreX = services::sphereCentreOffset(h, hr);
    return {
        arcItem({-centreX, hr}, hr, {-bo, 0}, {0, h}),
        arcItem({d + centreX, hr}, hr, {d, h}, {d + bo, 0}),
        arcItem({d / 2, hr + v.lowestHeight}, hr, {0, h}, {d, h}),
        lineItem({-bo, 0}, {d + bo, 0}, true),
        lineItem({-bo, v.targetHeight}, {d + bo, v.targetHeight}, true),
    };
}

FramePoint wireMark(const TwoWireValues& v, int wire)
{
    return {wire == 0 ? 0.0 : v.spacing, v.height};
}

double midlineSectionShift(const TwoWireValues& v)
{
    return v.groundHalfWidth + v.spacing + 50.0;
}

double midlineSphereClearance(const TwoWireValues& v)
{
    const double hr = v.sphereRadius;
    return hr - std::sqrt((hr - v.height) * (hr - v.height) + (v.spacing / 2) * (v.spacing / 2));
}

MidlineSection MidlineSectionOf(const TwoWireValues& v)
{
    const double hr = v.sphereRadius;
    const double halfD = v.spacing / 2;
    // am of either case of the zone values; both give the same at h' = Hr.
    const double reach = v.height >= hr ? std::sqrt(hr * hr - halfD * halfD)
                                        : std::sqrt(v.groundHalfWidth * v.groundHalfWidth - halfD * halfD);
    MidlineSection s;
    s.sphereCentre = {reach, hr};
    s.sphereRadius = hr;
    s.levelFrom = {-hr, v.lowestHeight};
    s.levelTo = {hr, v.lowestHeight};
    s.groundEnd = {reach, 0};
    s.wireTop = {0, v.height};
    return s;
}

} // namespace wires
