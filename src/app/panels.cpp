#include "app/panels.h"

#include "services/form.h"

namespace app {

void installPanels(services::Form& form)
{
    (void)form;
}

} // namespace app
