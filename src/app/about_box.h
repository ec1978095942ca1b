// frmAbout: the modal About box with the program's title, version and description, and a button
// that starts the desktop's system-information tool.
#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <cstdint>

class QFrame;
class QLabel;
class QPushButton;

namespace services { class Form; }

namespace app {

class frmAbout : public QDialog {
    Q_OBJECT
public:
    // Loads the box for the main window mainForm (its caption is the title, its tip line takes the
    // messages); the box is modal to the whole program.
    explicit frmAbout(services::Form& mainForm);

    void StartSysInfo();
    // Reads the value SubKeyRef of key KeyName under KeyRoot into KeyVal; false (and KeyVal empty)
    // when it cannot be read. A value of an unknown type answers true and leaves KeyVal as it was.
    // A text that fills the whole buffer without a closing NUL throws automation::AutomationError.
    bool GetKeyValue(std::int32_t KeyRoot, const QString& KeyName, const QString& SubKeyRef, QString& KeyVal);

    static QString versionText();

private:
    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();

    services::Form& m_main;
    QLabel* picIcon;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* lblDescription;
    std::array<QFrame*, 2> Line1;
    QPushButton* cmdOK;
    QPushButton* cmdSysInfo;
};

// The help menu's "关于": shows the About box, loaded afresh, until it is closed.
void mnuAbout_Click(services::Form& form);

} // namespace app
