// The tools and help commands, offered to the window by name.
#include "app/tools_menu.h"

#include "app/about_box.h"
#include "platform/desktop/program_launcher.h"
#include "services/form.h"

namespace app {

QStringList calculatorCandidates()
{
    return {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"), QStringLiteral("galculator"),
            QStringLiteral("mate-calc"), QStringLiteral("qalculate-gtk"), QStringLiteral("qalculate-qt"),
            QStringLiteral("speedcrunch"), QStringLiteral("xcalc")};
}

void mnuCalculater_Click()
{
    // Started anew on every click, never watched afterwards.
    desktop::startProgram(desktop::findProgram(calculatorCandidates()));
}

void installToolsMenu(services::Form& form)
{
    form.registerHandler(QStringLiteral("mnuAbout_Click"), [&form](int) { mnuAbout_Click(form); });
    form.registerHandler(QStringLiteral("mnuCalculater_Click"), [](int) { mnuCalculater_Click(); });
}

} // namespace app
