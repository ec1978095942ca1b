// The two faces of the window: a Song face for everything, a bold sans face for the class combos.
#pragma once

#include <QFont>

namespace app {

QFont windowFont();
QFont boldSansFont();

} // namespace app
