#include "app/panels.h"

#include "rods/install.h"
#include "services/form.h"

namespace app {

void installPanels(services::Form& form)
{
    rods::installRodPanels(form);
}

} // namespace app
