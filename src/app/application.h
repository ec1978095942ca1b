// Starts the program: one instance only, the main window, the event loop.
#pragma once

namespace app {

int runApplication(int argc, char** argv);

} // namespace app
