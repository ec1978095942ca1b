// Draws one wire's zone: the plan at ground level or at the target height, and the section across it.
#pragma once

#include "geometry/frame_drawing.h"
#include "platform/automation/errors_resumed.h"

namespace services { struct FormState; }

namespace wires {

enum class OneStripLevel { Ground, Target };

// The plan of the last computed zone (m_oneStripGroundWidth or m_oneStripTargetWidth as half-width,
// m_length as the wire) in colour m_color, laid down by `at` with the wire along the frame's +y axis:
// unturned about a picked point, or turned onto the picked wire (Placement::workFrame). Both widths
// are first copied into m_groundHalfWidth and m_targetHalfWidth. Failing steps are recorded in err.
// The caller has refused a target-height plan without zone (NoZoneAtTarget).
void DrawOneStripPlan(services::FormState& st, OneStripLevel level, const geometry::Placement& at,
                      automation::ErrObject& err);

// The section across the wire about its foot, never turned: the two arcs in m_color, the ground and
// target-height lines in colour 7, the wire mark (radius 0.05 drawing units at any scale) in m_color.
void DrawOneStripSection(services::FormState& st, const geometry::Placement& at, automation::ErrObject& err);

} // namespace wires
