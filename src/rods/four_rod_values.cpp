// The zone values of four rods of equal height on the corners of a rectangle.
#include "rods/four_rod_values.h"

#include "rods/four_rod_axis.h"
#include "services/number_format.h"
#include "services/numeric_routines.h"
#include "services/rolling_sphere.h"

#include <algorithm>
#include <cmath>

namespace rods {

namespace {

std::optional<double> rootOf(double radicand)
{
    if (!(radicand >= 0.0))
        return std::nullopt;
    return std::sqrt(radicand);
}

// span s, reach c, lowest height h0: the meeting of the circle about (−c, Hr) with the one about
// (s/2, Hr + h0), both of radius Hr. Eliminating the height gives (L + Kx)² + 4h0²((x − s/2)² − Hr²) = 0.
FourRodAxisTop axisTop(const FourRodAxisCircles& circles)
{
    const double s = circles.span;
    const double c = circles.reach;
    const double h0 = circles.lowestHeight;
    const double hr = circles.sphereRadius;
    const double half = s / 2.0;
    const double l = h0 * h0 + c * c - half * half;
    const double k = s + 2.0 * c;
    const double h4 = 4.0 * h0 * h0;
    FourRodAxisTop top;
    top.root = services::BisectCubicRoot(0.0f, services::ToSingle(k * k + h4),
                                         services::ToSingle(2.0 * l * k - h4 * s),
                                         services::ToSingle(l * l + h4 * half * half - h4 * hr * hr), 0.0f,
                                         services::ToSingle(half));
    const double t = top.root;
    top.height = hr - std::sqrt(std::max(0.0, hr * hr - (c + t) * (c + t)));
    top.distance = half - t;
    if (circles.twoArcs()) {
        top.distance = 0.0;
        top.height = circles.outerCrossing()->y;
    }
    return top;
}

} // namespace

FourRodValues FourRodValuesOf(const FourRodInput& in)
{
    const double a = in.longSide;
    const double b = in.shortSide;
    const double h = in.height;
    const double hr = in.sphereRadius;
    FourRodValues v;
    v.diagonal = std::sqrt(a * a + b * b);
    const double r0Squared = h * (2.0 * hr - h);
    v.groundHalfWidth = services::SphereHalfWidth(h, hr);
    if (const auto above = rootOf(hr * hr - (v.diagonal / 2.0) * (v.diagonal / 2.0)))
        v.lowestHeight = (*above + h) - hr;
    v.longAxisReach = rootOf(r0Squared - (b / 2.0) * (b / 2.0));
    v.shortAxisReach = rootOf(r0Squared - (a / 2.0) * (a / 2.0));
    if (v.lowestHeight && v.longAxisReach && v.shortAxisReach) {
        for (const FourRodAxisKind kind : {FourRodAxisKind::Long, FourRodAxisKind::Short}) {
            const auto circles = FourRodAxisCirclesOf(kind, a, b, h, *v.longAxisReach, *v.shortAxisReach,
                                                      *v.lowestHeight, hr);
            (kind == FourRodAxisKind::Long ? v.longTop : v.shortTop) = axisTop(circles);
        }
    }
    if (2.0 * hr - in.targetHeight >= 0.0)
        v.targetHalfWidth = services::SphereHalfWidth(h, hr) - services::SphereHalfWidth(in.targetHeight, hr);
    return v;
}

} // namespace rods
