// The three-rod union: the three sides of a rod triangle drawn through the pair engine, then merged.
#pragma once

#include <QString>

namespace services { class Form; }

namespace rods {

inline const QString kThreeRodUnionMessage = QStringLiteral("按双针计算，再并集!");

// Draws the zone of the rods m_point1..m_point3 (counter-clockwise) with the inputs, class and
// drawing boxes of the picked three-rod panel, and its centre result box (h0, or empty for none).
// Runs the pairs "01", "02", "12" through the pair engine, then the ground and target-height union
// outlines the boxes ask for. A pair run that ends early ends the union: the arcs filed so far are
// erased and no outline is drawn. The triangle and m_angle are restored in every case; the rod
// lists are empty afterwards. Shows msg until the first pair run clears the tip line.
void ThreeRodUnion(services::Form& form, const QString& msg);

} // namespace rods
