// The one-wire zone computation as both one-wire panels run it: from their boxes to their result boxes.
#include "wires/one_strip_values.h"

#include "services/form.h"
#include "services/panel_io.h"
#include "wires/one_strip_zone.h"

namespace wires {

using services::boxNumber;
using services::showResult;

bool BeginOneStripComputation(services::Form& form, const OneStripBoxes& boxes)
{
    services::FormState& st = form.state();
    const auto h = boxNumber(form, boxes[OneStripBox::Height]);
    const auto f = boxNumber(form, boxes[OneStripBox::Sag]);
    const auto hx = boxNumber(form, boxes[OneStripBox::Target]);
    if (!h || !f || !hx)
        return false;
    st.m_height = *h;
    st.m_height = st.m_height - *f;
    st.m_targetHeight = *hx;

    if (TargetAtOrAboveWire(st.m_height, st.m_targetHeight)) {
        services::refuse(form, boxes[OneStripBox::Target], kTargetAboveWire);
        return false;
    }
    if (const auto hr = services::classSphereRadius(form, boxes[OneStripBox::Class]))
        st.m_sphereRadius = *hr;
    if (!OneStripZoneOf(st.m_height, st.m_targetHeight, st.m_sphereRadius)) {
        for (const OneStripBox result : {OneStripBox::TargetWidth, OneStripBox::GroundWidth, OneStripBox::ZoneTop})
            showResult(form, boxes[result], 0.0);
        form.ShowMsg(kWireAboveTwiceRadius);
        return false;
    }
    return true;
}

bool FinishOneStripComputation(services::Form& form, const OneStripBoxes& boxes)
{
    services::FormState& st = form.state();
    const auto zone = OneStripZoneOf(st.m_height, st.m_targetHeight, st.m_sphereRadius);
    if (!zone || TargetAtOrAboveWire(st.m_height, st.m_targetHeight))
        return false;
    st.m_zoneTopHeight = zone->h0;
    st.m_oneStripGroundWidth = zone->bo;
    st.m_oneStripTargetWidth = zone->bx;
    showResult(form, boxes[OneStripBox::TargetWidth], zone->bx);
    showResult(form, boxes[OneStripBox::GroundWidth], zone->bo);
    showResult(form, boxes[OneStripBox::ZoneTop], zone->h0);
    return true;
}

bool NoZoneAtTarget(services::Form& form)
{
    const services::FormState& st = form.state();
    return st.m_zoneTopHeight <= st.m_targetHeight;
}

} // namespace wires
