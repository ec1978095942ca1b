// The About box and the start of the system-information tool.
#include "app/about_box.h"

#include "app/fonts.h"
#include "app/twips.h"
#include "platform/automation/automation_error.h"
#include "platform/desktop/app_info.h"
#include "platform/desktop/program_launcher.h"
#include "platform/desktop/system_info.h"
#include "services/form.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace app {

namespace {

constexpr int kBufferSize = 1024;

QLabel* label(QWidget* parent, const char* name, const QString& caption, int left, int top, int width, int height)
{
    auto* l = new QLabel(caption, parent);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(px(left), px(top), px(width), px(height));
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

} // namespace

frmAbout::frmAbout(services::Form& mainForm) : QDialog(mainForm.window()), m_main(mainForm)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QString::fromUtf8("关于"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    setWindowModality(Qt::ApplicationModal);
    setAttribute(Qt::WA_DeleteOnClose, false);
    // The box keeps the dialog face of its kind: a sans face, with the Chinese of the description.
    QFont face = boldSansFont();
    face.setBold(false);
    face.setPointSize(9);
    setFont(face);
    setFixedSize(px(5730), px(3870));

    picIcon = label(this, "picIcon", QString(), 240, 240, 540, 540);
    picIcon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(px(480), px(480)));
    picIcon->setAlignment(Qt::AlignCenter);

    lblTitle = label(this, "lblTitle", QStringLiteral("Application Title"), 1050, 240, 3885, 480);
    QFont title = boldSansFont();
    title.setPointSize(12);
    lblTitle->setFont(title);
    QPalette dark = lblTitle->palette();
    dark.setColor(QPalette::WindowText, QColor(0x40, 0x00, 0x00));
    lblTitle->setPalette(dark);

    lblVersion = label(this, "lblVersion", QStringLiteral("Version"), 1050, 780, 3885, 300);
    lblDescription = label(this, "lblDescription",
                           QString::fromUtf8("根据原始参数，采用滚球法(Rolling Sphere Method)对建(构)筑物及场地进行防雷分析、"
                                             "计算，并在AutoCAD平台内实现交互式整体防雷辅助设计。"),
                           1050, 1125, 3885, 1500);
    lblDescription->setWordWrap(true);

    // Two lines, grey over white, draw an etched separator.
    const QColor lineColours[2] = {QColor(0x80, 0x80, 0x80), QColor(0xFF, 0xFF, 0xFF)};
    for (int i = 0; i < 2; ++i) {
        auto* line = new QFrame(this);
        line->setObjectName(QStringLiteral("Line1(%1)").arg(i));
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Plain);
        line->setLineWidth(1);
        QPalette p = line->palette();
        p.setColor(QPalette::WindowText, lineColours[i]);
        line->setPalette(p);
        line->setGeometry(px(90), px(2730) + i, px(5430), 1);
        Line1[i] = line;
    }

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(px(4245), px(2940), px(1260), px(345));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    cmdSysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    cmdSysInfo->setGeometry(px(4260), px(3390), px(1245), px(345));
    cmdSysInfo->setAutoDefault(false);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

    Form_Load();
}

QString frmAbout::versionText()
{
    return QStringLiteral("Version %1.%2.%3")
        .arg(desktop::versionMajor())
        .arg(desktop::versionMinor())
        .arg(desktop::versionRevision());
}

void frmAbout::Form_Load()
{
    lblVersion->setText(versionText());
    lblTitle->setText(m_main.caption());
}

void frmAbout::cmdOK_Click() { accept(); }

void frmAbout::cmdSysInfo_Click() { StartSysInfo(); }

void frmAbout::StartSysInfo()
{
    QString path;
    try {
        if (GetKeyValue(desktop::kHKeyLocalMachine, QLatin1String(desktop::kSysInfoPathKey),
                        QLatin1String(desktop::kSysInfoPathValue), path)) {
            // The full path is trusted as it stands: started without testing that the file exists.
            if (desktop::startProgram(path))
                return;
        } else if (GetKeyValue(desktop::kHKeyLocalMachine, QLatin1String(desktop::kSysInfoFolderKey),
                               QLatin1String(desktop::kSysInfoFolderValue), path)) {
            const QString program = path + QStringLiteral("/MSINFO32.EXE");
            if (QFileInfo::exists(program) && desktop::startProgram(program))
                return;
        }
    } catch (const automation::AutomationError&) {
        // A value that could not be read ends the search: the message below.
    }
    m_main.ShowMsg(QStringLiteral("System Information Is Unavailable At This Time"));
}

bool frmAbout::GetKeyValue(std::int32_t KeyRoot, const QString& KeyName, const QString& SubKeyRef, QString& KeyVal)
{
    const std::optional<desktop::RegistryValue> value = desktop::registryValue(KeyRoot, KeyName, SubKeyRef);
    // A missing key or value, and one longer than the buffer, cannot be read.
    if (!value || value->data.size() > kBufferSize) {
        KeyVal.clear();
        return false;
    }
    switch (value->type) {
    case desktop::kRegSz: {
        const qsizetype end = value->data.indexOf('\0');
        // A text that fills the buffer without its closing NUL cannot be cut: the failure goes to
        // the caller, which then looks no further.
        if (end < 0 && value->data.size() == kBufferSize)
            throw automation::AutomationError(automation::errors::InvalidProcedureCall,
                                              QStringLiteral("Invalid procedure call or argument"));
        KeyVal = QString::fromLocal8Bit(end < 0 ? value->data : value->data.left(end));
        break;
    }
    case desktop::kRegDword: {
        // The number, from its four little-endian bytes.
        quint32 n = 0;
        for (int i = std::min<qsizetype>(4, value->data.size()) - 1; i >= 0; --i)
            n = (n << 8) | static_cast<quint8>(value->data.at(i));
        KeyVal = QString::number(n);
        break;
    }
    default:
        break;
    }
    return true;
}

void mnuAbout_Click(services::Form& form)
{
    frmAbout box(form);
    box.exec();
}

} // namespace app
