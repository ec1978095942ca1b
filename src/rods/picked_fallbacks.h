// The picked rod groups' fall-back: rods on one spot or too far apart are drawn one by one as single rods.
#pragma once

#include <QString>

namespace services { class Form; }

namespace rods {

// Each copies its panel's inputs, class and drawing boxes into the one-rod panel, shows msg, and runs the
// single-rod engine ("cmdOneRod_Click" 1, preset) at m_point1, then at each further rod (m_point2 ..) that
// differs in x, y or z from the rod drawn last, which it copies into m_point1 first. A run that ends early
// ends only itself. The engine clears the tip line as it starts, so msg is shown again after the runs.
// Then the caller's result boxes are reset (two rods: all emptied; three rods: the centre height "0.000";
// four rods: all but rx and r0 emptied). m_point1 is left at the rod drawn last.
void TwoRodPickedAsSingle(services::Form& form, const QString& msg);
void ThreeRodPickedAsSingle(services::Form& form, const QString& msg);
void FourRodPickedAsSingle(services::Form& form, const QString& msg);

} // namespace rods
