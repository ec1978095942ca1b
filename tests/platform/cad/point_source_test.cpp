// Picks and typed answers served by the scripted point source, cancels and failures included.
#include "engine_fixture.h"

using namespace cad;


namespace {

TEST_F(EngineTest, ScriptedAnswersAreServedInOrder)
{
    source->point(1, 2).point(3, 4, 5).string(QStringLiteral("Y")).string(QStringLiteral("a b"));
    Utility u = doc.Utility();
    const Point p1 = u.GetPoint(std::nullopt, QStringLiteral("指定避雷针平面安装位置: "));
    const Point p2 = u.GetPoint(p1, QStringLiteral("选择下一点: "));
    EXPECT_EQ(p1, (Point{1, 2, 0}));
    EXPECT_EQ(p2, (Point{3, 4, 5}));
    EXPECT_EQ(u.GetString(true, QStringLiteral("是否继续选择下一点？[是(Y)/否(N)] <N>: ")), QStringLiteral("Y"));
    EXPECT_EQ(u.GetString(false, QStringLiteral("word")), QStringLiteral("a"));   // blanks end the answer
    ASSERT_EQ(source->prompts().size(), 4);
    EXPECT_EQ(source->prompts()[0], QStringLiteral("指定避雷针平面安装位置: "));
    ASSERT_EQ(source->bases().size(), 2u);
    EXPECT_FALSE(source->bases()[0].has_value());
    EXPECT_EQ(source->bases()[1], p1);
    EXPECT_EQ(source->remaining(), 0u);
    EXPECT_EQ(source->unanswered(), 0);
}

TEST_F(EngineTest, CancelAndFailuresReachTheCaller)
{
    source->cancel().fail(errors::PickInterrupted).point(7, 7);
    Utility u = doc.Utility();
    EXPECT_AUTOMATION_ERROR(u.GetPoint(std::nullopt, QStringLiteral("p")), -2147352567);
    EXPECT_AUTOMATION_ERROR(u.GetPoint(std::nullopt, QStringLiteral("p")), errors::PickInterrupted);
    // A question of the wrong kind, or past the end of the script, is a cancel and is noted.
    EXPECT_AUTOMATION_ERROR(u.GetString(true, QStringLiteral("s")), errors::UserCancelled);
    EXPECT_AUTOMATION_ERROR(u.GetPoint(std::nullopt, QStringLiteral("p")), errors::UserCancelled);
    EXPECT_EQ(source->unanswered(), 2);
}

TEST_F(EngineTest, QuestionsNeedASourceAndHonourInjectedFaults)
{
    faults().failNext(QStringLiteral("GetPoint"), errors::UserCancelled);
    source->point(1, 1);
    EXPECT_AUTOMATION_ERROR(doc.Utility().GetPoint(std::nullopt, QString()), errors::UserCancelled);
    EXPECT_EQ(source->remaining(), 1u);   // the fault came first, the script was not touched
    app.engine()->setPointSource(nullptr);
    EXPECT_AUTOMATION_ERROR(doc.Utility().GetPoint(std::nullopt, QString()), errors::PickInterrupted);
}

// Two rods picked at 1e308,0 and -1e308,0 would make a plan whose span overflows: neither the
// answer nor an entity beyond the coordinate limit gets into the drawing.
TEST_F(EngineTest, PointsAndEntitiesBeyondTheCoordinateLimitAreRefused)
{
    source->point(1e308, 0).point(-1e101, 0).point(1e100, -1e100);
    Utility u = doc.Utility();
    EXPECT_AUTOMATION_ERROR(u.GetPoint(std::nullopt, QStringLiteral("p")), errors::InvalidInput);
    EXPECT_AUTOMATION_ERROR(u.GetPoint(std::nullopt, QStringLiteral("p")), errors::InvalidInput);
    EXPECT_EQ(u.GetPoint(std::nullopt, QStringLiteral("p")), (Point{1e100, -1e100, 0})); // the limit itself
    EXPECT_AUTOMATION_ERROR(ms.AddLine({-1e308, 0, 0}, {1e308, 0, 0}), errors::InvalidInput);
    EXPECT_AUTOMATION_ERROR(ms.AddCircle({0, 0, 0}, 1e200), errors::InvalidInput);
    EXPECT_AUTOMATION_ERROR(ms.AddArc({0, 1e101, 0}, 1, 0, 1), errors::InvalidInput);
    EXPECT_AUTOMATION_ERROR(ms.AddText(QStringLiteral("t"), {0, 0, -1e300}, 1), errors::InvalidInput);
    EXPECT_EQ(ms.Count(), 0);
    ms.AddLine({-1e100, 0, 0}, {1e100, 0, 0});
    EXPECT_EQ(ms.Count(), 1);
}

TEST_F(EngineTest, TheInstanceEndingDuringAQuestionFailsIt)
{
    // A source that ends the instance while "waiting", as the window closing during a pick does.
    struct Closing : ScriptedPointSource {
        Engine* engine = nullptr;
        Point getPoint(const Document& d, std::optional<Point> base, const QString& prompt) override
        {
            engine->end();
            return ScriptedPointSource::getPoint(d, base, prompt);
        }
    };
    auto closing = std::make_shared<Closing>();
    closing->engine = app.engine().get();
    closing->point(1, 1);
    app.engine()->setPointSource(closing);
    EXPECT_AUTOMATION_ERROR(doc.Utility().GetPoint(std::nullopt, QString()), errors::Disconnected);
}

} // namespace
