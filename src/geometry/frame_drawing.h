// Puts the lines and arcs of a local frame into the drawing: placed, scaled, turned into place, shown or filed.
#pragma once

#include "geometry/draw_arc.h"
#include "geometry/frame_shapes.h"
#include "platform/automation/errors_resumed.h"
#include "platform/cad/entity.h"
#include "platform/cad/geometry/point.h"
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
// built along the x axis lands where it belongs; a mirrored one then shows every entity's mirror image.
class Placement {
public:
    Placement(const cad::Point& origin, std::function<QString()> scaleText);
    Placement(const cad::Point& origin, double factor);

    // The picked panels' work frame: origin and base m_point1, factor m_scale, angle m_angle.
    static Placement workFrame(const services::FormState& st);

    Placement turnedAbout(const cad::Point& base, double angle) const;
    // After the turn, a shown entity is mirrored in the line from → to: its mirror image is shown and the
    // turned entity erased. Filed arcs are not mirrored.
    Placement mirroredIn(const cad::Point& from, const cad::Point& to) const;
    // An entity that cannot be turned, mirrored or shown is erased rather than left hidden in the drawing;
    // a line to be turned or mirrored is drawn hidden until it is in place.
    Placement erasingUnplaced() const;
    // Arcs drawn through this placement stay hidden and their handles go to `filing` instead.
    Placement filedInto(HandleFiling filing) const;

    double length(double metres) const;
    // Where a frame point is laid down, before the turn.
    cad::Point point(const FramePoint& p) const;
    // Where a frame point ends up, after the turn and the mirror.
    cad::Point placedPoint(const FramePoint& p) const;

    bool files() const { return static_cast<bool>(m_filing); }
    // Whether a line is drawn hidden until it is in place: it may be erased on the way or mirrored away.
    bool hidesLinesUntilPlaced() const { return m_mirror || (m_eraseUnplaced && m_turn); }
    // Turns an entity laid down through point() into place; nothing for an unturned placement. False when
    // the turn failed and the entity was erased for it.
    bool turn(cad::Entity& entity, automation::ErrObject& err) const;
    // Shows a turned entity, or for a mirrored placement its mirror image (the entity itself erased).
    // True when the entity itself is shown.
    bool show(cad::Entity& entity, automation::ErrObject& err) const;
    // Files a handle (a failing filing is recorded in err); nothing when the placement does not file.
    void file(const services::EntityHandle& handle, automation::ErrObject& err) const;

private:
    struct Turn {
        cad::Point base;
        double angle;
    };
    struct MirrorLine {
        cad::Point from;
        cad::Point to;
    };

    // Shows an entity; when that fails and the placement erases what it cannot place, erases it.
    bool showOrErase(cad::Entity& entity, automation::ErrObject& err) const;

    cad::Point m_origin;
    std::function<QString()> m_scaleText;
    double m_factor = 0.0;
    std::optional<Turn> m_turn;
    std::optional<MirrorLine> m_mirror;
    bool m_eraseUnplaced = false;
    HandleFiling m_filing;
};

// One arc through DrawArc with the drawing arguments of the form state (colour m_color). It is turned
// (and mirrored) into place, then shown, or left hidden and filed when the placement files.
void drawFrameArc(services::FormState& st, const Placement& at, const FrameArc& arc, automation::ErrObject& err,
                  ShortArcs shortArcs = ShortArcs::LeftOut);

// One line in `colour`, turned (and mirrored) into place; a refused line leaves every other entity as it was.
void drawFrameLine(services::FormState& st, const Placement& at, const FrameLine& line, short colour,
                   automation::ErrObject& err);

// A section view in order: arcs and the rod lines in m_color, ground and target lines in colour 7.
void drawFrameItems(services::FormState& st, const Placement& at, const FrameItems& items, automation::ErrObject& err);

} // namespace geometry
