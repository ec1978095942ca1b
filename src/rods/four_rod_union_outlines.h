// The union outlines of four rods on a rectangle, built from the side pairs' filed arcs.
#pragma once

namespace services { class Form; }

namespace rods {

// Both read m_point1 (rod 1), m_angle (rod 1 -> rod 2) and the four-rod handle lists as this run's side
// pairs filed them: group 0 the short sides (pair rod 1 -> rod 3, then rod 2 -> rod 4), group 1 the long
// sides (rod 1 -> rod 2, then rod 3 -> rod 4). The outlines take centres and radii from the filed arcs;
// an entry that names no live arc is skipped, and an arc whose ends were not found is not drawn.

// The ground outline around a blind centre: per rod one outer and one inner arc of its ground circle,
// between the crossings with its neighbours' circles, colour 1, shown; the pairs' ground arcs are erased.
// Group 0's ground list is left in rod order (rod 1, rod 2, rod 3, rod 4).
void DrawFourRodGroundUnion(services::Form& form);

// The outline at the target height: per rod an outer and an inner rx arc between its touching points with
// the waist circles of its two sides (at hx 0, where the waist arcs have no radius, the ground outline's
// arcs on the rx circles), colour 6, shown; the pairs' waist arcs are shown, their rx arcs
// erased, and the second copy of each waist arc of a group whose zones meet (m_quadTargetMeet) erased.
// Group 0's target list is left in per-rod order.
void DrawFourRodTargetUnion(services::Form& form);

} // namespace rods
