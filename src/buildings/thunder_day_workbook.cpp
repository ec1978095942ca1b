// Province and place look-ups in the thunderstorm-day workbook through the spreadsheet stand-in.
#include "buildings/thunder_day_workbook.h"

#include "platform/automation/errors_resumed.h"
#include "platform/desktop/app_info.h"
#include "services/excel_connection.h"
#include "services/form.h"
#include "services/number_format.h"
#include "services/text_trim.h"

#include <QComboBox>
#include <QLineEdit>

namespace buildings {

using automation::AutomationError;
using automation::ErrObject;
using automation::resume;
using services::g_excelApp;
using services::g_workbook;
using services::g_worksheet;

namespace {

// The last row of an .xls sheet: a list reaching it ends there.
constexpr int kLastRow = 65536;

QComboBox* combo(services::Form& form, const char* name) { return form.controls().comboBox(QString::fromUtf8(name)); }

} // namespace

ThunderDayWorkbook::ThunderDayWorkbook(services::Form& form, QObject* parent) : QObject(parent), m_form(form)
{
    // A choice from the list, also of the entry already shown: every province choice reads afresh.
    if (QComboBox* province = combo(form, "cboProvince"))
        connect(province, &QComboBox::activated, this, [this] { cboProvince_Click(); });
    if (QComboBox* county = combo(form, "cboCounty")) {
        // The list holds the workbook's places only: a name typed into the edit field is not added.
        county->setInsertPolicy(QComboBox::NoInsert);
        connect(county, &QComboBox::activated, this, [this] { cboCounty_Click(); });
    }
    form.registerHandler(QStringLiteral("mnuTD_Click"), [this](int) { mnuTD_Click(); });
}

QString ThunderDayWorkbook::folder() const { return m_folder.isEmpty() ? desktop::appPath() : m_folder; }

QString ThunderDayWorkbook::workbookPath() const
{
    return services::JoinPath(folder(), services::ThunderDaysWorkbookName());
}

void ThunderDayWorkbook::cboProvince_Click()
{
    if (QComboBox* province = combo(m_form, "cboProvince"))
        LoadPlaces(province->currentText());
}

void ThunderDayWorkbook::cboCounty_Click()
{
    if (QComboBox* county = combo(m_form, "cboCounty"))
        LookupThunderDays(county->currentText());
}

void ThunderDayWorkbook::LoadPlaces(const QString& province)
{
    ErrObject err;
    // Attach at every call; start an invisible one when none runs.
    resume(err, [] { g_excelApp = sheet::Application::getObject(); });
    if (err.failed()) {
        err.clear();
        resume(err, [] { g_excelApp = sheet::Application::createObject(false); });
        if (err.failed()) {
            err.clear();
            return;
        }
        resume(err, [] { g_excelApp.setVisible(false); });
    }
    if (g_excelApp.isNothing())
        return;

    // Opening the workbook again reads the file afresh when it was saved meanwhile, with the user's
    // edits. A failing open leaves the workbook and the listed sheet as they were.
    resume(err, [&] { g_workbook = g_excelApp.workbooks().open(workbookPath()); });
    if (err.failed()) {
        err.clear();
        return;
    }
    if (g_workbook.isNothing())
        return;

    // From here on a failing call ends the look-up quietly: the user may have closed the
    // spreadsheet meanwhile, and a half-read list is better than an aborted program.
    try {
        const sheet::Sheets sheets = g_workbook.sheets();
        const int n = sheets.count();
        sheet::Worksheet found;
        for (int i = 1; i <= n; ++i) {
            const sheet::Worksheet ws = sheets.item(i);
            if (ws.name() == province) {
                found = ws;
                break;
            }
        }
        QComboBox* county = combo(m_form, "cboCounty");
        // No sheet of that name: nothing of another province may be used under this one, so the
        // list, the place and the days are emptied and the engineer types the days.
        if (found.isNothing()) {
            g_worksheet = sheet::Worksheet();
            if (county) {
                county->clear();
                county->setEditText(QString());
            }
            if (QLineEdit* days = m_form.controls().textBox(QStringLiteral("txtTD")))
                days->clear();
            return;
        }
        g_worksheet = found;

        if (!county)
            return;
        // Emptying the list leaves the place text as it was.
        const QString placeText = county->currentText();
        county->clear();
        county->setEditText(placeText);
        for (int row = 1; row <= kLastRow; ++row) {
            const QString place = services::TrimBlanks(services::VariantText(g_worksheet.cells(row, 1)));
            if (place.isEmpty())
                break;
            county->addItem(place);
        }
        if (county->count() == 0)
            return;
        county->setCurrentIndex(0);
        LookupThunderDays(county->currentText());
    } catch (const AutomationError&) {
    }
}

void ThunderDayWorkbook::LookupThunderDays(const QString& place)
{
    QComboBox* county = combo(m_form, "cboCounty");
    QLineEdit* days = m_form.controls().textBox(QStringLiteral("txtTD"));
    if (!county || !days)
        return;
    try {
        // The list shows the names trimmed, so they are compared trimmed; of equal names the lowest row decides.
        for (int i = 1; i <= county->count(); ++i) {
            if (services::TrimBlanks(services::VariantText(g_worksheet.cells(i, 1))) == place)
                days->setText(services::VariantText(g_worksheet.cells(i, 2)));
        }
    } catch (const AutomationError&) {
        // The spreadsheet went away: txtTD keeps its text.
    }
}

void ThunderDayWorkbook::mnuTD_Click()
{
    services::ConnectExcel(true);
    if (g_excelApp.isNothing())
        return;
    ErrObject err;
    resume(err, [] { g_excelApp.setVisible(true); });
    resume(err, [&] { g_workbook = g_excelApp.workbooks().open(workbookPath()); });
    if (err.failed()) {
        m_form.ShowMsg(QString::fromUtf8("《全国主要城镇雷暴日数.xls》文件丢失!"));
        err.clear();
    }
}

} // namespace buildings
