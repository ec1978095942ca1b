// The drawing window's documents and files: tabs and caption, open, save, the unsaved-changes question, closing.
#include "drawing_window_fixture.h"
#include "support/file_size_limit.h"

#include "platform/cad/dxf/dxf_file.h"
#include "platform/desktop/window_activation.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTabBar>
#include <QTemporaryDir>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

using namespace cad;
using Choice = DrawingWindow::SaveChoice;
using testsupport::FileSizeLimit;

namespace {

const QString kSitePlan = QStringLiteral(RIDE_TEST_DATA_DIR "/cad/site_plan.dxf");

TEST_F(DrawingWindowTest, TitleIsTheCaptionAndTabsFollowTheDocuments)
{
    EXPECT_EQ(window->windowTitle(), app.Caption());
    Document second = app.Documents().Add();
    EXPECT_EQ(window->tabs()->count(), 2);
    EXPECT_EQ(window->tabs()->currentIndex(), 1);
    EXPECT_EQ(window->tabs()->tabText(1), second.Name());
    EXPECT_EQ(window->windowTitle(), app.Caption());
    EXPECT_NO_THROW(desktop::AppActivate(app.Caption()));

    window->tabs()->setCurrentIndex(0);   // the engineer picks the first tab
    EXPECT_TRUE(app.ActiveDocument() == doc);
    EXPECT_EQ(window->windowTitle(), app.Caption());

    second.Close();
    QCoreApplication::processEvents();
    EXPECT_EQ(window->tabs()->count(), 1);
    EXPECT_EQ(window->windowTitle(), app.Caption());
}

TEST_F(DrawingWindowTest, OpensASitePlanAndTellsWhenAFileCannotBeOpened)
{
    fileAnswer = kSitePlan;
    ASSERT_TRUE(window->openDrawing());
    EXPECT_EQ(app.Documents().Count(), 2);
    EXPECT_EQ(app.ActiveDocument().Name(), QStringLiteral("site_plan.dxf"));
    EXPECT_EQ(window->tabs()->tabText(window->tabs()->currentIndex()), QStringLiteral("site_plan.dxf"));
    EXPECT_EQ(window->windowTitle(), app.Caption());

    // A refused file is named with the reason, in Chinese, and the line where the fault stands.
    const std::vector<std::pair<QByteArray, const char*>> refused = {
        {"this is no drawing\n", "不是格式正确的 DXF 文件：文件开头不是 DXF 格式"},
        {"0\nSECTION\n2\nENTITIES\n0\nLINE\n10\nabc\n0\nENDSEC\n0\nEOF\n",
         "不是格式正确的 DXF 文件：此处应为数值（第 8 行）"},
        {"0\nSECTION\n2\nENTITIES\nxx\nLINE\n0\nENDSEC\n0\nEOF\n", "不是格式正确的 DXF 文件：组码不是数字（第 5 行）"},
        {"0\nSECTION\n2\nENTITIES\n0\nLINE\n10\n1\n0\nEOF\n", "不是格式正确的 DXF 文件：段未结束（第 2 行）"},
        {"0\nSECTION\n2\nENTITIES\n0\nENDSEC\n",
         "不是格式正确的 DXF 文件：文件没有 EOF 结束标记（可能不完整）（第 6 行）"},
        {"0\nSECTION\n2\nENTITIES\n0\nENDSEC\n0\nSTRAY\n0\nEOF\n",
         "不是格式正确的 DXF 文件：段与段之间有多余的内容（第 8 行）"},
        {"0\nSECTION\n0\nENDSEC\n0\nEOF\n", "不是格式正确的 DXF 文件：段没有名称（第 2 行）"},
        {QByteArray("AutoCAD Binary DXF\r\n\x1a\0", 22), "不能读取二进制 DXF 文件，请将图形另存为 ASCII DXF"},
    };
    QTemporaryDir dir;
    for (std::size_t i = 0; i < refused.size(); ++i) {
        const QString bad = dir.filePath(QStringLiteral("refused%1.dxf").arg(i));
        QFile f(bad);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(refused[i].first);
        f.close();
        fileAnswer = bad;
        EXPECT_FALSE(window->openDrawing());
        EXPECT_EQ(app.Documents().Count(), 2);
        const QString line = QStringLiteral("无法打开图形 %1: %2")
                                 .arg(QDir::toNativeSeparators(bad), QString::fromUtf8(refused[i].second));
        EXPECT_TRUE(window->commandLine()->history().contains(line)) << line.toStdString();
    }

    fileAnswer.clear();   // the engineer cancels the file dialog
    EXPECT_FALSE(window->openDrawing());
    EXPECT_EQ(app.Documents().Count(), 2);
}

// A path that is no readable drawing file is told apart by what it is; a FIFO is never waited on.
TEST_F(DrawingWindowTest, APathThatIsNoDrawingFileIsRefusedForItsCause)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("missing.dxf"));
    const QString fifo = dir.filePath(QStringLiteral("fifo.dxf"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString toDevice = dir.filePath(QStringLiteral("device.dxf"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/null"), toDevice));
    const QString loop = dir.filePath(QStringLiteral("loop.dxf"));
    ASSERT_TRUE(QFile::link(loop, loop));
    const QString dangling = dir.filePath(QStringLiteral("dangling.dxf"));
    ASSERT_TRUE(QFile::link(missing, dangling));
    const std::vector<std::pair<QString, QString>> refused = {
        {missing, QStringLiteral("找不到图形文件 %1")},
        {dir.path(), QStringLiteral("%1 是一个文件夹，不是图形文件")},
        {fifo, QStringLiteral("%1 不是普通文件，不能作为图形打开")},
        {toDevice, QStringLiteral("%1 不是普通文件，不能作为图形打开")},
        {loop, QStringLiteral("无法读取图形文件 %1（链接形成循环）")},
        {dangling, QStringLiteral("图形文件 %1 是一个链接，它指向的文件不存在")},
        // A regular file whose reading fails: the memory of this process has nothing at its start.
        {QStringLiteral("/proc/self/mem"), QStringLiteral("图形文件 %1 未能完整读取")},
    };
    for (const auto& [path, message] : refused) {
        fileAnswer = path;
        EXPECT_FALSE(window->openDrawing());
        const QString shown = QDir::toNativeSeparators(path);
        const QString line = QStringLiteral("无法打开图形 %1: %2").arg(shown, message.arg(shown));
        EXPECT_TRUE(window->commandLine()->history().contains(line)) << line.toStdString();
    }
    EXPECT_EQ(app.Documents().Count(), 1);
}

// A file the user may not reach: its folder may not be entered, or the file itself not read.
TEST_F(DrawingWindowTest, AFileWithoutPermissionIsRefusedForThat)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "run as root, where permissions do not stop reading";
    QTemporaryDir dir;
    const QString closed = dir.filePath(QStringLiteral("closed"));
    ASSERT_TRUE(QDir().mkdir(closed));
    const QString inClosed = closed + QStringLiteral("/plan.dxf");
    ASSERT_TRUE(QFile::copy(kSitePlan, inClosed));
    const QString unreadable = dir.filePath(QStringLiteral("unreadable.dxf"));
    ASSERT_TRUE(QFile::copy(kSitePlan, unreadable));
    ASSERT_EQ(chmod(QFile::encodeName(unreadable).constData(), 0200), 0);
    ASSERT_EQ(chmod(QFile::encodeName(closed).constData(), 0600), 0);
    for (const QString& path : {inClosed, unreadable}) {
        fileAnswer = path;
        EXPECT_FALSE(window->openDrawing());
        const QString line =
            QStringLiteral("无法打开图形 %1: 无法读取图形文件 %1（没有权限）").arg(QDir::toNativeSeparators(path));
        EXPECT_TRUE(window->commandLine()->history().contains(line)) << line.toStdString();
    }
    // So that the folder can be removed.
    chmod(QFile::encodeName(closed).constData(), 0700);
    EXPECT_EQ(app.Documents().Count(), 1);
}

TEST_F(DrawingWindowTest, SaveAsWritesDxfAndSaveWritesBack)
{
    QTemporaryDir dir;
    doc.ModelSpace().AddLine({0, 0, 0}, {10, 0, 0});
    fileAnswer = dir.filePath(QStringLiteral("zone"));   // no suffix: .dxf is added
    ASSERT_TRUE(window->saveDrawing(doc.model()));       // untitled: save asks for a name
    const QString path = dir.filePath(QStringLiteral("zone.dxf"));
    EXPECT_TRUE(doc.Saved());
    EXPECT_EQ(doc.FullName(), path);
    EXPECT_EQ(window->tabs()->tabText(0), QStringLiteral("zone.dxf"));
    EXPECT_EQ(window->windowTitle(), app.Caption());

    doc.ModelSpace().AddCircle({5, 5, 0}, 2);
    fileAnswer.clear();   // Save must not ask again
    ASSERT_TRUE(window->saveDrawing(doc.model()));
    EXPECT_TRUE(doc.Saved());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(looksLikeDxf(f.read(256)));
    const QByteArray all = f.readAll();
    EXPECT_TRUE(all.contains("CIRCLE"));
}

TEST_F(DrawingWindowTest, ClosingWithUnsavedChangesAsksSaveDiscardOrCancel)
{
    QTemporaryDir dir;
    struct Case {
        Choice answer;
        QString saveAs;        // the file dialog's answer when saving
        bool windowStays;
    };
    const Case cases[] = {
        {Choice::Cancel, QString(), true},
        {Choice::Save, QString(), true},                                            // file dialog cancelled
        {Choice::Save, dir.filePath(QStringLiteral("missing/folder/x.dxf")), true}, // the save fails
        {Choice::Save, dir.filePath(QStringLiteral("kept.dxf")), false},
        {Choice::Discard, QString(), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.answer));
        SCOPED_TRACE(c.saveAs.toStdString());
        if (!app.isAlive()) {
            app = Application::CreateObject();
            app.setVisible(true);
            doc = app.Documents().Add();
            window = DrawingWindow::of(app.engine().get());
            ASSERT_NE(window, nullptr);
            window->setSaveQuestion([this](const QString& name) {
                saveQuestions << name;
                return saveAnswers.empty() ? Choice::Cancel : saveAnswers.front();
            });
            window->setFileQuestion([this](DrawingWindow::FileDialogKind, const QString&) { return fileAnswer; });
        }
        doc.ModelSpace().AddLine({0, 0, 0}, {1, 1, 0});
        const QString name = doc.Name();
        saveQuestions.clear();
        saveAnswers = {c.answer};
        fileAnswer = c.saveAs;
        window->close();
        QCoreApplication::processEvents();
        EXPECT_EQ(saveQuestions, QStringList{name});
        EXPECT_EQ(app.isAlive(), c.windowStays);
        if (c.windowStays) {
            EXPECT_TRUE(window->isVisible());
            EXPECT_FALSE(doc.Saved());
        }
        if (c.answer == Choice::Save && !c.windowStays) {
            EXPECT_TRUE(QFile::exists(c.saveAs));
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(DrawingWindowTest, ClosingADrawingAsksOnlyWhenItHasUnsavedChanges)
{
    Document second = app.Documents().Add();
    window->closeDrawing(second.model());   // nothing drawn: no question
    EXPECT_TRUE(saveQuestions.isEmpty());
    EXPECT_EQ(app.Documents().Count(), 1);

    doc.ModelSpace().AddLine({0, 0, 0}, {1, 1, 0});
    saveAnswers = {Choice::Cancel, Choice::Discard};
    EXPECT_FALSE(window->closeDrawing(doc.model()));
    EXPECT_EQ(app.Documents().Count(), 1);
    EXPECT_TRUE(window->closeDrawing(doc.model()));
    EXPECT_EQ(app.Documents().Count(), 0);
    EXPECT_EQ(saveQuestions.size(), 2);
    EXPECT_TRUE(app.isAlive());   // the window stays without drawings
    EXPECT_EQ(window->windowTitle(), app.Caption());
}

TEST_F(DrawingWindowTest, ClosingTheWindowDuringAPickEndsThePickAndTheInstance)
{
    doc.ModelSpace().AddLine({0, 0, 0}, {1, 1, 0});
    saveAnswers = {Choice::Discard};
    later([&] { window->close(); });
    try {
        doc.Utility().GetPoint(std::nullopt, QStringLiteral("指定避雷针平面安装位置: "));
        ADD_FAILURE() << "the pick did not fail";
    } catch (const automation::AutomationError& e) {
        EXPECT_NE(e.number(), errors::UserCancelled);
        EXPECT_EQ(e.number(), errors::PickInterrupted);
    }
    EXPECT_EQ(saveQuestions.size(), 1);
    EXPECT_FALSE(app.isAlive());
    EXPECT_AUTOMATION_ERROR(Application::GetObject(), errors::CannotCreateObject);
}

TEST_F(DrawingWindowTest, CancellingTheCloseKeepsThePickWaiting)
{
    doc.ModelSpace().AddLine({0, 0, 0}, {1, 1, 0});
    saveAnswers = {Choice::Cancel};
    later([&] {
        window->close();
        EXPECT_TRUE(window->isVisible());
        type(QStringLiteral("3,4"));
    });
    const Point p = doc.Utility().GetPoint(std::nullopt, QStringLiteral("指定剖面图位置: "));
    EXPECT_EQ(p, (Point{3, 4, 0}));
    EXPECT_TRUE(app.isAlive());
}

TEST_F(DrawingWindowTest, QuitEndsAWaitingPickWithoutACancel)
{
    QPointer<DrawingWindow> w = window;
    later([&] { app.Quit(); });
    EXPECT_AUTOMATION_ERROR(doc.Utility().GetPoint(std::nullopt, QStringLiteral("指定一点: ")), errors::PickInterrupted);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(w.isNull());
}

} // namespace

TEST_F(DrawingWindowTest, AChangedDrawingShowsAStarOnItsTabAndInTheTitleUntilSaved)
{
    const QString name = doc.Name();
    EXPECT_TRUE(name.endsWith(QStringLiteral(".dxf"))) << "a new drawing is named as what saving writes";
    EXPECT_EQ(window->tabs()->tabText(0), name);

    Document second = app.Documents().Add();
    Entity line = doc.ModelSpace().AddLine({0, 0, 0}, {10, 0, 0});   // a change to the drawing not shown
    EXPECT_EQ(window->tabs()->tabText(0), name + QStringLiteral("*"));
    EXPECT_EQ(window->tabs()->tabText(1), second.Name());
    EXPECT_EQ(window->windowTitle(), app.Caption()) << "the title follows the drawing shown";

    window->tabs()->setCurrentIndex(0);
    EXPECT_EQ(window->windowTitle(), app.Caption() + QStringLiteral("*"));
    EXPECT_NO_THROW(desktop::AppActivate(app.Caption())) << "the window is still found by its caption";

    QTemporaryDir dir;
    fileAnswer = dir.filePath(QStringLiteral("marked.dxf"));
    ASSERT_TRUE(window->saveDrawing(doc.model()));
    EXPECT_EQ(window->tabs()->tabText(0), QStringLiteral("marked.dxf"));
    EXPECT_EQ(window->windowTitle(), app.Caption());

    // Erasing and changing count as changes too.
    line.Erase();
    EXPECT_EQ(window->tabs()->tabText(0), QStringLiteral("marked.dxf*"));
    ASSERT_TRUE(window->saveDrawing(doc.model()));
    doc.ModelSpace().AddCircle({0, 0, 0}, 1).setColor(3);
    ASSERT_TRUE(window->saveDrawing(doc.model()));
    EXPECT_EQ(window->tabs()->tabText(0), QStringLiteral("marked.dxf"));
}

TEST_F(DrawingWindowTest, ExitInTheFileMenuAsksForEveryChangedDrawingAndEndsTheInstance)
{
    QAction* exit = nullptr;
    for (QAction* menu : window->menuBar()->actions())
        for (QAction* a : menu->menu() ? menu->menu()->actions() : QList<QAction*>())
            if (a->text() == QStringLiteral("退出(&X)"))
                exit = a;
    ASSERT_NE(exit, nullptr);

    Document second = app.Documents().Add();
    doc.ModelSpace().AddLine({0, 0, 0}, {1, 1, 0});
    second.ModelSpace().AddLine({0, 0, 0}, {2, 2, 0});
    app.Documents().Add();   // unchanged: not asked about
    saveAnswers = {Choice::Discard, Choice::Cancel};
    exit->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(saveQuestions.size(), 2);
    EXPECT_TRUE(app.isAlive()) << "cancelled at the second drawing";

    saveQuestions.clear();
    saveAnswers = {Choice::Discard, Choice::Discard};
    exit->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(saveQuestions.size(), 2);
    EXPECT_FALSE(app.isAlive());
}

namespace {

TEST_F(DrawingWindowTest, APlanWithEntitiesTheDrawingLacksIsNeverSavedOverUnasked)
{
    QTemporaryDir dir;
    const QString plan = dir.filePath(QStringLiteral("plan.dxf"));
    const QByteArray original = "0\nSECTION\n2\nENTITIES\n"
                                "0\nLINE\n8\n0\n10\n0\n20\n0\n30\n0\n11\n10\n21\n0\n31\n0\n"
                                "0\nPOINT\n8\n0\n10\n5\n20\n5\n30\n0\n"
                                "0\nELLIPSE\n8\n0\n10\n0\n20\n0\n30\n0\n11\n10\n21\n0\n31\n0\n40\n0.5\n41\n0\n42\n6.283185\n"
                                "0\nENDSEC\n0\nEOF\n";
    {
        QFile f(plan);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(original);
    }
    fileAnswer = plan;
    ASSERT_TRUE(window->openDrawing());
    EXPECT_TRUE(window->commandLine()->history().contains(QStringLiteral("有 2 处内容（椭圆 1 处、点 1 处）未能读入")))
        << window->commandLine()->history().toStdString();
    Document opened = app.ActiveDocument();
    opened.ModelSpace().AddCircle({5, 5, 0}, 2);

    // Save asks for a name instead of writing over the plan; the plan keeps its point and ellipse.
    const QString copy = dir.filePath(QStringLiteral("plan with zone.dxf"));
    fileAnswer = copy;
    ASSERT_TRUE(window->saveDrawing(opened.model()));
    EXPECT_EQ(opened.FullName(), copy);
    QFile f(plan);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), original);

    // The new file holds what the drawing holds: saving it again asks nothing.
    opened.ModelSpace().AddCircle({8, 8, 0}, 1);
    fileAnswer.clear();
    ASSERT_TRUE(window->saveDrawing(opened.model()));
    EXPECT_TRUE(opened.Saved());
}

TEST_F(DrawingWindowTest, AFailedSaveAsTellsItsCauseOnTheCommandLine)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plan.dxf"));
    addRods(doc.ModelSpace());
    fileAnswer = path;
    {
        const FileSizeLimit limit(8 * 1024);
        EXPECT_FALSE(window->saveDrawingAs(doc.model()));
    }
    const QString told = window->commandLine()->history();
    EXPECT_TRUE(told.contains(QStringLiteral("无法保存图形 %1: 文件超出大小限制").arg(QDir::toNativeSeparators(path))))
        << told.toStdString();
    EXPECT_FALSE(told.contains(QStringLiteral("Unknown error")));
    EXPECT_FALSE(doc.Saved());
}

} // namespace
