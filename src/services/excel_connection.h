// The connection to the spreadsheet stand-in and the paths of the program's data files.
#pragma once

#include "platform/sheet/application.h"

#include <QString>

namespace services {

// The spreadsheet references the workbook code shares; nothing until set.
extern sheet::Application g_excelApp; // the spreadsheet application
extern sheet::Workbook g_workbook;    // the thunderstorm-day workbook, opened last
extern sheet::Worksheet g_worksheet;  // the sheet of the province whose places are listed

// The thunderstorm-day workbook's file name in the program's folder.
QString ThunderDaysWorkbookName();

// Attaches to the running spreadsheet application or starts one (visible as asked, only when this
// call started it). Does nothing while g_excelApp is set. Shows nothing and passes no error on:
// g_excelApp stays nothing when none runs and none can start (a visible one needs the desktop's
// spreadsheet program); the caller tests g_excelApp.
void ConnectExcel(bool visible);
// Closes the thunderstorm-day workbook, quits the spreadsheet when nothing is left open, drops the references.
void CloseExcel();

// The path of fileName in folder: folder, "/" unless folder already ends in one, and fileName unchanged.
QString JoinPath(const QString& folder, const QString& fileName);

} // namespace services
