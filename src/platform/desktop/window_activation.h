// Bringing a top-level window of this program to the front by its title.
#pragma once

#include <QString>

namespace desktop {

// Activates the first visible top-level window whose title equals title, or else the first whose
// title begins with it, as the platform's call did. No such window: fails with AutomationError(InvalidProcedureCall), as the platform's call did.
void AppActivate(const QString& title);

} // namespace desktop
