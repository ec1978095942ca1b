// Attaches the one-wire panels to the main window's controls.
#include "wires/install.h"

#include "services/form.h"
#include "wires/one_strip_panel.h"
#include "wires/one_strip_picked_panel.h"

#include <QWidget>

namespace wires {

void installOneStripPanels(services::Form& form)
{
    // The window owns the panel objects; they live as long as its controls.
    new OneStripPanel(form, form.window());
    new OneStripPickedPanel(form, form.window());
}

} // namespace wires
