// MenuExecute: the menu commands that execute strings and the test button may run.
#pragma once

namespace services { struct Control; }

namespace app {

class MainWindow;

// Runs the command of oMenu when it is one of the two buildings items; any other item does nothing.
void MenuExecute(MainWindow& frm, const services::Control* oMenu);

} // namespace app
