// Puts the lines and arcs of a local frame into the drawing: placed, scaled, turned into place, shown or filed.
#include "geometry/frame_drawing.h"

#include "geometry/colours.h"
#include "geometry/draw_arc.h"
#include "platform/cad/geometry/geometry_transform.h"
#include "services/form_state.h"
#include "services/scale.h"

namespace geometry {

using automation::resume;

Placement::Placement(const cad::Point& origin, std::function<QString()> scaleText)
    : m_origin(origin), m_scaleText(std::move(scaleText))
{
}

Placement::Placement(const cad::Point& origin, double factor) : m_origin(origin), m_factor(factor) {}

Placement Placement::workFrame(const services::FormState& st)
{
    return Placement(st.m_point1, st.m_scale).turnedAbout(st.m_point1, st.m_angle);
}

Placement Placement::turnedAbout(const cad::Point& base, double angle) const
{
    Placement turned = *this;
    turned.m_turn = Turn{base, angle};
    return turned;
}

Placement Placement::mirroredIn(const cad::Point& from, const cad::Point& to) const
{
    Placement mirrored = *this;
    mirrored.m_mirror = MirrorLine{from, to};
    return mirrored;
}

Placement Placement::erasingUnplaced() const
{
    Placement erasing = *this;
    erasing.m_eraseUnplaced = true;
    return erasing;
}

Placement Placement::filedInto(HandleFiling filing) const
{
    Placement filed = *this;
    filed.m_filing = std::move(filing);
    return filed;
}

double Placement::length(double metres) const
{
    const double factor = m_scaleText ? services::ParseScale(m_scaleText()) : m_factor;
    return (metres * 1000.0) * factor;
}

cad::Point Placement::point(const FramePoint& p) const
{
    return {m_origin[0] + length(p.x), m_origin[1] + length(p.y), m_origin[2]};
}

cad::Point Placement::placedPoint(const FramePoint& p) const
{
    const cad::Point laid = point(p);
    const cad::Point turned = m_turn ? cad::geom::rotatePoint(laid, m_turn->base, m_turn->angle) : laid;
    return m_mirror ? cad::geom::mirrorPoint(turned, m_mirror->from, m_mirror->to) : turned;
}

bool Placement::turn(cad::Entity& entity, automation::ErrObject& err) const
{
    if (!m_turn || resume(err, [&] { entity.Rotate(m_turn->base, m_turn->angle); }))
        return true;
    if (!m_eraseUnplaced)
        return true;
    resume(err, [&] { entity.Erase(); });
    return false;
}

bool Placement::show(cad::Entity& entity, automation::ErrObject& err) const
{
    if (!m_mirror)
        return showOrErase(entity, err);
    cad::Entity image;
    if (resume(err, [&] { image = entity.Mirror(m_mirror->from, m_mirror->to); }))
        showOrErase(image, err);
    resume(err, [&] { entity.Erase(); });
    return false;
}

bool Placement::showOrErase(cad::Entity& entity, automation::ErrObject& err) const
{
    if (resume(err, [&] { entity.setVisible(true); }))
        return true;
    // A hidden entity would stay in the drawing, and be saved so.
    if (m_eraseUnplaced)
        resume(err, [&] { entity.Erase(); });
    return false;
}

void Placement::file(const services::EntityHandle& handle, automation::ErrObject& err) const
{
    if (m_filing)
        resume(err, [&] { m_filing(handle); });
}

void drawFrameArc(services::FormState& st, const Placement& at, const FrameArc& arc, automation::ErrObject& err,
                  ShortArcs shortArcs)
{
    st.m_centrePoint = at.point(arc.centre);
    st.m_radius = at.length(arc.radius);
    st.m_fromPoint = at.point(arc.from);
    st.m_toPoint = at.point(arc.to);
    services::g_lastHandle = DrawArc(st, st.m_centrePoint, st.m_radius, st.m_fromPoint, st.m_toPoint, shortArcs);
    if (services::g_lastHandle != services::kNoEntity) {
        if (at.turn(services::g_lastEntity, err) && !at.files())
            at.show(services::g_lastEntity, err);
    }
    // An arc that was not drawn still takes its slot, so the list keeps its positions.
    at.file(services::g_lastHandle, err);
}

void drawFrameLine(services::FormState& st, const Placement& at, const FrameLine& line, short colour,
                   automation::ErrObject& err)
{
    st.m_fromPoint = at.point(line.from);
    st.m_toPoint = at.point(line.to);
    const bool added = resume(err, [&] { services::g_lastLine = services::g_modelSpace.AddLine(st.m_fromPoint, st.m_toPoint); });
    if (!added)
        return; // g_lastLine still names an earlier line, which must stay as it is
    if (at.hidesLinesUntilPlaced()) {
        resume(err, [] { services::g_lastLine.setVisible(false); });
        if (!at.turn(services::g_lastLine, err))
            return;
        resume(err, [&] { services::g_lastLine.setColor(colour); });
        if (at.show(services::g_lastLine, err))
            resume(err, [] { services::g_lastLine.Update(); });
        return;
    }
    resume(err, [&] { services::g_lastLine.setColor(colour); });
    at.turn(services::g_lastLine, err);
    resume(err, [] { services::g_lastLine.Update(); });
}

void drawFrameItems(services::FormState& st, const Placement& at, const FrameItems& items, automation::ErrObject& err)
{
    for (const FrameItem& item : items) {
        if (item.kind == FrameItem::Kind::Arc)
            drawFrameArc(st, at, item.arc, err);
        else
            drawFrameLine(st, at, item.line, item.line.groundOrTarget ? kColorSectionLine : st.m_color, err);
    }
}

} // namespace geometry
