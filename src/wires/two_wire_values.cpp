// The zone values as both two-wire panels compute them: read from the panel's boxes and class, tested,
// kept in the form state and shown in the panel's five result boxes.
#include "wires/two_wire_values.h"

#include "services/form.h"
#include "services/scale.h"

#include <iterator>

namespace wires {

namespace {
// The five result boxes in their order.
constexpr TwoWireBox kResults[] = {TwoWireBox::TargetHalfWidth, TwoWireBox::GroundHalfWidth, TwoWireBox::LowestHeight,
                                   TwoWireBox::MidlineShift, TwoWireBox::MinHalfWidth};
} // namespace

bool readTwoWireInputs(services::Form& form, const TwoWireBoxes& b)
{
    services::FormState& st = form.state();
    const auto h = services::boxNumber(form, b[TwoWireBox::Height]);
    const auto f = services::boxNumber(form, b[TwoWireBox::Sag]);
    const auto hx = services::boxNumber(form, b[TwoWireBox::Target]);
    if (!h || !f || !hx)
        return false; // the input check lets no such box through
    st.m_height = *h;
    st.m_height = st.m_height - *f;
    st.m_targetHeight = *hx;
    if (b.contains(TwoWireBox::Length)) {
        const auto d = services::boxNumber(form, b[TwoWireBox::Spacing]);
        const auto l = services::boxNumber(form, b[TwoWireBox::Length]);
        if (!d || !l)
            return false;
        st.m_spacing = *d;
        st.m_length = *l;
    } else {
        // The picked layout's lengths come from the picks, at the factor parsed here once.
        st.m_scale = services::ParseScale(services::boxText(form, b[TwoWireBox::Scale]));
    }

    if (targetNotBelowWire(st.m_height, st.m_targetHeight)) {
        services::refuse(form, b[TwoWireBox::Target], kTargetAboveWire);
        return false;
    }
    if (const auto hr = services::classSphereRadius(form, b[TwoWireBox::Class]))
        st.m_sphereRadius = *hr;
    if (wireAboveTwiceSphere(st.m_height, st.m_sphereRadius)) {
        for (const TwoWireBox result : kResults)
            services::showResult(form, b[result], 0.0);
        form.ShowMsg(kWireAboveTwiceRadius);
        return false;
    }
    return true;
}

TwoWireZone settleTwoWireZone(services::Form& form, const TwoWireBoxes& b)
{
    services::FormState& st = form.state();
    const TwoWireZone z = TwoWireZoneOf(st.m_height, st.m_targetHeight, st.m_spacing, st.m_sphereRadius);
    if (z.stop != TwoWireStop::None)
        return z;
    st.m_groundHalfWidth = z.groundHalfWidth;
    st.m_targetHalfWidth = z.targetHalfWidth;
    st.m_lowestHeight = z.lowestHeight;
    st.m_endReach = z.endReach;
    st.m_midlineShift = z.midlineShift;
    st.m_minHalfWidth = z.minHalfWidth;
    const double shown[] = {z.targetHalfWidth, z.groundHalfWidth, z.lowestHeight, z.midlineShift, z.minHalfWidth};
    for (std::size_t i = 0; i < std::size(kResults); ++i)
        services::showResult(form, b[kResults[i]], shown[i]);
    return z;
}

} // namespace wires
