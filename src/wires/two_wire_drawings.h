// The drawings both two-wire panels make from the zone values: the ground plan, the target-height plan
// and the two section views.
#pragma once

#include "geometry/frame_drawing.h"
#include "platform/automation/errors_resumed.h"
#include "platform/cad/point.h"
#include "wires/two_wire_placement.h"

#include <functional>

namespace services { class Form; }

namespace wires {

inline const QString kAboveLowestPoint = QStringLiteral("目标高度已超过了最低点高度!");
inline const QString kSectionBlindPoint =
    QStringLiteral("避雷线过高或保护半径过小,将形成空间防雷盲点,从而降低保护范围最高点的宽度!");

void drawGroundPlan(services::FormState& st, const PlanPlacement& at, automation::ErrObject& err);

// Chooses the outline and draws it; the separate outlines tell "目标高度已超过了最低点高度!" first, and an
// outline with nothing protected tells "目标高度无保护范围!". False when there was nothing to draw because hx
// is exactly h0 (h' <= Hr).
bool drawTargetPlan(services::Form& form, const PlanPlacement& at, automation::ErrObject& err);

// A section frame placed unturned at a point in drawing units.
using SectionFrame = std::function<geometry::Placement(const cad::Point& origin)>;

// The cross-section at m_pickedPoint, then m_pickedPoint moves right for the mid-line section, which
// follows unless no sphere can rest between the wires (then the message, and false).
bool drawSections(services::Form& form, const SectionFrame& frameAt, automation::ErrObject& err);

} // namespace wires
