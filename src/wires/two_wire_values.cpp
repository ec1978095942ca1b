// The zone values as both two-wire panels compute them: read from the panel's boxes and class, tested,
// kept in the form state and shown in the panel's five result boxes.
#include "wires/two_wire_values.h"

#include "services/form.h"
#include "services/scale.h"

namespace wires {

const TwoWireBoxes& typedBoxes()
{
    static const TwoWireBoxes boxes{QStringLiteral("txtTwoStripIn"), QStringLiteral("txtTwoStripOut"), 6, 0, 2, 4, 3, 1,
                                    std::nullopt};
    return boxes;
}

const TwoWireBoxes& pickedBoxes()
{
    static const TwoWireBoxes boxes{QStringLiteral("txtTwoStripPickedIn"), QStringLiteral("txtTwoStripPickedOut"), 10,
                                    0, 1, 2, std::nullopt, std::nullopt, 3};
    return boxes;
}

bool readTwoWireInputs(services::Form& form, const TwoWireBoxes& b)
{
    services::FormState& st = form.state();
    const auto h = services::boxNumber(form, b.in, b.height);
    const auto f = services::boxNumber(form, b.in, b.sag);
    const auto hx = services::boxNumber(form, b.in, b.target);
    if (!h || !f || !hx)
        return false; // the input check lets no such box through
    st.m_height = *h;
    st.m_height = st.m_height - *f;
    st.m_targetHeight = *hx;
    if (b.spacing && b.length) {
        const auto d = services::boxNumber(form, b.in, *b.spacing);
        const auto l = services::boxNumber(form, b.in, *b.length);
        if (!d || !l)
            return false;
        st.m_spacing = *d;
        st.m_length = *l;
    }
    if (b.scale)
        st.m_scale = services::ParseScale(services::boxText(form, b.in, *b.scale));

    if (targetNotBelowWire(st.m_height, st.m_targetHeight)) {
        services::refuse(form, b.in, b.target, kTargetNotBelowWire);
        return false;
    }
    if (const auto hr = services::classSphereRadius(form, b.classCombo))
        st.m_sphereRadius = *hr;
    if (wireAboveTwiceSphere(st.m_height, st.m_sphereRadius)) {
        for (int i = 0; i < 5; ++i)
            services::showResult(form, b.out, i, 0.0);
        form.ShowMsg(kWireAboveTwiceSphere);
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
    for (int i = 0; i < 5; ++i)
        services::showResult(form, b.out, i, shown[i]);
    return z;
}

} // namespace wires
