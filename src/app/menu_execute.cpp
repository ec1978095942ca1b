// Only the buildings commands can be run from outside; the other menu items stay with the user.
#include "app/menu_execute.h"

#include "app/main_window.h"
#include "platform/automation/errors_resumed.h"
#include "services/control_registry.h"

namespace app {

void MenuExecute(MainWindow& frm, const services::Control* oMenu)
{
    if (!oMenu)
        return;
    automation::ErrObject err;
    const QString name = oMenu->name;
    if (name == QLatin1String("mnuBuildFrequency"))
        automation::resume(err, [&] { frm.menuCommand(name); });
    else if (name == QLatin1String("mnuBuildDesign"))
        automation::resume(err, [&] { frm.menuCommand(name); });
    err.clear();
}

} // namespace app
