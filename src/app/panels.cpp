#include "app/panels.h"

#include "app/tools_menu.h"
#include "services/form.h"

namespace app {

void installPanels(services::Form& form)
{
    (void)form;
    installToolsMenu(form);
}

} // namespace app
