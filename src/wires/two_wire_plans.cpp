// Plan outlines of two parallel wires in their local frame (metres): the ground range, and at the target
// height the quantities, the choice among the three outlines and the enclosing outline.
#include "wires/two_wire_plans.h"

#include "services/form_state.h"
#include "services/rolling_sphere.h"
#include "wires/two_wire_end_circles.h"

#include <cmath>

namespace wires {

using geometry::arcItem;
using geometry::FrameItems;
using geometry::FramePoint;
using geometry::lineItem;

TwoWireValues twoWireValuesOf(const services::FormState& st)
{
    return {st.m_sphereRadius, st.m_height,     st.m_targetHeight, st.m_groundHalfWidth, st.m_targetHalfWidth,
            st.m_lowestHeight, st.m_endReach, st.m_spacing,      st.m_length};
}

FrameItems TwoWireGroundPlan(const TwoWireValues& v)
{
    const double hr = v.sphereRadius;
    const double bo = v.groundHalfWidth;
    const double am = v.endReach;
    const double d = v.spacing;
    const double l = v.length;
    // Low wires: caps of radius bo about the ends; high wires: the sphere's own radius, the edges run on by e.
    const bool low = v.height <= hr;
    const double r = low ? bo : hr;
    const double e = low ? 0.0 : std::sqrt(hr * hr - bo * bo);
    return {
        arcItem({0, 0}, r, {-bo, -e}, {d / 2, -am}),
        arcItem({d, 0}, r, {d / 2, -am}, {d + bo, -e}),
        arcItem({d, l}, r, {d + bo, l + e}, {d / 2, l + am}),
        arcItem({0, l}, r, {d / 2, l + am}, {-bo, l + e}),
        lineItem({-bo, -e}, {-bo, l + e}),
        lineItem({d + bo, -e}, {d + bo, l + e}),
    };
}

TargetQuantities TargetQuantitiesOf(const TwoWireValues& v)
{
    const double hr = v.sphereRadius;
    const double hx = v.targetHeight;
    const double bx = v.targetHalfWidth;
    TargetQuantities q;
    q.setback = hr - services::SphereHalfWidth(hx, hr);
    q.capDepth = (v.endReach * q.setback) / hr;
    q.capReach = ((v.spacing / 2) * q.setback) / hr;
    if (v.height <= hr) {
        q.endOffset = 0.0;
        q.capRadius = bx;
    } else {
        q.endOffset = bx > 0 ? std::sqrt(q.setback * q.setback - bx * bx) : 0.0;
        q.capRadius = q.setback;
    }
    // Hr − |Hr − h'| as it stands, not through b(h') and back: the two square roots put t a rounding step
    // above 2Hr − h' for one typed height in five.
    q.threshold = hr - std::abs(hr - v.height);
    return q;
}

namespace {
// Metres. Typed heights come in as binary fractions (h' = h − f as well), so a target typed at exactly
// 2Hr − h' lands some 1e-14 m either side of t; one this near is at t. Far below anything typed.
constexpr double kSameHeight = 1e-9;
} // namespace

TargetOutline ChooseTargetOutline(const TwoWireValues& v, const TargetQuantities& q)
{
    const double hr = v.sphereRadius;
    const double h = v.height;
    const double hx = v.targetHeight;
    const double h0 = v.lowestHeight;
    if (hx > h0)
        return TargetOutline::Separate;
    if (h > hr) {
        const bool atOrAboveT = hx >= q.threshold - kSameHeight || !(v.targetHalfWidth > 0);
        return atOrAboveT ? TargetOutline::Joined : TargetOutline::Enclosing;
    }
    if (hx < h0)
        return v.targetHalfWidth > 0 ? TargetOutline::Enclosing : TargetOutline::Nothing;
    return TargetOutline::Separate;
}

FrameItems EnclosingOutline(const TwoWireValues& v, const TargetQuantities& q)
{
    const double d = v.spacing;
    const double l = v.length;
    const double bx = v.targetHalfWidth;
    const double am = v.endReach;
    const double e = q.endOffset;
    const double r = q.capRadius;
    const double p = q.capDepth;
    const double qx = q.capReach;
    const EndCircles ends{d / 2, -am, l + am, v.sphereRadius - q.setback};

    FrameItems items{
        arcItem({0, 0}, r, {-bx, -e}, {qx, -p}),
        arcItem({d, 0}, r, {d - qx, -p}, {d + bx, -e}),
        arcItem({d, l}, r, {d + bx, l + e}, {d - qx, l + p}),
        arcItem({0, l}, r, {qx, l + p}, {-bx, l + e}),
    };
    // The mid-line arcs, cut where short wires bring them across each other. Where they meet the caps
    // (on the line from a wire end to their centre) they never have, so only their middle can be cut.
    const double toStart = std::hypot(d / 2, am);
    const double arcEnd = toStart > 0 ? d / 2 - ends.radius * (d / 2) / toStart : d / 2;
    const auto stretches = unpassedStretches(ends, arcEnd, d - arcEnd);
    if (stretches.size() == 1) {
        items.push_back(arcItem(ends.nearCentre(), ends.radius, {d - qx, -p}, {qx, -p}));
        items.push_back(arcItem(ends.farCentre(), ends.radius, {qx, l + p}, {d - qx, l + p}));
    } else {
        const double cutLeft = stretches.front().right;
        const double cutRight = stretches.back().left;
        const FramePoint crossLeft{cutLeft, l / 2}, crossRight{cutRight, l / 2};
        items.push_back(arcItem(ends.nearCentre(), ends.radius, {d - qx, -p}, crossRight));
        items.push_back(arcItem(ends.nearCentre(), ends.radius, crossLeft, {qx, -p}));
        items.push_back(arcItem(ends.farCentre(), ends.radius, {qx, l + p}, crossLeft));
        items.push_back(arcItem(ends.farCentre(), ends.radius, crossRight, {d - qx, l + p}));
    }
    items.push_back(lineItem({-bx, -e}, {-bx, l + e}));
    items.push_back(lineItem({d + bx, -e}, {d + bx, l + e}));
    return items;
}

} // namespace wires
