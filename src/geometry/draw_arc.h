// The one routine that adds an arc to the drawing: centre, radius and two direction points.
//
// Caller convention: store the step's colour in m_color, load m_centrePoint, m_radius, m_fromPoint and
// m_toPoint, call DrawArc and move the result into g_lastHandle at once; act on g_lastEntity (show,
// rotate, file) only when the result is not kNoEntity.
#pragma once

#include "platform/automation/errors_resumed.h"
#include "platform/cad/geometry/point.h"
#include "services/acad_refs.h"
#include "services/form_state.h"

namespace geometry {

using services::EntityHandle;

// Whether DrawArc leaves out an arc whose two directions differ by less than 0.0001, as the panels'
// arcs have it, or draws every arc whose directions differ at all: a short piece that closes an
// outline, which would be left open without it.
enum class ShortArcs { LeftOut, Drawn };

// Adds to g_modelSpace the arc about centre, counter-clockwise from the direction of fromPt to the
// direction of toPt (seen from the centre; distances do not count), hidden, in colour state.m_color,
// updated; sets g_lastEntity to it and returns its handle. Returns kNoEntity and draws nothing when
// |radius| < 0.0001 or the two directions differ by less than 0.0001 (with ShortArcs::Drawn: are the
// same), and when the engine refuses the arc (g_lastEntity then keeps the earlier arc). Error
// 0x80200080 while the new arc's properties are set also gives kNoEntity (the hidden arc stays).
// Never throws, and returns with no failure pending, the caller's included.
EntityHandle DrawArc(const services::FormState& state, const cad::Point& centre, double radius,
                     const cad::Point& fromPt, const cad::Point& toPt, ShortArcs shortArcs = ShortArcs::LeftOut);

// DrawArc's own direction rule for an arc end: in (0, 2pi], level right gives 2pi, a point on the
// centre gives 3pi/2. Plan directions between two points use DirectionAngle, which differs on purpose.
double ArcEndDirection(const cad::Point& centre, const cad::Point& p);

} // namespace geometry
