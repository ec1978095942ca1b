// A command pressed while another waits for an answer in the drawing runs nothing: the question comes back.
#include "app/link_execute_topic.h"
#include "app/tip_line.h"
#include "services/pick_prompts.h"
#include "support/drawing_window.h"

#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTemporaryDir>

#include <functional>

namespace {

using drawingtest::EntityKind;

// Hands every question to a script; at the first one it runs an action first, as an engineer (or a
// client program) who starts another command while the drawing waits.
class ActingWhileAsked : public cad::PointSource {
public:
    ActingWhileAsked(std::shared_ptr<cad::ScriptedPointSource> script, std::function<void()> act)
        : m_script(std::move(script)), m_act(std::move(act))
    {
    }
    cad::Point getPoint(const cad::Document& d, std::optional<cad::Point> base, const QString& prompt) override
    {
        actOnce();
        return m_script->getPoint(d, base, prompt);
    }
    QString getString(const cad::Document& d, bool allowBlanks, const QString& prompt) override
    {
        actOnce();
        return m_script->getString(d, allowBlanks, prompt);
    }

private:
    void actOnce()
    {
        if (m_acted)
            return;
        m_acted = true;
        m_act();
    }
    std::shared_ptr<cad::ScriptedPointSource> m_script;
    std::function<void()> m_act;
    bool m_acted = false;
};

class WaitingQuestionGuard : public drawingtest::DrawingWindow {
protected:
    WaitingQuestionGuard() : DrawingWindow(3) {} // the one-rod panel

    void SetUp() override
    {
        DrawingWindow::SetUp();
        topic = std::make_unique<app::LinkExecuteTopic>(
            *window, QStringLiteral("RIDEguard%1").arg(QCoreApplication::applicationPid()));
        startDrawing();
    }
    void TearDown() override
    {
        topic.reset();
        DrawingWindow::TearDown();
    }

    // The one-rod drawing at the defaults (ground and target circles), with `act` run at its pick.
    void drawOneRodActing(std::function<void()> act)
    {
        acad.engine()->setPointSource(std::make_shared<ActingWhileAsked>(picks, std::move(act)));
        topic->execute(QStringLiteral("EXECUTE|cmdOneRod|1"));
    }

    QStringList boxTexts()
    {
        QStringList texts;
        for (const services::Control& c : controls().all()) {
            if (auto* edit = qobject_cast<QLineEdit*>(c.object.data()))
                texts << c.name + QString::number(c.index.value_or(-1)) + QLatin1Char('=') + edit->text();
        }
        return texts;
    }

    std::unique_ptr<app::LinkExecuteTopic> topic;
};

// The engineer's report: a building outline started while the one-rod drawing asks for its rod took
// the drawing from under it, and the saved drawing held only the building arc.
TEST_F(WaitingQuestionGuard, BuildingStartedDuringARodPickLeavesTheRodDrawing)
{
    topic->poke(QStringLiteral("txtOneRodIn(0)"), QStringLiteral("25"));
    topic->poke(QStringLiteral("txtOneRodIn(1)"), QStringLiteral("10"));
    picks->point(0, 0).point(50, 0).string(QStringLiteral("N")).point(200, 0);
    drawOneRodActing([this] { topic->execute(QStringLiteral("EXECUTE|cmdBuilding|-1")); });

    // The rod took the first answer; the building asked nothing.
    EXPECT_EQ(picks->prompts(), QStringList{services::prompts::OneRodPosition});
    EXPECT_EQ(picks->remaining(), 3u);

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("guard.dxf"));
    doc.SaveAs(path);
    cad::Document saved = acad.Documents().Open(path);
    cad::ModelSpace ms = saved.ModelSpace();
    ASSERT_EQ(ms.Count(), 2);
    // r0 = 29.580 m and rx = 7.220 m at 1:500, about the rod at (0, 0).
    const double radii[] = {59.160, 14.440};
    const short colours[] = {1, 6};
    for (int i = 0; i < 2; ++i) {
        const cad::EntityData e = ms.Item(i).data();
        EXPECT_EQ(e.kind, EntityKind::Circle);
        EXPECT_EQ(e.color, colours[i]);
        EXPECT_NEAR(e.center[0], 0, 1e-9);
        EXPECT_NEAR(e.center[1], 0, 1e-9);
        EXPECT_NEAR(e.radius, radii[i], 1e-9);
    }
}

// Every command that connects to the drawing (and the two computations the engineer may press on the
// same panels) is behind the guard: pressed while the rod pick waits, it asks nothing, changes no box,
// draws nothing and only brings the question back to the front.
TEST_F(WaitingQuestionGuard, EveryDrawingCommandWaitsForTheQuestion)
{
    const char* const commands[] = {
        "EXECUTE|cmdOneRod|1",
        "EXECUTE|cmdTwoRod|1",
        "EXECUTE|cmdTwoRod|2",
        "EXECUTE|cmdTwoRod|3",
        "EXECUTE|cmdThreeRod|1",
        "EXECUTE|cmdThreeRod|2",
        "EXECUTE|cmdThreeRod|3",
        "EXECUTE|cmdFourRod|1",
        "EXECUTE|cmdFourRod|2",
        "EXECUTE|cmdFourRod|3",
        "EXECUTE|cmdTwoRodPicked|0",
        "EXECUTE|cmdThreeRodPicked|0",
        "EXECUTE|cmdFourRodPicked|0",
        "EXECUTE|cmdOneStrip|1",
        "EXECUTE|cmdOneStrip|2",
        "EXECUTE|cmdOneStrip|3",
        "EXECUTE|cmdTwoStrip|1",
        "EXECUTE|cmdTwoStrip|2",
        "EXECUTE|cmdTwoStrip|3",
        "EXECUTE|cmdOneStripPicked|0",
        "EXECUTE|cmdTwoStripPicked|0",
        "EXECUTE|cmdBuilding|-1",
        "EXECUTE|cmdHeight|-1",
        "EXECUTE|cmdNumber|-1",
        "mnuNote", // the glossary drawing, from the tools menu
    };
    const QString waiting = app::tipCaption(services::tips::SwitchToDrawing);
    for (const char* c : commands) {
        const QString command = QString::fromUtf8(c);
        SCOPED_TRACE(c);
        picks->clear();
        picks->point(100, 100);
        const int before = doc.ModelSpace().Count();
        QStringList boxesBefore, boxesAfter;
        QString tipAfter;
        int documentsAfter = 0;
        drawOneRodActing([&] {
            boxesBefore = boxTexts();
            window->ShowMsg(QStringLiteral("marker"));
            if (command.startsWith(QLatin1String("EXECUTE")))
                topic->execute(command);
            else
                controls().menu(command)->trigger();
            tipAfter = tip();
            boxesAfter = boxTexts();
            documentsAfter = acad.Documents().Count();
        });
        EXPECT_EQ(tipAfter, waiting);
        EXPECT_EQ(boxesAfter, boxesBefore);
        EXPECT_EQ(documentsAfter, 1);
        EXPECT_EQ(picks->prompts(), QStringList{services::prompts::OneRodPosition});
        // The waiting command kept its drawing and ended normally.
        EXPECT_EQ(doc.ModelSpace().Count(), before + 2);
        EXPECT_TRUE(services::g_acadApp.isNothing());
    }
}

} // namespace
