// The building panels' objects live as children of the main window.
#include "buildings/install.h"

#include "buildings/building_outline_panel.h"
#include "buildings/strike_count_panel.h"
#include "buildings/thunder_day_workbook.h"
#include "services/form.h"

#include <QWidget>

namespace buildings {

void installStrikeCountPanel(services::Form& form)
{
    new StrikeCountPanel(form, form.window());
    new ThunderDayWorkbook(form, form.window());
}

void installBuildingOutlinePanel(services::Form& form)
{
    new BuildingOutlinePanel(form, form.window());
}

} // namespace buildings
