// Where the rolling sphere rests on two points of a building's outline.
#pragma once

#include "platform/cad/geometry/point.h"

namespace buildings {

// The centre of the sphere of radius r (drawing units) resting on a and b, into g_sphereCentre: the
// higher of the two crossings of the circles of radius r about a and b (the second on equal heights),
// or their touching point when a and b stand 2r apart. Found by the drawing engine with two hidden
// circles that are erased again. When the circles do not meet, g_sphereCentre keeps its value.
// Leaves no failure pending.
void FindSphereCentre(const cad::Point& a, const cad::Point& b, double r);

} // namespace buildings
