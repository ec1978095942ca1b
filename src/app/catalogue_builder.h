// Builds the widgets of the catalogue and enters them into the control registry.
#pragma once

#include "app/panel_catalogue.h"
#include "services/control_registry.h"

class QWidget;

namespace app {

void buildControls(QWidget* client, const std::vector<CatalogueEntry>& catalogue,
                   services::ControlRegistry& registry);

} // namespace app
