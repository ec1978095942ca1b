// The About box, the start of the system-information tool, and the calculator and glossary drawing of the tools menu.
#include "app/about_box.h"
#include "app/main_window.h"
#include "app/tip_line.h"
#include "app/tools_menu.h"
#include "platform/automation/automation_error.h"
#include "platform/cad/application.h"
#include "platform/cad/engine.h"
#include "platform/cad/faults.h"
#include "platform/desktop/app_info.h"
#include "platform/desktop/system_info.h"
#include "services/acad_connection.h"
#include "services/acad_refs.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLockFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using app::frmAbout;
using app::MainWindow;

namespace {

const QString kUnavailable = app::tipCaption(QStringLiteral("System Information Is Unavailable At This Time"));

// A PATH of one folder, holding scripts that leave a mark beside them when started.
class FakePrograms {
public:
    FakePrograms() : m_oldPath(qgetenv("PATH")) { qputenv("PATH", m_dir.path().toLocal8Bit()); }
    ~FakePrograms()
    {
        qputenv("PATH", m_oldPath);
        desktop::resetRegistry();
    }

    QString add(const QString& name)
    {
        const QString path = m_dir.filePath(name);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write("#!/bin/sh\necho started > \"$0.started\"\n"); // builtins only: the PATH holds nothing else
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }
    bool started(const QString& name, int timeoutMs = 5000) const
    {
        return QTest::qWaitFor([&] { return QFile::exists(m_dir.filePath(name + QStringLiteral(".started"))); }, timeoutMs);
    }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    QByteArray m_oldPath;
};

app::MainWindowOptions firstPanel()
{
    app::MainWindowOptions o;
    o.random = [] { return 0.0; };
    return o;
}

QString tips(MainWindow& w) { return w.controls().label(QStringLiteral("lblTips"))->text(); }

// Runs check on the modal box once it shows, then presses its OK button.
void whenBoxShows(const std::function<void(frmAbout&)>& check, bool* seen)
{
    QTimer::singleShot(0, [=] {
        auto* box = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
        *seen = box != nullptr;
        if (!box)
            return;
        check(*box);
        box->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    });
}

QString caption(frmAbout& box, const char* name) { return box.findChild<QLabel*>(QLatin1String(name))->text(); }

} // namespace

TEST(AboutBox, ShowsTheWindowCaptionAndVersionAfreshEachTime)
{
    MainWindow w(firstPanel());
    for (int round = 0; round < 2; ++round) {
        bool seen = false;
        whenBoxShows(
            [&](frmAbout& box) {
                EXPECT_EQ(box.windowTitle(), QString::fromUtf8("关于"));
                EXPECT_EQ(box.windowModality(), Qt::ApplicationModal);
                EXPECT_EQ(caption(box, "lblTitle"), QStringLiteral("zoveduzo"));
                EXPECT_EQ(caption(box, "lblVersion"), QStringLiteral("Version 1.0.0"));
                EXPECT_TRUE(caption(box, "lblDescription").startsWith(QString::fromUtf8("根据原始参数，采用滚球法")));
                EXPECT_EQ(box.findChild<QPushButton*>(QStringLiteral("cmdSysInfo"))->text(),
                          QStringLiteral("&System Info..."));
            },
            &seen);
        w.menuCommand(QStringLiteral("mnuAbout"));
        EXPECT_TRUE(seen) << "round " << round;
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
    EXPECT_EQ(w.findChildren<frmAbout*>().size(), 0) << "every showing loads the box afresh";
}

TEST(AboutBox, StartsTheSystemInformationToolFoundOnThePath)
{
    MainWindow w(firstPanel());
    FakePrograms programs;
    programs.add(QStringLiteral("kinfocenter"));
    programs.add(QStringLiteral("hardinfo"));
    frmAbout box(w);
    box.StartSysInfo();
    EXPECT_TRUE(programs.started(QStringLiteral("hardinfo")));
    EXPECT_FALSE(programs.started(QStringLiteral("kinfocenter"), 0));
    EXPECT_TRUE(tips(w).isEmpty());
}

TEST(AboutBox, WithoutAToolTheTipLineSaysSoAndTheBoxStaysOpen)
{
    MainWindow w(firstPanel());
    FakePrograms programs; // an empty PATH
    bool seen = false;
    whenBoxShows(
        [&](frmAbout& box) {
            box.findChild<QPushButton*>(QStringLiteral("cmdSysInfo"))->click();
            EXPECT_EQ(tips(w), kUnavailable);
            EXPECT_TRUE(box.isVisible());
        },
        &seen);
    w.menuCommand(QStringLiteral("mnuAbout"));
    EXPECT_TRUE(seen);
}

TEST(AboutBox, RegistryValuesThatLocateTheTool)
{
    using desktop::RegistryValue;
    const QString pathKey = QLatin1String(desktop::kSysInfoPathKey);
    const QString folderKey = QLatin1String(desktop::kSysInfoFolderKey);
    struct Case {
        const char* what;
        std::function<void(FakePrograms&)> setUp;
        const char* started; // or nullptr: the message instead
    };
    const Case cases[] = {
        {"the folder value, with the tool in it",
         [&](FakePrograms& p) {
             p.add(QStringLiteral("MSINFO32.EXE"));
             desktop::setRegistryValue(desktop::kHKeyLocalMachine, folderKey, QStringLiteral("MSINFO"),
                                       RegistryValue{desktop::kRegSz, p.path().toLocal8Bit() + '\0'});
         },
         "MSINFO32.EXE"},
        {"the folder value, without the tool",
         [&](FakePrograms& p) {
             desktop::setRegistryValue(desktop::kHKeyLocalMachine, folderKey, QStringLiteral("MSINFO"),
                                       RegistryValue{desktop::kRegSz, p.path().toLocal8Bit() + '\0'});
         },
         nullptr},
        {"the path value holding raw bytes",
         [&](FakePrograms& p) {
             p.add(QStringLiteral("hardinfo"));
             desktop::setRegistryValue(desktop::kHKeyLocalMachine, pathKey, QStringLiteral("PATH"),
                                       RegistryValue{desktop::kRegBinary, QByteArray("\x01\x02\x03", 3)});
         },
         nullptr},
        {"the path value naming a program that does not exist",
         [&](FakePrograms& p) {
             desktop::setRegistryValue(desktop::kHKeyLocalMachine, pathKey, QStringLiteral("path"),
                                       RegistryValue{desktop::kRegSz, (p.path() + QStringLiteral("/gone")).toLocal8Bit()});
         },
         nullptr},
        {"a path value without its closing NUL, beside a good folder value",
         [&](FakePrograms& p) {
             p.add(QStringLiteral("MSINFO32.EXE"));
             desktop::setRegistryValue(desktop::kHKeyLocalMachine, pathKey, QStringLiteral("PATH"),
                                       RegistryValue{desktop::kRegSz, QByteArray(1024, 'a')});
             desktop::setRegistryValue(desktop::kHKeyLocalMachine, folderKey, QStringLiteral("MSINFO"),
                                       RegistryValue{desktop::kRegSz, p.path().toLocal8Bit() + '\0'});
         },
         nullptr},
    };
    for (const Case& c : cases) {
        MainWindow w(firstPanel());
        FakePrograms programs;
        c.setUp(programs);
        frmAbout box(w);
        box.StartSysInfo();
        if (c.started) {
            EXPECT_TRUE(programs.started(QLatin1String(c.started))) << c.what;
            EXPECT_TRUE(tips(w).isEmpty()) << c.what;
        } else {
            EXPECT_EQ(tips(w), kUnavailable) << c.what;
        }
    }
}

TEST(AboutBox, GetKeyValueReadsTextsAndNumbersWithinTheBuffer)
{
    using desktop::RegistryValue;
    MainWindow w(firstPanel());
    FakePrograms programs;
    frmAbout box(w);
    const QString key = QStringLiteral("SOFTWARE\\Test");
    struct Case {
        RegistryValue value;
        bool read;
        const char* keyVal;
    };
    const Case cases[] = {
        {{desktop::kRegSz, QByteArray("C:\\tool.exe\0junk", 16)}, true, "C:\\tool.exe"},
        {{desktop::kRegSz, QByteArray(1023, 'a') + '\0'}, true, nullptr},
        {{desktop::kRegSz, QByteArray(1025, 'a')}, false, ""},            // longer than the buffer
        {{desktop::kRegDword, QByteArray("\x00\x01\x00\x00", 4)}, true, "256"},
        {{desktop::kRegDword, QByteArray("\x0A\x00\x00\x00", 4)}, true, "10"},
        {{desktop::kRegBinary, QByteArray("\x01\x02", 2)}, true, "kept"}, // another type: left as it was
    };
    for (const Case& c : cases) {
        desktop::setRegistryValue(desktop::kHKeyLocalMachine, key, QStringLiteral("Value"), c.value);
        QString keyVal = QStringLiteral("kept");
        EXPECT_EQ(box.GetKeyValue(desktop::kHKeyLocalMachine, key, QStringLiteral("Value"), keyVal), c.read);
        EXPECT_EQ(keyVal, c.keyVal ? QString::fromUtf8(c.keyVal) : QString(1023, QLatin1Char('a')));
    }
    // No room for the closing NUL: the text cannot be cut and the failure goes to the caller.
    desktop::setRegistryValue(desktop::kHKeyLocalMachine, key, QStringLiteral("Value"),
                              RegistryValue{desktop::kRegSz, QByteArray(1024, 'a')});
    QString unread = QStringLiteral("kept");
    EXPECT_THROW(box.GetKeyValue(desktop::kHKeyLocalMachine, key, QStringLiteral("Value"), unread),
                 automation::AutomationError);

    QString keyVal = QStringLiteral("kept");
    EXPECT_FALSE(box.GetKeyValue(desktop::kHKeyLocalMachine, key, QStringLiteral("Missing"), keyVal));
    EXPECT_TRUE(keyVal.isEmpty());
    keyVal = QStringLiteral("kept");
    EXPECT_FALSE(box.GetKeyValue(desktop::kHKeyLocalMachine, QStringLiteral("SOFTWARE\\None"), QStringLiteral("Value"), keyVal));
    EXPECT_TRUE(keyVal.isEmpty());
}

TEST(ToolsMenu, CalculatorIsTheFirstFoundAndItsAbsenceIsSilent)
{
    {
        MainWindow w(firstPanel());
        FakePrograms programs;
        programs.add(QStringLiteral("xcalc"));
        programs.add(QStringLiteral("kcalc"));
        w.menuCommand(QStringLiteral("mnuCalculater"));
        EXPECT_TRUE(programs.started(QStringLiteral("kcalc")));
        EXPECT_FALSE(programs.started(QStringLiteral("xcalc"), 0));
    }
    MainWindow w(firstPanel());
    FakePrograms none;
    w.menuCommand(QStringLiteral("mnuCalculater"));
    EXPECT_TRUE(tips(w).isEmpty());
}

namespace {

// No drawing engine, no references and no faults before and after each test.
class GlossaryTest : public testing::Test {
protected:
    static void endEngine()
    {
        cad::faults().reset();
        services::ReleaseAcadObjects();
        if (auto engine = cad::Engine::running())
            engine->end();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void SetUp() override
    {
        // The glossary beside the executable is one file for every test process: the cases that put it
        // there or take it away run one at a time, also when CTest runs them side by side.
        ASSERT_TRUE(m_glossaryLock.lock());
        endEngine();
    }
    void TearDown() override
    {
        QFile::remove(glossaryPath());
        endEngine();
        m_glossaryLock.unlock();
    }

    static QString glossaryPath() { return QDir(desktop::appPath()).filePath(app::glossaryDrawingName()); }

    QLockFile m_glossaryLock{glossaryPath() + QStringLiteral(".lock")};
    MainWindow w{firstPanel()};
};

} // namespace

TEST_F(GlossaryTest, OpensTheGlossaryDrawingAsAFurtherDrawingAndKeepsTheConnection)
{
    // Without the file beside the executable it counts as lost, after the connection's tips.
    QFile::remove(glossaryPath());
    w.menuCommand(QStringLiteral("mnuNote"));
    EXPECT_EQ(tips(w), QString::fromUtf8("提示: 《软件名称代号图文对照.dwg》文件丢失!"));
    ASSERT_FALSE(services::g_acadApp.isNothing()) << "the connection is kept";
    const int before = services::g_acadApp.Documents().Count();

    ASSERT_TRUE(QFile::copy(QString::fromUtf8(RIDE_BIN_DIR "/软件名称代号图文对照.dwg"), glossaryPath()));
    const cad::Application connected = services::g_acadApp;
    w.ShowMsg(QString());
    w.menuCommand(QStringLiteral("mnuNote"));
    EXPECT_EQ(services::g_acadApp.Documents().Count(), before + 1);
    EXPECT_EQ(services::g_acadApp.ActiveDocument().Name(), app::glossaryDrawingName());
    EXPECT_GT(services::g_acadApp.ActiveDocument().ModelSpace().Count(), 0);
    EXPECT_EQ(services::g_acadApp.engine(), connected.engine()) << "the running engine is reused";
    EXPECT_TRUE(tips(w).isEmpty()) << "connected already: no tips at all";
}

TEST_F(GlossaryTest, AnEngineThatCannotStartLeavesOnlyTheConnectionTip)
{
    ASSERT_TRUE(QFile::copy(QString::fromUtf8(RIDE_BIN_DIR "/软件名称代号图文对照.dwg"), glossaryPath()));
    cad::faults().failNext(QStringLiteral("CreateObject"), automation::errors::CannotCreateObject);
    w.menuCommand(QStringLiteral("mnuNote"));
    EXPECT_TRUE(services::g_acadApp.isNothing());
    EXPECT_EQ(tips(w), app::tipCaption(QString::fromUtf8("没有正确安装 AutoCAD")));
}
