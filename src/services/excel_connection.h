// The connection to the spreadsheet stand-in and the paths of the program's data files.
#pragma once

#include <QString>

namespace services {

void ConnectExcel(bool visible);
// Closes the thunderstorm-day workbook, quits the spreadsheet when nothing is left open, drops the references.
void CloseExcel();

} // namespace services
