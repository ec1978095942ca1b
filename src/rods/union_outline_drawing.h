// Drawing a rod-group union outline: arcs drawn hidden in the work frame and turned into place when
// shown, and the pair engine's filed arcs looked up, moved, shown or erased by handle.
//
// An outline runs with errors ignored: a step that fails is skipped and the next one runs. Every
// member here is one such step, so an outline reads as its list of steps:
//     UnionOutline o(st, geometry::kColorGround);
//     const auto arc = o.draw(ThreeRodGroundOutline(...).outer[0]);   // hidden, in the work frame
//     o.place(arc);                                                     // turned back, shown
//     o.eraseAll(st.m_rodGroundHandles[0]);                             // the pair arcs it replaces
// Its failures stay in its own error object, so the caller finds nothing pending afterwards.
#pragma once

#include "platform/automation/errors_resumed.h"
#include "platform/cad/entity.h"
#include "rods/union_outline_geometry.h"
#include "services/acad_refs.h"

#include <optional>

namespace services {
struct FormState;
class HandleList;
} // namespace services

namespace rods {

class UnionOutline {
public:
    // Sets m_color; the work frame turns the drawing about m_point1 by −m_angle.
    UnionOutline(services::FormState& st, short colour);
    UnionOutline(const UnionOutline&) = delete;
    UnionOutline& operator=(const UnionOutline&) = delete;

    const WorkFrame& frame() const { return m_frame; }
    automation::ErrObject& err() { return m_err; }
    // The outline margin in drawing units at this drawing's scale (m_scale): 0.0001 at 1:500.
    double margin() const;

    // The helper circle about a rod: radius in metres × 1000 × m_scale, plus extra drawing units;
    // nothing when that radius is not above margin().
    std::optional<HelperCircle> rodCircle(const cad::Point& rod, double metres, double extra = 0.0) const;
    // The helper circle of a filed arc (its centre and radius, plus extra); nothing when the handle
    // names no arc or the radius is not above margin().
    std::optional<HelperCircle> filedCircle(const services::EntityHandle& handle, double extra = 0.0);

    // Draws the arc through DrawArc and the drawing arguments: hidden, colour m_color, in the work
    // frame. Nothing when the arc is missing or not drawn.
    std::optional<cad::Entity> draw(const std::optional<OutlineArc>& arc);
    // Turns an arc of the work frame back into place and shows it.
    void place(const std::optional<cad::Entity>& arc);

    // The entity of a handle, or of a list entry (an entry outside the list names none).
    std::optional<cad::Entity> entityOf(const services::EntityHandle& handle);
    std::optional<cad::Entity> entityOf(const services::HandleList& list, int index);
    // A filed arc moved into the work frame, and back into place and shown.
    void moveIntoFrame(const services::HandleList& list, int index);
    void placeFiled(const services::HandleList& list, int index);
    void erase(const std::optional<cad::Entity>& entity);
    // Every entry of a list, erased (gone or "-1" entries are skipped).
    void eraseAll(const services::HandleList& list);

    // The crossings of two entities, neither extended; empty when either is missing or they do not meet.
    Crossings crossings(const std::optional<cad::Entity>& a, const std::optional<cad::Entity>& b);
    // The crossings of a helper circle with an entity (an arc: only its drawn part counts).
    Crossings crossings(const std::optional<HelperCircle>& circle, const std::optional<cad::Entity>& entity);

    // The drawing's display brought up to date.
    void updateDisplay();

private:
    services::FormState& m_st;
    WorkFrame m_frame;
    automation::ErrObject m_err;
};

} // namespace rods
