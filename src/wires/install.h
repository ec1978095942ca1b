// Attaches the overhead-wire panels to the main window's controls.
#pragma once

namespace services { class Form; }

namespace wires {

// The typed and the picked one-wire panels; their handlers are offered through the form
// ("cmdOneStrip_Click", "cmdOneStripPicked_Click", the latter also the single-wire engine).
void installOneStripPanels(services::Form& form);

// The typed and the picked two-wire panels ("cmdTwoStrip_Click", "cmdTwoStripPicked_Click").
void installTwoStripPanels(services::Form& form);

} // namespace wires
