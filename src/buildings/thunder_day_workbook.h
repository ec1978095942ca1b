// The thunderstorm-day workbook behind the strike-count panel: province and place look-ups into
// txtTD, and the tools command that opens the workbook for editing.
#pragma once

#include <QObject>
#include <QString>

namespace services { class Form; }

namespace buildings {

class ThunderDayWorkbook : public QObject {
    Q_OBJECT
public:
    // Attaches the look-ups to cboProvince and cboCounty and offers mnuTD_Click to the menu.
    ThunderDayWorkbook(services::Form& form, QObject* parent);

    void cboProvince_Click();
    void cboCounty_Click();
    // Reads the workbook afresh, lists the province's places and takes the first one's days.
    void LoadPlaces(const QString& province);
    // Writes the days of the named place of the listed province into txtTD.
    void LookupThunderDays(const QString& place);
    // Opens the workbook in the visible spreadsheet program for editing.
    void mnuTD_Click();

    // The folder holding the workbook: the program's own unless set (tests use their own copy).
    QString folder() const;
    void setFolder(const QString& folder) { m_folder = folder; }

private:
    QString workbookPath() const;

    services::Form& m_form;
    QString m_folder;
};

} // namespace buildings
