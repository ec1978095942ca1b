// Qt's own Chinese texts for its standard dialogs and buttons, so they read as the rest of the program.
#pragma once

namespace app {

// Installs Qt's Chinese translations into the running application; false when they are not
// installed on this machine (the dialogs then stay in English, nothing else changes).
bool installQtTranslations();

} // namespace app
