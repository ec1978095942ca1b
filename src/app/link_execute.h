// Form_LinkExecute: carries out one execute string sent to the main window by another program.
//
// "SHOW|text" and "CLIENT|text" put text on the tip line; "EXECUTE|name|index|value" presses,
// chooses, ticks, selects or marks the control name(index); "COMMAND", "MEMORY" and anything else
// do nothing. Every string is accepted.
#pragma once

#include <QString>

namespace app {

class MainWindow;

// Cancel is always set to 0: the string is accepted, whatever it held and whatever failed.
void Form_LinkExecute(MainWindow& frm, const QString& CmdStr, int& Cancel);

} // namespace app
