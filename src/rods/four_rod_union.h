// The four-rod union driver: a rectangle of rods drawn as side pairs through the pair engine, then merged.
#pragma once

#include <QString>

namespace services { class Form; }

namespace rods {

// Draws four rods on the rectangle m_point1 .. m_point4 (rod 1, rod 2, then the corners left of them;
// m_longSide and m_shortSide set) as rod pairs. The short sides run first; when both sides are shorter
// than twice one rod's ground radius the long sides follow and the union outlines are drawn at the ground
// and at the target height as the panel's boxes ask; otherwise the two short-side zones are shown as the
// pair engine drew them. A rectangle of zero width is one pair, rod 1 - rod 2, shown as drawn.
//
// Each run starts from empty lists, so nothing of an earlier drawing is shown or erased; a pair that ends
// early ends the run, leaving its message and nothing hidden behind. msg is shown again at the end (the
// pair runs clear the tip line) unless a pair ended early. The panel's result boxes 2 to 6 end empty.
void FourRodUnion(services::Form& form, const QString& msg);

} // namespace rods
