// Attaches the building panels to the window: the strike count with its thunderstorm-day look-ups, and the outline design.
#pragma once

namespace services { class Form; }

namespace buildings {

void installStrikeCountPanel(services::Form& form);

// The building-outline panel; its handler is offered through the form as "cmdBuilding_Click".
void installBuildingOutlinePanel(services::Form& form);

} // namespace buildings
