// AppActivate: the top-level window with a given title to the front.
#include "platform/desktop/window_activation.h"

#include "platform/automation/automation_error.h"

#include <QApplication>
#include <QWidget>

namespace desktop {

void AppActivate(const QString& title)
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->windowTitle() == title) {
            if (w->isMinimized())
                w->showNormal();
            w->raise();
            w->activateWindow();
            return;
        }
    }
    throw automation::AutomationError(automation::errors::InvalidProcedureCall,
                                      QStringLiteral("no window titled \"%1\"").arg(title));
}

} // namespace desktop
