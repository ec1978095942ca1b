// Attaches the panels of every subsystem, then the tools menu, to the window's controls.
#include "app/panels.h"

#include "app/tools_menu.h"
#include "buildings/install.h"
#include "earthing/install.h"
#include "rods/install.h"
#include "services/form.h"
#include "wires/install.h"

namespace app {

void installPanels(services::Form& form)
{
    rods::installRodPanels(form);
    wires::installOneStripPanels(form);
    buildings::installStrikeCountPanel(form);
    buildings::installBuildingOutlinePanel(form);
    earthing::installEarthingPanels(form);
    wires::installTwoStripPanels(form);
    installToolsMenu(form);
}

} // namespace app
