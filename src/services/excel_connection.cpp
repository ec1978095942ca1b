// ConnectExcel, CloseExcel and JoinPath, with the spreadsheet references they keep.
#include "services/excel_connection.h"

#include "platform/automation/errors_resumed.h"

namespace services {

using automation::ErrObject;
using automation::resume;
using automation::resumeIf;

sheet::Application g_excelApp;
sheet::Workbook g_workbook;
sheet::Worksheet g_worksheet;

QString ThunderDaysWorkbookName()
{
    return QStringLiteral("全国主要城镇雷暴日数.xls");
}

void ConnectExcel(bool visible)
{
    if (!g_excelApp.isNothing())
        return;
    ErrObject err;
    resume(err, [] { g_excelApp = sheet::Application::getObject(); });
    if (err.failed()) {
        err.clear();
        // An attached application keeps its own visibility; only one started here takes ours.
        resume(err, [&] { g_excelApp = sheet::Application::createObject(visible); });
        if (err.failed()) {
            err.clear();
            return;
        }
        resume(err, [&] { g_excelApp.setVisible(visible); });
    }
}

void CloseExcel()
{
    ErrObject err;
    resume(err, [] { g_workbook.close(); });
    // A count that cannot be read counts as none left: the quit is tried all the same.
    if (resumeIf(err, [] { return g_excelApp.application().workbooks().count() == 0; }))
        resume(err, [] { g_excelApp.quit(); });
    g_excelApp = {};
    g_workbook = {};
    g_worksheet = {};
}

QString JoinPath(const QString& folder, const QString& fileName)
{
    if (folder.endsWith(QLatin1Char('/')))
        return folder + fileName;
    return folder + QLatin1Char('/') + fileName;
}

} // namespace services
