// The zone values as both two-wire panels compute them: read from the panel's boxes and class, tested,
// kept in the form state and shown in the panel's five result boxes.
#pragma once

#include "services/wire_fields.h"
#include "wires/two_wire_zone.h"
#include "wires/wire_messages.h"

namespace services { class Form; }

namespace wires {

using services::TwoWireBox;
using TwoWireBoxes = services::FieldTable<TwoWireBox>;

// Reads h' = h − f, hx and, for the typed panel, D and L (the picked one: the scale) into the form state, tests hx against h', takes Hr from the
// class and tests h' against 2Hr (then every result box shows 0). False at a stop, which it has told.
bool readTwoWireInputs(services::Form& form, const TwoWireBoxes& boxes);

// The spacing tests and the values for the D in m_spacing. Without a stop the values go into the form
// state and the result boxes; at a stop nothing is written and the caller tells it.
TwoWireZone settleTwoWireZone(services::Form& form, const TwoWireBoxes& boxes);

} // namespace wires
