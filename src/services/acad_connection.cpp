// Connecting to the drawing engine (attach, else start, and open a drawing) and letting it go again.
#include "services/acad_connection.h"

#include "platform/automation/errors_resumed.h"
#include "platform/desktop/app_info.h"
#include "platform/desktop/pumping_wait.h"
#include "services/acad_refs.h"
#include "services/excel_connection.h"
#include "services/form.h"

namespace services {

using automation::ErrObject;
using automation::resume;
using automation::resumeIf;

void ConnectAutoCAD(Form& form, bool visible)
{
    const automation::ClearsCallersError leavesNothingPending;
    // A reference to an instance that has ended (its window was closed) is as good as none:
    // keeping it would make every later command fail silently until a picked one reconnects.
    if (!g_acadApp.isNothing()) {
        if (g_acadApp.isAlive())
            return;
        ReleaseAcadObjects();
    }

    form.ShowMsg(QStringLiteral("正在试图连接或打开 AutoCAD"));
    ErrObject err;
    resume(err, [] { g_acadApp = cad::Application::GetObject(); });
    if (err.failed()) {
        err.clear();
        resume(err, [] { g_acadApp = cad::Application::CreateObject(); });
        if (err.failed()) {
            form.ShowMsg(QStringLiteral("没有正确安装 AutoCAD"));
            err.clear();
            return;
        }
        resume(err, [&] { g_acadApp.setVisible(visible); });
    }
    if (resumeIf(err, [] { return g_acadApp.Documents().Count() == 0; }))
        resume(err, [] { g_acadApp.Documents().Add(JoinPath(desktop::appPath(), QStringLiteral("RIDE.dwt"))); });
    form.ShowMsg(QStringLiteral("已经成功连接 AutoCAD"));
    Wait(50);
    err.clear();
}

void ReleaseAcadObjects()
{
    const automation::ClearsCallersError leavesNothingPending;
    // Dropping a reference cannot fail here; the order is kept as the drawing commands know it.
    g_acadApp = cad::Application();
    g_modelSpace = cad::ModelSpace();
    g_utility = cad::Utility();
    g_lastLine = cad::Entity();
    g_lastText = cad::Entity();
    g_lastCircle = cad::Entity();
    g_lastEntity = cad::Entity();
}

void Wait(int ms) { desktop::pumpingWait(ms); }

} // namespace services
