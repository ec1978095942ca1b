// The earthing panels' objects live as children of the main window.
#include "earthing/install.h"

#include "earthing/resistance_panel.h"
#include "earthing/selectors.h"
#include "services/form.h"

#include <QWidget>

namespace earthing {

void installEarthingPanels(services::Form& form)
{
    new Selectors(form, form.window());
    new ResistancePanel(form, form.window());
}

} // namespace earthing
