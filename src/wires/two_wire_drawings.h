// The drawings both two-wire panels make from the zone values: the ground plan, the target-height plan
// and the two section views.
#pragma once

#include "geometry/frame_drawing.h"
#include "platform/automation/errors_resumed.h"
#include "platform/cad/geometry/point.h"

#include <QString>
#include <functional>

namespace services {
class Form;
struct FormState;
} // namespace services

namespace wires {

inline const QString kAboveLowestPoint = QStringLiteral("目标高度已超过了最低点高度!");
inline const QString kSectionBlindPoint =
    QStringLiteral("避雷线过高或保护半径过小,将形成空间防雷盲点,从而降低保护范围最高点的宽度!");

// The typed panel's plans: laid down at the picked point, the scale text read again for every length.
geometry::Placement typedPlanPlacement(const cad::Point& origin, std::function<QString()> scaleText);
// The picked panel's plans: laid down at m_point1 with the factor m_scale, turned about m_point1 by
// m_angle − pi/2 (the frame's +y onto the first wire) and, when m_point3 lies left of the wire
// m_point1 → m_point2, mirrored in it, so that the second wire lies on the side of m_point3.
geometry::Placement pickedPlanPlacement(const services::FormState& st);

void drawGroundPlan(services::FormState& st, const geometry::Placement& at, automation::ErrObject& err);

// Chooses the outline and draws it; the separate outlines tell "目标高度已超过了最低点高度!" first, and an
// outline with nothing protected tells "目标高度无保护范围!". False when there was nothing to draw because hx
// is exactly h0 (h' <= Hr).
bool drawTargetPlan(services::Form& form, const geometry::Placement& at, automation::ErrObject& err);

// A section frame placed unturned at a point in drawing units.
using SectionFrame = std::function<geometry::Placement(const cad::Point& origin)>;

// The cross-section at m_pickedPoint, then m_pickedPoint moves right for the mid-line section, which
// follows unless no sphere can rest between the wires (then the message, and false).
bool drawSections(services::Form& form, const SectionFrame& frameAt, automation::ErrObject& err);

} // namespace wires
