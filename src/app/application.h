// Starts the program: one instance only, the main window, the event loop.
#pragma once

namespace desktop { class SingleInstance; }

namespace app {

class LinkExecuteTopic;
class MainWindow;

int runApplication(int argc, char** argv);

// When the main window's exit has run, the bus name and the instance lock go at once, so that the
// next start comes up normally even while a drawing window keeps this process running.
void releaseAtExit(MainWindow& window, LinkExecuteTopic& topic, desktop::SingleInstance& instance);

} // namespace app
