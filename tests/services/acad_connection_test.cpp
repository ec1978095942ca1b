// ConnectAutoCAD, ReleaseAcadObjects and Wait against the drawing engine.
#include "services/acad_test_support.h"
#include "support/drawing_template.h"

#include "platform/automation/automation_error.h"

#include <QElapsedTimer>
#include <QTimer>

using namespace services;
namespace errors = automation::errors;

namespace {

const QString kTrying = QStringLiteral("正在试图连接或打开 AutoCAD");
const QString kConnected = QStringLiteral("已经成功连接 AutoCAD");
const QString kNotInstalled = QStringLiteral("没有正确安装 AutoCAD");

class ConnectionTest : public acadtest::EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        testsupport::ensureTemplate();
    }
};

TEST_F(ConnectionTest, StartsAnInstanceAsAskedWithADrawingFromTheTemplate)
{
    for (bool visible : {true, false}) {
        SCOPED_TRACE(visible);
        acadtest::endRunningEngine();
        ReleaseAcadObjects();
        form.tips.clear();

        ConnectAutoCAD(form, visible);

        ASSERT_FALSE(g_acadApp.isNothing());
        EXPECT_TRUE(g_acadApp.isAlive());
        EXPECT_EQ(g_acadApp.Visible(), visible);
        EXPECT_EQ(form.tips, QStringList({kTrying, kConnected}));
        ASSERT_EQ(g_acadApp.Documents().Count(), 1);
        // The template's one line came with the drawing.
        EXPECT_EQ(g_acadApp.ActiveDocument().ModelSpace().Count(), 1);
    }
}

TEST_F(ConnectionTest, AttachesToTheRunningInstanceKeepingItsVisibility)
{
    cad::Application running = cad::Application::CreateObject();
    running.setVisible(false);

    ConnectAutoCAD(form, true);

    EXPECT_EQ(g_acadApp.engine(), running.engine());
    EXPECT_FALSE(g_acadApp.Visible());
    EXPECT_EQ(running.Documents().Count(), 1) << "a drawing is added when none is open";
    EXPECT_EQ(form.tips, QStringList({kTrying, kConnected}));
}

TEST_F(ConnectionTest, AnOpenDrawingIsUsedAsItIs)
{
    cad::Application running = cad::Application::CreateObject();
    cad::Document open = running.Documents().Add();

    ConnectAutoCAD(form, true);

    EXPECT_EQ(running.Documents().Count(), 1);
    EXPECT_TRUE(g_acadApp.ActiveDocument() == open);
}

TEST_F(ConnectionTest, WhileConnectedNothingHappens)
{
    ConnectAutoCAD(form, true);
    const cad::Application first = g_acadApp;
    g_modelSpace = first.ActiveDocument().ModelSpace();
    form.tips.clear();

    ConnectAutoCAD(form, true);

    EXPECT_TRUE(form.tips.isEmpty());
    EXPECT_EQ(g_acadApp.engine(), first.engine());
    EXPECT_FALSE(g_modelSpace.isNothing());
}

TEST_F(ConnectionTest, AnInstanceThatHasEndedIsReplacedByANewOne)
{
    ConnectAutoCAD(form, true);
    auto ended = g_acadApp.engine();
    ended->end();
    form.tips.clear();

    ConnectAutoCAD(form, true);

    ASSERT_TRUE(g_acadApp.isAlive());
    EXPECT_NE(g_acadApp.engine(), ended);
    EXPECT_EQ(form.tips, QStringList({kTrying, kConnected}));
}

TEST_F(ConnectionTest, NeitherRunningNorStartable)
{
    cad::faults().failNext(QStringLiteral("CreateObject"), errors::CannotCreateObject);

    ConnectAutoCAD(form, true);

    EXPECT_TRUE(g_acadApp.isNothing());
    EXPECT_EQ(form.tips, QStringList({kTrying, kNotInstalled}));
}

// A failed Visible, a failed drawing (a missing or unreadable template) and a failed count are
// skipped; the success tip is shown all the same.
TEST_F(ConnectionTest, FailuresAfterTheInstanceCameUpAreSkipped)
{
    struct Case {
        const char* member;
        bool instanceRunning;
        int drawingsAfter;
    };
    const Case cases[] = {
        {"Visible", false, 1},
        {"Add", false, 0},
        {"Count", true, 2},   // a count that cannot be read adds a drawing all the same
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.member);
        acadtest::endRunningEngine();
        ReleaseAcadObjects();
        form.tips.clear();
        if (c.instanceRunning)
            cad::Application::CreateObject().Documents().Add();
        cad::faults().failNext(QString::fromLatin1(c.member), errors::FileError);

        ConnectAutoCAD(form, true);

        ASSERT_TRUE(g_acadApp.isAlive());
        EXPECT_EQ(g_acadApp.Documents().Count(), c.drawingsAfter);
        EXPECT_EQ(form.tips, QStringList({kTrying, kConnected}));
        cad::faults().reset();
    }
}

TEST_F(ConnectionTest, ReleaseDropsEveryReferenceAndLeavesTheDrawing)
{
    ConnectAutoCAD(form, true);
    auto engine = g_acadApp.engine();
    g_modelSpace = g_acadApp.ActiveDocument().ModelSpace();
    g_utility = g_acadApp.ActiveDocument().Utility();
    g_lastLine = g_modelSpace.AddLine({0, 0, 0}, {1, 1, 0});
    g_lastCircle = g_modelSpace.AddCircle({0, 0, 0}, 5);
    g_lastText = g_modelSpace.AddText(QStringLiteral("A"), {0, 0, 0}, 2);
    g_lastEntity = g_modelSpace.AddArc({0, 0, 0}, 5, 0, 1);
    g_lastHandle = g_lastEntity.Handle();
    const QString handle = g_lastHandle;

    ReleaseAcadObjects();

    EXPECT_TRUE(g_acadApp.isNothing());
    EXPECT_TRUE(g_modelSpace.isNothing());
    EXPECT_TRUE(g_utility.isNothing());
    EXPECT_TRUE(g_lastLine.isNothing());
    EXPECT_TRUE(g_lastText.isNothing());
    EXPECT_TRUE(g_lastCircle.isNothing());
    EXPECT_TRUE(g_lastEntity.isNothing());
    EXPECT_EQ(g_lastHandle, handle) << "the handle text is not a reference";
    EXPECT_FALSE(engine->hasEnded());
    EXPECT_EQ(engine->application().ActiveDocument().ModelSpace().Count(), 5);

    // Again, with nothing set and with the instance gone.
    ReleaseAcadObjects();
    engine->end();
    ReleaseAcadObjects();
}

TEST(AcadWait, ReturnsAfterTheTimeHavingHandledEventsMeanwhile)
{
    bool handled = false;
    QTimer::singleShot(10, [&] { handled = true; });
    QElapsedTimer clock;
    clock.start();

    Wait(50);

    EXPECT_GE(clock.elapsed(), 50);
    EXPECT_TRUE(handled);
}

} // namespace
