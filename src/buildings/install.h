// Attaches the strike-count panel (panel 1) and its thunderstorm-day look-ups to the window.
#pragma once

namespace services { class Form; }

namespace buildings {

void installStrikeCountPanel(services::Form& form);

} // namespace buildings
