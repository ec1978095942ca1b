// Puts the lines and arcs of a local frame into the drawing: placed at a point, scaled, shown at once.
#pragma once

#include "platform/automation/errors_resumed.h"
#include "platform/cad/point.h"
#include "rods/frame_shapes.h"

#include <QString>
#include <functional>

namespace services { struct FormState; }

namespace rods {

// A frame in metres placed unrotated at an origin in drawing units. The scale text is read again
// for every length (the box may change while a pick waits), as factor × 1000 drawing units per metre.
class Placement {
public:
    Placement(const cad::Point& origin, std::function<QString()> scaleText)
        : m_origin(origin), m_scaleText(std::move(scaleText)) {}

    double length(double metres) const;
    cad::Point point(const FramePoint& p) const;

private:
    cad::Point m_origin;
    std::function<QString()> m_scaleText;
};

// One arc through DrawArc with the drawing arguments of the form state, shown when drawn.
void drawFrameArc(services::FormState& st, const Placement& at, const FrameArc& arc, automation::ErrObject& err);

// One line in `colour`; a refused line leaves every other entity as it was.
void drawFrameLine(services::FormState& st, const Placement& at, const FrameLine& line, short colour,
                   automation::ErrObject& err);

// A section view in order: arcs and the rod lines in m_color, ground and target lines in colour 7.
void drawFrameItems(services::FormState& st, const Placement& at, const FrameItems& items, automation::ErrObject& err);

} // namespace rods
