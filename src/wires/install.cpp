// Attaches the overhead-wire panels to the main window's controls.
#include "wires/install.h"

#include "services/form.h"
#include "wires/one_strip_panel.h"
#include "wires/one_strip_picked_panel.h"
#include "wires/two_wire_panel.h"
#include "wires/two_wire_picked_panel.h"

#include <QWidget>

namespace wires {

// The window owns the panel objects; they live as long as its controls.

void installOneStripPanels(services::Form& form)
{
    new OneStripPanel(form, form.window());
    new OneStripPickedPanel(form, form.window());
}

void installTwoStripPanels(services::Form& form)
{
    new TwoWirePanel(form, form.window());
    new TwoWirePickedPanel(form, form.window());
}

} // namespace wires
