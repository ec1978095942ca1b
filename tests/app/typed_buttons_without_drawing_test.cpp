// The typed drawing buttons after the engineer has closed the last drawing: a new drawing is opened.
#include "app/link_execute_topic.h"
#include "support/drawing_template.h"
#include "support/drawing_window.h"

#include <QCoreApplication>

namespace {

// Answers every pick with the next point along the x axis and every typed question with Enter.
class AnswersEverything : public cad::PointSource {
public:
    cad::Point getPoint(const cad::Document&, std::optional<cad::Point>, const QString&) override
    {
        return {50.0 * asked++, 0, 0};
    }
    QString getString(const cad::Document&, bool, const QString&) override { return {}; }
    int asked = 0;
};

class TypedButtonsWithoutDrawing : public drawingtest::DrawingWindow {
protected:
    TypedButtonsWithoutDrawing() : DrawingWindow(3) {} // the one-rod panel

    void SetUp() override
    {
        DrawingWindow::SetUp();
        testsupport::ensureTemplate();
        topic = std::make_unique<app::LinkExecuteTopic>(
            *window, QStringLiteral("RIDEnodrawing%1").arg(QCoreApplication::applicationPid()));
    }
    void TearDown() override
    {
        topic.reset();
        DrawingWindow::TearDown();
    }

    std::unique_ptr<app::LinkExecuteTopic> topic;
};

// Whether the last command ended normally (references released) or early (references kept), a typed
// button pressed with no drawing open opens one from the template and draws into it, as the picked
// panels do.
TEST_F(TypedButtonsWithoutDrawing, OpenANewDrawingAndDrawIntoIt)
{
    const char* const commands[] = {
        "EXECUTE|cmdOneRod|1",  "EXECUTE|cmdTwoRod|1",   "EXECUTE|cmdTwoRod|3",   "EXECUTE|cmdThreeRod|2",
        "EXECUTE|cmdFourRod|1", "EXECUTE|cmdOneStrip|1", "EXECUTE|cmdTwoStrip|3", "EXECUTE|cmdBuilding|-1",
    };
    for (const bool keptReferences : {false, true}) {
        for (const char* command : commands) {
            SCOPED_TRACE(testing::Message() << command << (keptReferences ? ", references kept" : ""));
            startDrawing();
            if (keptReferences) {
                // A cancelled rod pick ends the one-rod drawing early: the references stay connected.
                picks->cancel();
                topic->execute(QStringLiteral("EXECUTE|cmdOneRod|1"));
                ASSERT_FALSE(services::g_acadApp.isNothing());
            }
            doc.Close(); // the engineer closes the last drawing tab
            ASSERT_EQ(acad.Documents().Count(), 0);

            auto answers = std::make_shared<AnswersEverything>();
            acad.engine()->setPointSource(answers);
            topic->execute(QString::fromUtf8(command));

            ASSERT_EQ(acad.Documents().Count(), 1);
            EXPECT_GT(answers->asked, 0);
            EXPECT_GT(acad.ActiveDocument().ModelSpace().Count(), 0);
            // The normal end released the references, as after any drawing.
            EXPECT_TRUE(services::g_acadApp.isNothing());
            services::ReleaseAcadObjects();
            endEngine();
        }
    }
}

} // namespace
