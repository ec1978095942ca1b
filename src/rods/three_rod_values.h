// The boxes of both three-rod panels and the values they show: the centre height, then rx and r0 of one rod.
#pragma once

#include "services/rod_fields.h"

namespace services { class Form; }

namespace rods {

using services::ThreeRodBox;
using ThreeRodBoxes = services::FieldTable<ThreeRodBox>;
using services::typedThreeRodBoxes;

// The picked panel's table: its inputs where every picked rod panel has them, no Spacing.
const ThreeRodBoxes& pickedThreeRodBoxes();

// From m_height (capped at Hr), m_targetHeight, m_spacing and m_sphereRadius: writes m_lowestHeight
// (h0, or kNoCentreHeight) and the centre-height box (h0, empty for none); refuses the target-height box
// when hx is above 2·Hr (the inputs keep their texts) and answers false; otherwise keeps rx and r0 as
// their boxes show them in m_targetHalfWidth and m_groundHalfWidth, writes both boxes, answers true.
bool ShowThreeRodValues(services::Form& form, const ThreeRodBoxes& boxes);

} // namespace rods
