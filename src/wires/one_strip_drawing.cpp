// Draws one wire's zone: the plan at ground level or at the target height, and the section across it.
#include "wires/one_strip_drawing.h"

#include "services/acad_refs.h"
#include "services/form_state.h"
#include "wires/one_strip_shapes.h"

namespace wires {

using automation::resume;

namespace {

void copyHalfWidths(services::FormState& st)
{
    st.m_groundHalfWidth = st.m_oneStripGroundWidth;
    st.m_targetHalfWidth = st.m_oneStripTargetWidth;
}

} // namespace

void DrawOneStripPlan(services::FormState& st, OneStripLevel level, const geometry::Placement& at,
                      automation::ErrObject& err)
{
    copyHalfWidths(st);
    const double w = level == OneStripLevel::Ground ? st.m_groundHalfWidth : st.m_targetHalfWidth;
    geometry::drawFrameItems(st, at, OneStripPlan(w, st.m_length), err);
}

void DrawOneStripSection(services::FormState& st, const geometry::Placement& at, automation::ErrObject& err)
{
    copyHalfWidths(st);
    geometry::drawFrameItems(
        st, at, OneStripSection(st.m_targetHeight, st.m_sphereRadius, st.m_zoneTopHeight, st.m_groundHalfWidth), err);

    st.m_centrePoint = at.point(OneStripWireMark(st.m_height));
    st.m_radius = kWireMarkRadius;
    // A refused circle leaves g_lastCircle on an earlier one, which must keep its colour.
    if (!resume(err, [&] { services::g_lastCircle = services::g_modelSpace.AddCircle(st.m_centrePoint, st.m_radius); }))
        return;
    resume(err, [&] { services::g_lastCircle.setColor(st.m_color); });
    resume(err, [] { services::g_lastCircle.Update(); });
}

} // namespace wires
