// Making two arcs of the drawing meet: trimmed at their one crossing, or drawn on to the crossing of their circles.
#pragma once

#include "services/acad_refs.h"
#include "services/form_state.h"

namespace geometry {

using services::EntityHandle;

// Arcs that cross once are trimmed so that of each the part inside the other's circle remains;
// arcs that do not cross are drawn on along their circles to the crossing nearer their facing ends.
// Each replacement is drawn through DrawArc (colour state.m_color), shown, its handle written back
// into handle1 / handle2, and the old arc erased. Two crossings, a handle that names no arc, or no
// connection: nothing changes. Returns true exactly when the arcs crossed once. Overwrites the drawing
// arguments and m_tmpPoint of state, g_lastHandle and g_lastEntity. Never throws. Only keepInside =
// true is meaningful.
bool JoinArcs(services::FormState& state, EntityHandle& handle1, EntityHandle& handle2, bool keepInside);

} // namespace geometry
