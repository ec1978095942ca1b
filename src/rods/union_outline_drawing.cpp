// Drawing a rod-group union outline through the drawing engine.
#include "rods/union_outline_drawing.h"

#include "geometry/draw_arc.h"
#include "platform/cad/geometry/geometry_intersect.h"
#include "services/crossing_list.h"
#include "services/form_state.h"
#include "services/handle_lists.h"

namespace rods {

using automation::resume;
using automation::resumeAssign;

UnionOutline::UnionOutline(services::FormState& st, short colour)
    : m_st(st), m_frame{st.m_point1, st.m_angle}
{
    m_st.m_color = colour;
}

double UnionOutline::margin() const { return scaledMargin(kOutlineMargin, m_st.m_scale); }

std::optional<HelperCircle> UnionOutline::rodCircle(const cad::Point& rod, double metres, double extra) const
{
    return helperCircleAt(m_frame, rod, metres * 1000.0 * m_st.m_scale + extra, margin());
}

std::optional<HelperCircle> UnionOutline::filedCircle(const services::EntityHandle& handle, double extra)
{
    const auto arc = entityOf(handle);
    if (!arc)
        return std::nullopt;
    cad::Point centre{};
    double radius = 0.0;
    if (!resumeAssign(m_err, centre, [&] { return arc->Center(); })
        || !resumeAssign(m_err, radius, [&] { return arc->Radius(); }))
        return std::nullopt;
    return helperCircleAt(m_frame, centre, radius + extra, margin());
}

std::optional<cad::Entity> UnionOutline::draw(const std::optional<OutlineArc>& arc)
{
    if (!arc)
        return std::nullopt;
    m_st.m_centrePoint = arc->centre;
    m_st.m_radius = arc->radius;
    m_st.m_fromPoint = arc->from;
    m_st.m_toPoint = arc->to;
    services::g_lastHandle
        = geometry::DrawArc(m_st, m_st.m_centrePoint, m_st.m_radius, m_st.m_fromPoint, m_st.m_toPoint);
    if (services::g_lastHandle == services::kNoEntity)
        return std::nullopt;
    return services::g_lastEntity;
}

void UnionOutline::place(const std::optional<cad::Entity>& arc)
{
    if (!arc)
        return;
    cad::Entity e = *arc;
    if (resume(m_err, [&] { e.Rotate(m_frame.origin, m_frame.angle); }))
        resume(m_err, [&] { e.setVisible(true); });
}

std::optional<cad::Entity> UnionOutline::entityOf(const services::EntityHandle& handle)
{
    cad::Entity e;
    if (!resumeAssign(m_err, e, [&] { return services::g_acadApp.ActiveDocument().HandleToObject(handle); }))
        return std::nullopt;
    return e;
}

std::optional<cad::Entity> UnionOutline::entityOf(const services::HandleList& list, int index)
{
    services::EntityHandle handle;
    if (!resumeAssign(m_err, handle, [&] { return list.at(index); }))
        return std::nullopt;
    return entityOf(handle);
}

void UnionOutline::moveIntoFrame(const services::HandleList& list, int index)
{
    if (auto e = entityOf(list, index))
        resume(m_err, [&] { e->Rotate(m_frame.origin, -1.0 * m_frame.angle); });
}

void UnionOutline::placeFiled(const services::HandleList& list, int index)
{
    place(entityOf(list, index));
}

void UnionOutline::erase(const std::optional<cad::Entity>& entity)
{
    if (!entity)
        return;
    cad::Entity e = *entity;
    resume(m_err, [&] { e.Erase(); });
}

void UnionOutline::eraseAll(const services::HandleList& list)
{
    for (int i = 0; i < list.count(); ++i)
        erase(entityOf(list, i));
}

Crossings UnionOutline::crossings(const std::optional<cad::Entity>& a, const std::optional<cad::Entity>& b)
{
    if (!a || !b)
        return {};
    services::CrossingList list;
    resumeAssign(m_err, list, [&] { return services::crossingsOf(*a, *b, 0); });
    return crossingPoints(list.items());
}

Crossings UnionOutline::crossings(const std::optional<HelperCircle>& circle, const std::optional<cad::Entity>& entity)
{
    if (!circle || !entity)
        return {};
    cad::EntityData data;
    if (!resumeAssign(m_err, data, [&] { return entity->data(); }))
        return {};
    if (data.kind != cad::EntityKind::Arc && data.kind != cad::EntityKind::Circle)
        return {};
    const cad::geom::CircleArc c{circle->centre, circle->radius};
    const cad::geom::CircleArc other{data.center, data.radius, data.startAngle, data.endAngle,
                                     data.kind == cad::EntityKind::Circle};
    return cad::geom::intersectCircleCircle(c, false, other, false);
}

void UnionOutline::updateDisplay()
{
    resume(m_err, [] { services::g_acadApp.ActiveDocument().Application().Update(); });
}

} // namespace rods
