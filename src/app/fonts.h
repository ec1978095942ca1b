// The two faces of the window: a Song face for everything, a bold sans face for the class combos.
#pragma once

#include <QFont>

namespace app {

QFont windowFont();
QFont boldSansFont();

// Reads the desktop's font configuration on a thread of its own, while the application starts: the
// first text the window measures would otherwise wait for it. finishFontPreload() waits until it is
// read (at once when it is, or was never started); call it before the first text is measured.
void startFontPreload();
void finishFontPreload();

} // namespace app
