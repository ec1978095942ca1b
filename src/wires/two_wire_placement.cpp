// Laying the two-wire plans into the drawing: the typed panel at its picked point, shown at once; the
// picked panel onto the picked wires, turned and, with the second wire on the left, mirrored.
#include "wires/two_wire_placement.h"

#include "geometry/angles.h"
#include "geometry/draw_arc.h"
#include "geometry/plan_geometry.h"
#include "services/acad_refs.h"
#include "services/form_state.h"

namespace wires {

using automation::resume;
using services::g_lastEntity;
using services::g_lastHandle;
using services::g_lastLine;
using services::g_modelSpace;

namespace {

// An entity that cannot be shown would stay in the drawing hidden, and be saved so: it goes.
bool showOrErase(cad::Entity& entity, automation::ErrObject& err)
{
    if (resume(err, [&] { entity.setVisible(true); }))
        return true;
    resume(err, [&] { entity.Erase(); });
    return false;
}

} // namespace

PlanPlacement PlanPlacement::typed(const cad::Point& origin, std::function<QString()> scaleText)
{
    return PlanPlacement(geometry::Placement(origin, std::move(scaleText)), false);
}

PlanPlacement PlanPlacement::picked(const services::FormState& st)
{
    return PlanPlacement(geometry::Placement(st.m_point1, st.m_scale), true);
}

void PlanPlacement::drawArc(services::FormState& st, const geometry::FrameArc& arc, automation::ErrObject& err) const
{
    drawArcAt(st, m_frame.point(arc.centre), m_frame.length(arc.radius), m_frame.point(arc.from),
              m_frame.point(arc.to), err);
}

void PlanPlacement::drawArcAt(services::FormState& st, const cad::Point& centre, double radius, const cad::Point& from,
                              const cad::Point& to, automation::ErrObject& err) const
{
    st.m_centrePoint = centre;
    st.m_radius = radius;
    st.m_fromPoint = from;
    st.m_toPoint = to;
    g_lastHandle = geometry::DrawArc(st, st.m_centrePoint, st.m_radius, st.m_fromPoint, st.m_toPoint);
    if (g_lastHandle == services::kNoEntity)
        return; // not drawn: nothing to show, turn or mirror
    if (m_onWires)
        place(st, g_lastEntity, false, err);
    else
        showOrErase(g_lastEntity, err);
}

void PlanPlacement::drawLine(services::FormState& st, const geometry::FrameLine& line, automation::ErrObject& err) const
{
    st.m_fromPoint = m_frame.point(line.from);
    st.m_toPoint = m_frame.point(line.to);
    const bool added = resume(err, [&] { g_lastLine = g_modelSpace.AddLine(st.m_fromPoint, st.m_toPoint); });
    if (!added)
        return; // g_lastLine still names an earlier line, which must stay as it is
    if (m_onWires) {
        resume(err, [] { g_lastLine.setVisible(false); });
        place(st, g_lastLine, true, err);
        return;
    }
    resume(err, [&] { g_lastLine.setColor(st.m_color); });
    resume(err, [] { g_lastLine.Update(); });
}

void PlanPlacement::drawItems(services::FormState& st, const geometry::FrameItems& items, automation::ErrObject& err) const
{
    for (const geometry::FrameItem& item : items) {
        if (item.kind == geometry::FrameItem::Kind::Arc)
            drawArc(st, item.arc, err);
        else
            drawLine(st, item.line, err);
    }
}

void PlanPlacement::place(services::FormState& st, cad::Entity& entity, bool isLine, automation::ErrObject& err) const
{
    // What cannot be put in its place is erased: no command leaves a hidden entity behind.
    if (!resume(err, [&] { entity.Rotate(st.m_point1, st.m_angle - geometry::kHalfPi); })) {
        resume(err, [&] { entity.Erase(); });
        return;
    }
    if (isLine)
        resume(err, [&] { entity.setColor(st.m_color); });
    if (geometry::SideOfLine(st.m_point1, st.m_point2, st.m_point3) == geometry::kLeft) {
        cad::Entity copy;
        if (resume(err, [&] { copy = entity.Mirror(st.m_point1, st.m_point2); }))
            showOrErase(copy, err);
        resume(err, [&] { entity.Erase(); });
        return;
    }
    if (showOrErase(entity, err) && isLine)
        resume(err, [&] { entity.Update(); });
}

} // namespace wires
