// Section views of one rod and of two rods in the section frame (x along the ground, y up), in metres.
#include "rods/sections.h"

#include "services/numeric_routines.h"
#include "services/rolling_sphere.h"

#include <cmath>

namespace rods {

FrameItems OneRodSection(double h, double hx, double sphereRadius, double r0)
{
    const double hr = sphereRadius;
    const double capped = h > hr ? hr : h;
    const double s = services::sphereCentreOffset(capped, hr);
    return {
        lineItem({0.0, 0.0}, {0.0, h}),
        arcItem({s, hr}, hr, {0.0, capped}, {r0, 0.0}),
        arcItem({-s, hr}, hr, {-r0, 0.0}, {0.0, capped}),
        lineItem({-r0, 0.0}, {r0, 0.0}, true),
        lineItem({-r0, hx}, {r0, hx}, true),
    };
}

FrameItems TwoRodSection(const TwoRodSectionInput& in)
{
    const double hr = in.sphereRadius;
    const double d = in.spacing;
    const double m1 = services::MinOf({in.h1, hr});
    const double m2 = services::MinOf({in.h2, hr});
    const double s1 = services::sphereCentreOffset(m1, hr);
    const double s2 = services::sphereCentreOffset(m2, hr);
    const double rm = std::sqrt((hr - m1) * (hr - m1) + in.lowOffset1 * in.lowOffset1);
    const double x0 = d + in.r02 + 50.0;
    // The foot figure's centre and ground contact, each by its own formula; both are X0 + W(hx).
    const double footCentre = x0 + services::sphereCentreOffset(in.hx, hr);
    const double footGround = x0 + services::SphereHalfWidth(in.hx, hr);
    return {
        lineItem({0.0, 0.0}, {0.0, in.h1}),
        lineItem({d, 0.0}, {d, in.h2}),
        arcItem({-s1, hr}, hr, {-in.r01, 0.0}, {0.0, m1}),
        arcItem({d + s2, hr}, hr, {d, m2}, {d + in.r02, 0.0}),
        arcItem({in.lowOffset1, hr}, rm, {0.0, m1}, {d, m2}),
        lineItem({-in.r01, 0.0}, {d + in.r02, 0.0}, true),
        lineItem({-in.r01, in.hx}, {d + in.r02, in.hx}, true),
        arcItem({footCentre, hr}, hr, {x0, in.hx}, {footGround, 0.0}),
        lineItem({x0, 0.0}, {footGround, 0.0}, true),
    };
}

} // namespace rods
