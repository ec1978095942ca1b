// Starting other programs of the desktop, always with an argument list and never through a shell.
#pragma once

#include <QString>
#include <QStringList>

namespace desktop {

// The full path of the first of candidates found on the PATH, or an empty string.
QString findProgram(const QStringList& candidates);

// Starts program detached with arguments; false when it could not be started.
bool startProgram(const QString& program, const QStringList& arguments = {});

} // namespace desktop
