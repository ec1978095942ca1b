// The desktop's spreadsheet program, to which a visible workbook is handed for editing.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace sheet {

struct SpreadsheetProgram {
    QString program;        // full path of the executable
    QStringList arguments;  // the arguments before the workbook's path
};

// The desktop's default application for .xls workbooks (xdg-mime, its desktop file's Exec line),
// else the first of localc, libreoffice --calc, soffice --calc and gnumeric on the PATH; nothing
// when the machine has none.
std::optional<SpreadsheetProgram> findSpreadsheetProgram();

// Starts the spreadsheet program on file (an argument list, never a shell); false when there is
// no program or it could not be started.
bool showInSpreadsheetProgram(const QString& file);

// The arguments of a desktop file's Exec value: quoting and escapes undone, field codes (%f, %U ...)
// dropped, "%%" kept as "%".
QStringList splitDesktopExec(const QString& exec);

// The program of a desktop file's Exec line, resolved on the PATH; nothing when it is not installed.
std::optional<SpreadsheetProgram> programOfDesktopFile(const QString& desktopFilePath);

// Replaces the look-up (tests); an empty function restores the desktop's. Returns the previous one.
using ProgramFinder = std::function<std::optional<SpreadsheetProgram>()>;
ProgramFinder setProgramFinder(ProgramFinder finder);

} // namespace sheet
