// The target-height union outline of three equal rods on an equilateral triangle.
#pragma once

namespace services { class Form; }

namespace rods {

// Replaces the rx arcs that the pair runs filed per rod with one outer rx arc per rod between its two
// outer waist arcs, and treats the centre: no pair zone closes at hx, the inner waist arcs are joined
// near each rod; the centre height reaches hx or the pair zones cover the centre, the inner waist arcs
// go; otherwise the hole is closed by three pieces of the inner waist arcs (or, when they do not
// cross, by the arcs drawn on to meet near each rod) and told as a blind zone. A pair joined at hx keeps
// one arc of the two copies of each waist arc it filed. Everything ends in place,
// shown, in colour 6; the filed rx arcs are erased. Reads m_point1..3, m_angle, m_scale,
// m_targetHalfWidth, m_targetHeight, m_lowestHeight (h0 at the centre), m_pairTargetMeet and the rods' target and waist lists (waist entries replaced).
void DrawThreeRodTargetUnion(services::Form& form);

} // namespace rods
