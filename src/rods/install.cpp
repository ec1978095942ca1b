// Attaches the rod panels to the main window's controls.
#include "rods/install.h"

#include "rods/four_rod_picked_panel.h"
#include "rods/four_rod_typed_panel.h"
#include "rods/height_panel.h"
#include "rods/one_rod_panel.h"
#include "rods/three_rod_panel.h"
#include "rods/three_rod_picked_panel.h"
#include "rods/two_rod_panel.h"
#include "rods/two_rod_picked_panel.h"
#include "services/form.h"

#include <QWidget>

namespace rods {

void installRodPanels(services::Form& form)
{
    // The window owns the panel objects; they live as long as its controls.
    new OneRodPanel(form, form.window());
    new HeightPanel(form, form.window());
    new TwoRodPanel(form, form.window());
    new TwoRodPickedPanel(form, form.window());
    new ThreeRodPanel(form, form.window());
    new ThreeRodPickedPanel(form, form.window());
    new FourRodTypedPanel(form, form.window());
    new FourRodPickedPanel(form, form.window());
}

} // namespace rods
