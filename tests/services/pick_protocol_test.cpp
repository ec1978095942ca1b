// The drawing commands' steps around their picks: begin (typed and picked), each pick with its cancel, end.
#include "services/acad_test_support.h"

#include "platform/automation/automation_error.h"
#include "services/pick_prompts.h"
#include "services/pick_protocol.h"

using namespace services;
namespace errors = automation::errors;

namespace {

const QString kTrying = QStringLiteral("正在试图连接或打开 AutoCAD");
const QString kConnected = QStringLiteral("已经成功连接 AutoCAD");

class PickProtocolTest : public acadtest::EngineTest {
protected:
    // A running instance with an open drawing whose picking aids are the opposite of what picked panels set.
    cad::Application runningWithAidsOn()
    {
        cad::Application app = cad::Application::CreateObject();
        app.Documents().Add();
        app.ActiveDocument().ActiveViewport().setOrthoOn(true);
        app.ActiveDocument().SetVariable(QStringLiteral("OSMODE"), 0);
        return app;
    }
    static int osmode(const cad::Application& app)
    {
        return app.ActiveDocument().GetVariable(QStringLiteral("OSMODE")).toInt();
    }
    static bool ortho(const cad::Application& app) { return app.ActiveDocument().ActiveViewport().OrthoOn(); }
    QWidget* drawingWindow(const cad::Application& app) { return acadtest::topLevelTitled(app.Caption()); }
};

TEST_F(PickProtocolTest, PickedPanelsReconnectBringTheDrawingForwardAndSetTheirAids)
{
    cad::Application app = runningWithAidsOn();
    g_acadApp = app;   // left over from an earlier command
    g_lastLine = app.ActiveDocument().ModelSpace().AddLine({0, 0, 0}, {1, 0, 0});

    ASSERT_TRUE(beginDrawingCommand(form, PanelKind::Picked));

    EXPECT_EQ(form.tips, QStringList({kTrying, kConnected, tips::SwitchToDrawing})) << "connected afresh";
    EXPECT_TRUE(g_lastLine.isNothing()) << "released before connecting";
    EXPECT_FALSE(g_modelSpace.isNothing());
    EXPECT_FALSE(g_utility.isNothing());
    EXPECT_FALSE(ortho(app));
    EXPECT_EQ(osmode(app), 7);
    EXPECT_TRUE(acadtest::isActive(drawingWindow(app)));
}

TEST_F(PickProtocolTest, TypedPanelsKeepAConnectionAndLeaveTheAidsAlone)
{
    cad::Application app = runningWithAidsOn();
    g_acadApp = app;

    ASSERT_TRUE(beginDrawingCommand(form, PanelKind::Typed));

    EXPECT_EQ(form.tips, QStringList({tips::SwitchToDrawing})) << "no connection tips while connected";
    EXPECT_FALSE(g_modelSpace.isNothing());
    EXPECT_FALSE(g_utility.isNothing());
    EXPECT_TRUE(ortho(app));
    EXPECT_EQ(osmode(app), 0);
    EXPECT_TRUE(acadtest::isActive(drawingWindow(app)));
}

TEST_F(PickProtocolTest, NoInstanceEndsTheCommandWithTheConnectionTip)
{
    for (PanelKind kind : {PanelKind::Typed, PanelKind::Picked}) {
        form.tips.clear();
        cad::faults().failNext(QStringLiteral("CreateObject"), errors::CannotCreateObject);
        EXPECT_FALSE(beginDrawingCommand(form, kind));
        EXPECT_EQ(form.lastTip(), QStringLiteral("没有正确安装 AutoCAD"));
    }
}

// Before the picks a picked panel ends quietly at any failure and keeps its references; a typed
// panel goes on to its picks.
TEST_F(PickProtocolTest, FailuresBeforeThePicks)
{
    const char* members[] = {"ActiveDocument", "ModelSpace", "Utility", "Caption", "OrthoOn", "SetVariable"};
    for (const char* member : members) {
        for (PanelKind kind : {PanelKind::Typed, PanelKind::Picked}) {
            SCOPED_TRACE(QStringLiteral("%1 %2").arg(QLatin1String(member)).arg(kind == PanelKind::Typed ? "typed" : "picked").toStdString());
            ReleaseAcadObjects();
            acadtest::endRunningEngine();
            runningWithAidsOn();
            form.tips.clear();
            cad::faults().failNext(QString::fromLatin1(member), errors::InvalidInput);

            const bool goOn = beginDrawingCommand(form, kind);

            EXPECT_EQ(goOn, kind == PanelKind::Typed);
            EXPECT_FALSE(g_acadApp.isNothing());
            EXPECT_FALSE(form.tips.contains(QStringLiteral("选点被取消。")));
            cad::faults().reset();
        }
    }
}

TEST_F(PickProtocolTest, PicksWithAndWithoutBasePoint)
{
    cad::Application app = startWithDrawing();
    auto picks = scriptPicks(app);
    picks->point(10, 20, 0).point(30, 40, 5);
    FormState& st = form.state();

    ASSERT_EQ(pickPoint(form, std::nullopt, prompts::TwoRodPickedFirst, st.m_point1), PickResult::Picked);
    ASSERT_EQ(pickPoint(form, st.m_point1, prompts::TwoRodPickedSecond, st.m_point2), PickResult::Picked);

    EXPECT_EQ(st.m_point1, (cad::Point{10, 20, 0}));
    EXPECT_EQ(st.m_point2, (cad::Point{30, 40, 5}));
    EXPECT_EQ(st.m_pickedPoint, st.m_point2);
    EXPECT_EQ(picks->prompts(), QStringList({QStringLiteral("选择第一支避雷针的位置: "), QStringLiteral("选择第二支避雷针的位置: ")}));
    ASSERT_EQ(picks->bases().size(), 2u);
    EXPECT_FALSE(picks->bases()[0].has_value());
    EXPECT_EQ(picks->bases()[1], std::optional<cad::Point>(st.m_point1));
}

// Esc tells the engineer and brings the main window back; any other failure ends the command too,
// without drawing at the point left over from an earlier pick.
TEST_F(PickProtocolTest, APickThatDoesNotDeliverEndsTheCommand)
{
    struct Case {
        std::int32_t number;
        PickResult result;
        QString tip;
    };
    const Case cases[] = {
        {errors::UserCancelled, PickResult::Cancelled, QStringLiteral("选点被取消。")},
        {errors::PickInterrupted, PickResult::Failed, QString()},
        {errors::InvalidInput, PickResult::Failed, QString()},
    };
    cad::Application app = startWithDrawing();
    auto picks = scriptPicks(app);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        form.state().m_pickedPoint = {1, 2, 3};
        cad::Point out{7, 8, 9};
        picks->fail(c.number);
        ASSERT_TRUE(beginDrawingCommand(form, PanelKind::Typed));
        ASSERT_TRUE(acadtest::isActive(drawingWindow(app)));

        EXPECT_EQ(pickPoint(form, std::nullopt, prompts::OneRodPosition, out), c.result);

        EXPECT_EQ(form.lastTip(), c.tip);
        EXPECT_TRUE(acadtest::isActive(form.window()));
        EXPECT_EQ(out, (cad::Point{7, 8, 9}));
        EXPECT_EQ(form.state().m_pickedPoint, (cad::Point{1, 2, 3}));
        EXPECT_FALSE(g_acadApp.isNothing()) << "an early end keeps the references";
    }
}

TEST_F(PickProtocolTest, WithoutTheDrawingObjectsThePickFails)
{
    cad::Point out{};
    EXPECT_EQ(pickPoint(form, std::nullopt, prompts::SectionPosition, out), PickResult::Failed);
}

// Esc at the second point of a picked panel: its aids stay; the next picked command connects afresh,
// the next typed one goes on with the old reference.
TEST_F(PickProtocolTest, AfterACancelledPickedCommand)
{
    cad::Application app = runningWithAidsOn();
    auto picks = scriptPicks(app);
    picks->point(0, 0, 0).cancel();
    cad::Point p{};
    ASSERT_TRUE(beginDrawingCommand(form, PanelKind::Picked));
    ASSERT_EQ(pickPoint(form, std::nullopt, prompts::OneStripEnd, p), PickResult::Picked);
    ASSERT_EQ(pickPoint(form, p, prompts::OneStripPickedOtherEnd, p), PickResult::Cancelled);
    EXPECT_FALSE(ortho(app));
    EXPECT_EQ(osmode(app), 7);

    form.tips.clear();
    ASSERT_TRUE(beginDrawingCommand(form, PanelKind::Typed));
    EXPECT_EQ(form.tips, QStringList({tips::SwitchToDrawing}));

    form.tips.clear();
    ASSERT_TRUE(beginDrawingCommand(form, PanelKind::Picked));
    EXPECT_EQ(form.tips, QStringList({kTrying, kConnected, tips::SwitchToDrawing}));
}

TEST_F(PickProtocolTest, TheNormalEndReleasesAndLeavesTheDrawingInFront)
{
    cad::Application app = startWithDrawing();
    g_lastCircle = g_modelSpace.AddCircle({0, 0, 0}, 3);
    ASSERT_TRUE(beginDrawingCommand(form, PanelKind::Typed));

    endDrawingCommand();

    EXPECT_TRUE(g_acadApp.isNothing());
    EXPECT_TRUE(g_lastCircle.isNothing());
    EXPECT_EQ(app.ActiveDocument().ModelSpace().Count(), 1);
    EXPECT_TRUE(acadtest::isActive(drawingWindow(app)));
}

} // namespace
