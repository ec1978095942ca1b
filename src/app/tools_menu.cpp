// The tools and help commands, offered to the window by name.
#include "app/tools_menu.h"

#include "app/about_box.h"
#include "platform/automation/errors_resumed.h"
#include "platform/desktop/app_info.h"
#include "platform/desktop/program_launcher.h"
#include "services/acad_connection.h"
#include "services/acad_refs.h"
#include "services/button_arrays.h"
#include "services/excel_connection.h"
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

QString glossaryDrawingName() { return QString::fromUtf8("软件名称代号图文对照.dwg"); }

void mnuNote_Click(services::Form& form)
{
    services::ConnectAutoCAD(form, true);
    // The connection's own tip tells that the engine could not be reached.
    if (services::g_acadApp.isNothing())
        return;
    automation::ErrObject err;
    automation::resume(err, [] {
        services::g_acadApp.Documents().Open(services::JoinPath(desktop::appPath(), glossaryDrawingName()));
    });
    // Whatever the cause (no file, an unreadable one, an engine that has gone), the file counts as lost.
    if (err.failed()) {
        form.ShowMsg(QString::fromUtf8("《软件名称代号图文对照.dwg》文件丢失!"));
        err.clear();
    }
}

void installToolsMenu(services::Form& form)
{
    form.registerHandler(QStringLiteral("mnuAbout_Click"), [&form](int) { mnuAbout_Click(form); });
    form.registerHandler(QStringLiteral("mnuCalculater_Click"), [](int) { mnuCalculater_Click(); });
    // Opening the glossary connects to the drawing: behind the same guard as the panels' buttons.
    form.registerHandler(QStringLiteral("mnuNote_Click"), [&form](int) {
        if (!services::bringWaitingQuestionForward(form))
            mnuNote_Click(form);
    });
}

} // namespace app
