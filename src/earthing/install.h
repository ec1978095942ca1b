// Attaches the earthing panels (9 to 12), their selectors and the shared steel-type frame to the window.
#pragma once

namespace services { class Form; }

namespace earthing {

void installEarthingPanels(services::Form& form);

} // namespace earthing
