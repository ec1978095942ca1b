// The menu bar of the main window, built from one table in order, separators included.
#pragma once

#include "services/control_registry.h"

class QMenuBar;

namespace app {

// Fills bar and enters every top-level menu and item, separators too, into registry.
void buildMenuBar(QMenuBar* bar, services::ControlRegistry& registry);

// The panel that a menu item shows, or -1 for items with another command.
int panelOfMenuItem(const QString& name);

} // namespace app
