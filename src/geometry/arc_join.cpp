// JoinArcs: trimming two arcs at their one crossing, or drawing them on to a crossing of their circles.
#include "geometry/arc_join.h"

#include "geometry/draw_arc.h"
#include "geometry/plan_geometry.h"
#include "services/crossing_list.h"

#include <cmath>
#include <functional>

namespace geometry {

using automation::ErrObject;
using automation::resume;
using automation::resumeAssign;
using services::g_acadApp;
using services::g_lastEntity;
using services::g_lastHandle;
using services::kNoEntity;

namespace {

struct ArcGeometry {
    cad::Entity entity;
    cad::Point centre{}, start{}, end{};
    double radius = 0;
};

double planDistance(const cad::Point& a, const cad::Point& b) { return std::abs(SignedDistance(a, b)); }

// Draws arc k anew from `from` to `to` on its own circle; only when that worked is the new arc shown,
// its handle filed in place of the old one and the old arc erased.
void replace(services::FormState& state, const ArcGeometry& arc, EntityHandle& handle, const cad::Point& from,
             const cad::Point& to)
{
    state.m_centrePoint = arc.centre;
    state.m_radius = arc.radius;
    state.m_fromPoint = from;
    state.m_toPoint = to;
    g_lastHandle = DrawArc(state, state.m_centrePoint, state.m_radius, state.m_fromPoint, state.m_toPoint);
    if (g_lastHandle == kNoEntity)
        return;
    ErrObject err;
    resume(err, [] { g_lastEntity.setVisible(true); });
    handle = g_lastHandle;
    // A second replacement of the same arc finds it erased already; that failure is of no account.
    cad::Entity old = arc.entity;
    resume(err, [&] { old.Erase(); });
}

// Reads a point through the scratch point, as every point read back from the drawing is.
void readPoint(services::FormState& state, ErrObject& err, cad::Point& target, const std::function<cad::Point()>& get)
{
    resumeAssign(err, state.m_tmpPoint, get);
    target = state.m_tmpPoint;
}

void trimAtCrossing(services::FormState& state, const ArcGeometry& a1, EntityHandle& h1, const ArcGeometry& a2,
                    EntityHandle& h2, const cad::Point& x)
{
    // An end exactly on the other circle counts as inside.
    if (planDistance(a1.start, a2.centre) > a2.radius)
        replace(state, a1, h1, x, a1.end);
    if (planDistance(a1.end, a2.centre) > a2.radius)
        replace(state, a1, h1, a1.start, x);
    if (planDistance(a2.start, a1.centre) > a1.radius)
        replace(state, a2, h2, x, a2.end);
    if (planDistance(a2.end, a1.centre) > a1.radius)
        replace(state, a2, h2, a2.start, x);
}

void extendToCircleCrossing(services::FormState& state, const ArcGeometry& a1, EntityHandle& h1,
                            const ArcGeometry& a2, EntityHandle& h2)
{
    ErrObject err;
    services::CrossingList y;
    // When the query on the full circles fails there is no point to meet at: nothing is replaced.
    if (!resumeAssign(err, y, [&] { return services::crossingsOf(a1.entity, a2.entity, 3); }) || y.pointCount() < 1)
        return;
    const cad::Point p1 = y.pointAt(0);
    const cad::Point p2 = y.pointCount() >= 2 ? y.pointAt(1) : p1;
    const double d1 = planDistance(a1.start, a2.end);
    const double d2 = planDistance(a2.start, a1.end);
    if (d1 > d2) {
        // The end of arc 1 and the start of arc 2 face each other.
        const cad::Point m = planDistance(p2, a1.end) < planDistance(p1, a1.end) ? p2 : p1;
        replace(state, a1, h1, a1.start, m);
        replace(state, a2, h2, m, a2.end);
    } else {
        const cad::Point m = planDistance(p2, a2.end) < planDistance(p1, a2.end) ? p2 : p1;
        replace(state, a1, h1, m, a1.end);
        replace(state, a2, h2, a2.start, m);
    }
}

} // namespace

bool JoinArcs(services::FormState& state, EntityHandle& handle1, EntityHandle& handle2, bool /*keepInside*/)
{
    ErrObject err;
    ArcGeometry a1, a2;
    if (!resumeAssign(err, a1.entity, [&] { return g_acadApp.ActiveDocument().HandleToObject(handle1); })
        || !resumeAssign(err, a2.entity, [&] { return g_acadApp.ActiveDocument().HandleToObject(handle2); }))
        return false;
    for (const cad::Entity* e : {&a1.entity, &a2.entity}) {
        QString name;
        if (!resumeAssign(err, name, [&] { return e->ObjectName(); }) || name != QLatin1String("AcDbArc"))
            return false;
    }

    services::CrossingList x;
    const bool crossingsKnown = resumeAssign(err, x, [&] { return services::crossingsOf(a1.entity, a2.entity, 0); });

    for (ArcGeometry* a : {&a1, &a2}) {
        readPoint(state, err, a->centre, [&] { return a->entity.Center(); });
        readPoint(state, err, a->start, [&] { return a->entity.StartPoint(); });
        readPoint(state, err, a->end, [&] { return a->entity.EndPoint(); });
    }
    resumeAssign(err, a1.radius, [&] { return a1.entity.Radius(); });
    resumeAssign(err, a2.radius, [&] { return a2.entity.Radius(); });

    if (!crossingsKnown)
        return false;
    if (x.count() == 3) {
        trimAtCrossing(state, a1, handle1, a2, handle2, x.pointAt(0));
        return true;
    }
    if (x.isEmpty())
        extendToCircleCrossing(state, a1, handle1, a2, handle2);
    return false;
}

} // namespace geometry
