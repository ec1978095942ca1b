// Where the program lives and which version it is.
#pragma once

#include <QString>

namespace desktop {

// The folder of the executable (the program's data files lie there), without a trailing "/".
QString appPath();
// The executable's name without folder or extension ("RIDE").
QString exeName();

int versionMajor();
int versionMinor();
int versionRevision();

} // namespace desktop
