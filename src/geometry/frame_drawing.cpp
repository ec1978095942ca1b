// Puts the lines and arcs of a local frame into the drawing: placed at a point, scaled, shown at once.
#include "rods/frame_drawing.h"

#include "geometry/colours.h"
#include "geometry/draw_arc.h"
#include "services/acad_refs.h"
#include "services/form_state.h"
#include "services/scale.h"

namespace rods {

using automation::resume;

double Placement::length(double metres) const
{
    return (metres * 1000.0) * services::ParseScale(m_scaleText());
}

cad::Point Placement::point(const FramePoint& p) const
{
    return {m_origin[0] + length(p.x), m_origin[1] + length(p.y), m_origin[2]};
}

void drawFrameArc(services::FormState& st, const Placement& at, const FrameArc& arc, automation::ErrObject& err)
{
    st.m_centrePoint = at.point(arc.centre);
    st.m_radius = at.length(arc.radius);
    st.m_fromPoint = at.point(arc.from);
    st.m_toPoint = at.point(arc.to);
    services::g_lastHandle = geometry::DrawArc(st, st.m_centrePoint, st.m_radius, st.m_fromPoint, st.m_toPoint);
    if (services::g_lastHandle != services::kNoEntity)
        resume(err, [] { services::g_lastEntity.setVisible(true); });
}

void drawFrameLine(services::FormState& st, const Placement& at, const FrameLine& line, short colour,
                   automation::ErrObject& err)
{
    st.m_fromPoint = at.point(line.from);
    st.m_toPoint = at.point(line.to);
    const bool added = resume(err, [&] { services::g_lastLine = services::g_modelSpace.AddLine(st.m_fromPoint, st.m_toPoint); });
    if (!added)
        return;
    resume(err, [&] { services::g_lastLine.setColor(colour); });
    resume(err, [] { services::g_lastLine.Update(); });
}

void drawFrameItems(services::FormState& st, const Placement& at, const FrameItems& items, automation::ErrObject& err)
{
    for (const FrameItem& item : items) {
        if (item.kind == FrameItem::Kind::Arc)
            drawFrameArc(st, at, item.arc, err);
        else
            drawFrameLine(st, at, item.line, item.line.groundOrTarget ? geometry::kColorSectionLine : st.m_color, err);
    }
}

} // namespace rods
