// The program's window icon, drawn from its SVG at the sizes a desktop asks for.
#pragma once

#include <QIcon>

namespace app {

// Starts drawing the icon on a thread of its own; programIcon() takes what it drew. The drawing uses Qt:
// finishIconRendering() must have returned before the application object goes.
void startIconRendering();
void finishIconRendering();
// Drawn once per process (on the spot when not started before) and the same every time.
QIcon programIcon();

} // namespace app
