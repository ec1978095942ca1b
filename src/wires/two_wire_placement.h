// Laying the two-wire plans into the drawing: the typed panel at its picked point, shown at once; the
// picked panel onto the picked wires, turned and, with the second wire on the left, mirrored.
#pragma once

#include "geometry/frame_drawing.h"
#include "geometry/frame_shapes.h"
#include "platform/automation/errors_resumed.h"
#include "platform/cad/point.h"

#include <QString>
#include <functional>

namespace services { struct FormState; }

namespace wires {

class PlanPlacement {
public:
    // Typed: the frame's origin at P, the scale text read again for every length.
    static PlanPlacement typed(const cad::Point& origin, std::function<QString()> scaleText);
    // Picked: the origin at m_point1 with the factor m_scale; every entity is then turned about m_point1
    // by m_angle − pi/2 (the frame's +y onto the first wire) and, when m_point3 lies left of the wire
    // m_point1 → m_point2, mirrored in it (the mirror image shown, the turned entity erased), so that the
    // second wire lies on the side of m_point3.
    static PlanPlacement picked(const services::FormState& st);

    const geometry::Placement& frame() const { return m_frame; }

    // Arcs through DrawArc in m_color, lines in m_color. A refused entity leaves every other one as it was.
    void drawArc(services::FormState& st, const geometry::FrameArc& arc, automation::ErrObject& err) const;
    // The same for an arc whose centre, radius and ends are already in drawing units (laid down, not placed).
    void drawArcAt(services::FormState& st, const cad::Point& centre, double radius, const cad::Point& from,
                   const cad::Point& to, automation::ErrObject& err) const;
    void drawLine(services::FormState& st, const geometry::FrameLine& line, automation::ErrObject& err) const;
    void drawItems(services::FormState& st, const geometry::FrameItems& items, automation::ErrObject& err) const;

private:
    PlanPlacement(geometry::Placement frame, bool onWires) : m_frame(std::move(frame)), m_onWires(onWires) {}

    // Turns, then mirrors or shows a hidden entity just made (the picked panel's placing).
    void place(services::FormState& st, cad::Entity& entity, bool isLine, automation::ErrObject& err) const;

    geometry::Placement m_frame;
    bool m_onWires;
};

} // namespace wires
