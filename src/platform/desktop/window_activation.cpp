// AppActivate: the top-level window with a given title to the front.
#include "platform/desktop/window_activation.h"

#include "platform/automation/automation_error.h"

#include <QApplication>
#include <QWidget>

namespace desktop {

void AppActivate(const QString& title)
{
    // An exact title wins; else a title that begins with it, so that a window whose title carries
    // a mark after its caption (a "*" for unsaved changes) is still found by its caption.
    QWidget* found = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!w->isVisible() || !w->windowTitle().startsWith(title))
            continue;
        if (w->windowTitle() == title) {
            found = w;
            break;
        }
        if (!found && !title.isEmpty())
            found = w;
    }
    if (found) {
        if (found->isMinimized())
            found->showNormal();
        found->raise();
        found->activateWindow();
        return;
    }
    throw automation::AutomationError(automation::errors::InvalidProcedureCall,
                                      QStringLiteral("no window titled \"%1\"").arg(title));
}

} // namespace desktop
