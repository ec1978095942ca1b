// DrawArc: the arc from centre, radius and two direction points, hidden and coloured, with its refusals.
#include "geometry/draw_arc.h"

#include "geometry/angles.h"

#include <cmath>

namespace geometry {

using automation::ErrObject;
using automation::resume;
using services::g_lastEntity;
using services::g_modelSpace;
using services::kNoEntity;

double ArcEndDirection(const cad::Point& centre, const cad::Point& p)
{
    const double dx = p[0] - centre[0];
    const double dy = p[1] - centre[1];
    if (dx == 0)
        return dy > 0 ? kHalfPi : kThreeHalfPi;
    const double t = std::atan(std::abs(dy) / std::abs(dx));
    if (dx > 0)
        return dy > 0 ? t : kTwoPi - t;
    return dy > 0 ? kPi - t : kPi + t;
}

EntityHandle DrawArc(const services::FormState& state, const cad::Point& centre, double radius,
                     const cad::Point& fromPt, const cad::Point& toPt, ShortArcs shortArcs)
{
    const automation::ClearsCallersError leavesNothingPending;
    EntityHandle result = kNoEntity;
    const double startAngle = ArcEndDirection(centre, fromPt);
    const double endAngle = ArcEndDirection(centre, toPt);
    if (std::abs(radius) < 0.0001)
        return result;
    // The plain difference: a sweep of nearly a full turn across the direction 0 still draws.
    const double difference = std::abs(endAngle - startAngle);
    if (shortArcs == ShortArcs::Drawn ? difference == 0.0 : difference < 0.0001)
        return result;

    ErrObject err;
    cad::Entity arc;
    if (!resume(err, [&] { arc = g_modelSpace.AddArc(centre, radius, startAngle, endAngle); }))
        return result;
    g_lastEntity = arc;

    // Each property is attempted even when an earlier one failed; the last failure decides.
    resume(err, [&] { arc.setVisible(false); });
    resume(err, [&] { arc.setColor(state.m_color); });
    resume(err, [&] { arc.Update(); });
    if (err.failed() && err.number() == automation::errors::ArcNotDrawn)
        return result;
    err.clear();

    resume(err, [&] { result = arc.Handle(); });
    return result;
}

} // namespace geometry
