// Attaches the rod panels to the main window's controls.
#pragma once

namespace services { class Form; }

namespace rods {

// The one-rod, rod-height and two-rod panels: their buttons run their handlers, which are also
// offered to other flows through the form ("cmdOneRod_Click", "cmdHeight_Click", "cmdTwoRod_Click").
void installRodPanels(services::Form& form);

} // namespace rods
