// Attaches the overhead-wire panels to the main window's controls.
#include "wires/install.h"

#include "services/form.h"
#include "wires/two_wire_panel.h"

#include <QWidget>

namespace wires {

void installWirePanels(services::Form& form)
{
    // The window owns the panel objects; they live as long as its controls.
    new TwoWirePanel(form, form.window());
}

} // namespace wires
