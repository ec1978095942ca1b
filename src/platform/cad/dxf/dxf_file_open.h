// Opening a drawing file for reading: only a regular file is opened, and a refusal names its cause.
#pragma once

#include <QString>

class QFile;

namespace cad {

// Opens `path` read-only into `file` when it is a regular file, else throws AutomationError:
// FileNotFound for a path that does not exist, a link to nothing, a folder, a FIFO or a device;
// FileError with the system's cause (no permission, a link loop, ...) when it cannot be looked up or
// opened. A FIFO or a device is never opened, so reading never waits on one.
void openDrawingFile(QFile& file, const QString& path);

} // namespace cad
