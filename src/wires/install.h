// Attaches the overhead-wire panels to the main window's controls.
#pragma once

namespace services { class Form; }

namespace wires {

// The two-wire panels: their buttons run their handlers, which are also offered to other flows through
// the form ("cmdTwoStrip_Click", "cmdTwoStripPicked_Click").
void installWirePanels(services::Form& form);

} // namespace wires
