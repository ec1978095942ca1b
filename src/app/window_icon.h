// The program's window icon, drawn from its SVG at the sizes a desktop asks for.
#pragma once

#include <QIcon>

namespace app {

QIcon programIcon();

} // namespace app
