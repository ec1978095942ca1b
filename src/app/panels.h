// Attaches the panels of every subsystem to the window's controls.
#pragma once

namespace services { class Form; }

namespace app {

void installPanels(services::Form& form);

} // namespace app
