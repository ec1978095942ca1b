// Puts the lines and arcs of a local frame into the drawing: placed, scaled, turned into place, shown or filed.
#pragma once

#include "geometry/frame_shapes.h"
#include "platform/automation/errors_resumed.h"
#include "platform/cad/entity.h"
#include "platform/cad/point.h"
#include "services/acad_refs.h"

#include <QString>
#include <functional>
#include <optional>

namespace services { struct FormState; }

namespace geometry {

// Takes the handle of an arc drawn hidden (kNoEntity included, so a list keeps its positions). It may
// throw the automation error "subscript out of range" for a slot outside its list; the drawing resumes.
using HandleFiling = std::function<void(const services::EntityHandle&)>;

// A frame in metres laid down at an origin in drawing units: (x, y) goes to origin + (length(x), length(y)),
// where a length is (metres × 1000) × factor. The typed panels read their scale text again for every
// length (the box may change while a pick waits); the picked panels use the factor parsed once into
// m_scale. A turned placement then turns every entity about its base point by its angle, so a frame
// built along the x axis lands where it belongs.
class Placement {
public:
    Placement(const cad::Point& origin, std::function<QString()> scaleText);
    Placement(const cad::Point& origin, double factor);

    // The picked panels' work frame: origin and base m_point1, factor m_scale, angle m_angle.
    static Placement workFrame(const services::FormState& st);

    Placement turnedAbout(const cad::Point& base, double angle) const;
    // Arcs drawn through this placement stay hidden and their handles go to `filing` instead.
    Placement filedInto(HandleFiling filing) const;

    double length(double metres) const;
    // Where a frame point is laid down, before the turn.
    cad::Point point(const FramePoint& p) const;
    // Where a frame point ends up, after the turn.
    cad::Point placedPoint(const FramePoint& p) const;

    bool files() const { return static_cast<bool>(m_filing); }
    // Turns an entity laid down through point() into place; nothing for an unturned placement.
    void turn(cad::Entity& entity, automation::ErrObject& err) const;
    // Files a handle (a failing filing is recorded in err); nothing when the placement does not file.
    void file(const services::EntityHandle& handle, automation::ErrObject& err) const;

private:
    struct Turn {
        cad::Point base;
        double angle;
    };

    cad::Point m_origin;
    std::function<QString()> m_scaleText;
    double m_factor = 0.0;
    std::optional<Turn> m_turn;
    HandleFiling m_filing;
};

// One arc through DrawArc with the drawing arguments of the form state (colour m_color). It is turned
// into place, then shown, or left hidden and filed when the placement files.
void drawFrameArc(services::FormState& st, const Placement& at, const FrameArc& arc, automation::ErrObject& err);

// One line in `colour`, turned into place; a refused line leaves every other entity as it was.
void drawFrameLine(services::FormState& st, const Placement& at, const FrameLine& line, short colour,
                   automation::ErrObject& err);

// A section view in order: arcs and the rod lines in m_color, ground and target lines in colour 7.
void drawFrameItems(services::FormState& st, const Placement& at, const FrameItems& items, automation::ErrObject& err);

} // namespace geometry
