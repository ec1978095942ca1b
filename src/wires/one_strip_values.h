// The one-wire zone computation as both one-wire panels run it: from their boxes to their result boxes.
#pragma once

#include "services/wire_fields.h"
#include "wires/wire_messages.h"

namespace services { class Form; }

namespace wires {

using services::OneStripBox;
using OneStripBoxes = services::FieldTable<OneStripBox>;

// The tests that come before any drawing: h' = h − f into m_height, hx into m_targetHeight; a target at
// or above the wire is refused with its box marked; Hr from the class text (any other text keeps the
// last Hr); a wire at or above 2·Hr shows "0.000" in the three results and is refused. True when the
// zone can be computed. The boxes hold numbers: the panel's input check has passed.
bool BeginOneStripComputation(services::Form& form, const OneStripBoxes& boxes);

// The zone from the values begun above: h0, bo, bx into the form's state and the result boxes (bx, bo,
// h0). False, with nothing written, when the state no longer admits a zone.
bool FinishOneStripComputation(services::Form& form, const OneStripBoxes& boxes);

// True when a target-height range has nothing to show: the zone's top at or below the target.
bool NoZoneAtTarget(services::Form& form);

} // namespace wires
