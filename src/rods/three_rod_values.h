// The values both three-rod panels show: the centre height, then rx and r0 of one rod.
#pragma once

#include <QString>

namespace services { class Form; }

namespace rods {

// From m_height (capped at Hr), m_targetHeight, m_spacing and m_sphereRadius: writes m_lowestHeight
// (h0, or kNoCentreHeight) and result box 2 (h0, empty for none); refuses input box 1 when hx is
// above 2·Hr (boxes 0 and 1 keep their texts) and answers false; otherwise keeps rx and r0 as their
// boxes show them in m_targetHalfWidth and m_groundHalfWidth, writes boxes 0 and 1, answers true.
bool ShowThreeRodValues(services::Form& form, const QString& inputBoxes, const QString& resultBoxes);

} // namespace rods
