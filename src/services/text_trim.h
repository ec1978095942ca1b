// Trimming a text as the platform's Trim did: only the ASCII blank, at both ends.
#pragma once

#include <QString>

namespace services {

// s without its leading and trailing blanks; tabs and other spaces stay.
QString TrimBlanks(const QString& s);

} // namespace services
