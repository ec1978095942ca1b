// Picking in the drawing window: clicks, snaps, ortho, typed coordinates, Esc, typed texts, nested questions.
#include "drawing_window_fixture.h"

#include "platform/cad/window/command_line_input.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>

using namespace cad;

namespace {

void expectPoint(const Point& actual, const Point& expected, double tolerance = 1e-9)
{
    EXPECT_NEAR(actual[0], expected[0], tolerance);
    EXPECT_NEAR(actual[1], expected[1], tolerance);
    EXPECT_NEAR(actual[2], expected[2], tolerance);
}

TEST_F(DrawingWindowTest, ClickPicksTheDrawingPointUnderTheCursorAndShowsThePromptAsGiven)
{
    const QString prompt = QStringLiteral("指定避雷针平面安装位置: ");
    QString shownPrompt, shownCursor;
    later([&] {
        // Qt drops a move to where the pointer already is (an earlier test may have left it there).
        QTest::mouseMove(view, pixelOf(0, 0));
        QTest::mouseMove(view, pixelOf(5, 3));
        shownPrompt = window->commandLine()->prompt();
        shownCursor = window->cursorText();
        click(pixelOf(5, 3));
    });
    const Point p = doc.Utility().GetPoint(std::nullopt, prompt);
    expectPoint(p, {5, 3, 0});
    EXPECT_EQ(shownPrompt, prompt);
    EXPECT_EQ(shownCursor, QStringLiteral("5.0000, 3.0000, 0.0000"));
    EXPECT_EQ(window->commandLine()->prompt(), QStringLiteral("命令: "));
}

TEST_F(DrawingWindowTest, TheHistoryEchoesClickedAndTypedPicksAlikeAndKeepsTheNewestInSight)
{
    later([&] { click(pixelOf(5, 3)); });
    doc.Utility().GetPoint(std::nullopt, QStringLiteral("指定第一点: "));
    later([&] { type(QStringLiteral("@2.5,-1")); });
    doc.Utility().GetPoint(std::nullopt, QStringLiteral("指定第二点: "));
    const QStringList lines = window->commandLine()->history().split(QLatin1Char('\n'));
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines[lines.size() - 2], QStringLiteral("指定第一点: 5,3"));
    EXPECT_EQ(lines.back(), QStringLiteral("指定第二点: @2.5,-1"));

    // More than a couple of lines show, and a long history scrolls with the newest line in sight.
    QPlainTextEdit* history = window->commandLine()->historyView();
    EXPECT_GE(history->height(), 4 * history->fontMetrics().lineSpacing());
    for (int i = 0; i < 40; ++i)
        window->commandLine()->addHistory(QStringLiteral("line %1").arg(i));
    QCoreApplication::processEvents();
    EXPECT_EQ(history->verticalScrollBar()->value(), history->verticalScrollBar()->maximum());
    EXPECT_GT(history->verticalScrollBar()->maximum(), 0);
}

TEST(CommandLineInput, APointIsWrittenAsItWouldBeTyped)
{
    const struct {
        Point p;
        const char* text;
    } cases[] = {
        {{5, 3, 0}, "5,3"},
        {{-12.5, 0.25, 0}, "-12.5,0.25"},
        {{1.23456789, 2, 0}, "1.2346,2"},
        {{-0.00001, 7, 1.5}, "0,7,1.5"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(pointText(c.p), QString::fromUtf8(c.text));
        const auto back = parseTypedPoint(pointText(c.p), {0, 0, 0});
        ASSERT_TRUE(back.has_value()) << c.text;
    }
}

TEST_F(DrawingWindowTest, RunningSnapsAndOrthoDecideWhatAClickPicks)
{
    // A line from (0,0) to (10,0) and a circle about (20,10); clicks land 0.3 units (3 pixels) off.
    doc.ModelSpace().AddLine({0, 0, 0}, {10, 0, 0});
    doc.ModelSpace().AddCircle({20, 10, 0}, 4);
    struct Case {
        int osmode;
        bool ortho;
        std::optional<Point> base;
        Point click;
        Point expected;
    };
    const Case cases[] = {
        {1, false, std::nullopt, {10.3, 0.2, 0}, {10, 0, 0}},        // end point
        {0, false, std::nullopt, {10.3, 0.2, 0}, {10.3, 0.2, 0}},    // no snaps: as clicked
        {2, false, std::nullopt, {10.3, 0.2, 0}, {10.3, 0.2, 0}},    // mid point only: the end is not a snap
        {7, false, std::nullopt, {5.2, -0.3, 0}, {5, 0, 0}},         // mid point
        {4, false, std::nullopt, {20.3, 9.8, 0}, {20, 10, 0}},       // centre
        {1, false, std::nullopt, {12, 0.1, 0}, {12, 0.1, 0}},        // beyond the aperture
        {0, true, Point{0, 0, 0}, {5, 1, 0}, {5, 0, 0}},             // ortho: horizontal from the base
        {0, true, Point{0, 0, 0}, {1, 5, 0}, {0, 5, 0}},             // ortho: vertical
        {0, true, std::nullopt, {1, 5, 0}, {1, 5, 0}},               // ortho needs a base point
        {1, true, Point{0, 5, 0}, {10.2, 0.3, 0}, {10, 0, 0}},       // a snap wins over ortho
    };
    for (const auto& c : cases) {
        doc.SetVariable(QStringLiteral("OSMODE"), c.osmode);
        doc.ActiveViewport().setOrthoOn(c.ortho);
        later([&] { click(pixelOf(c.click[0], c.click[1])); });
        const Point p = doc.Utility().GetPoint(c.base, QStringLiteral("选择下一点: "));
        SCOPED_TRACE(testing::Message() << "osmode " << c.osmode << " ortho " << c.ortho << " click " << c.click[0]
                                        << "," << c.click[1]);
        expectPoint(p, c.expected, 0.051);   // a pixel is 0.1 units: clicks land on whole pixels
        if (c.osmode != 0 && c.expected != c.click)
            expectPoint(p, c.expected);      // snapped points are exact
    }
}

TEST_F(DrawingWindowTest, TypedCoordinatesPickAbsoluteAndRelativePoints)
{
    struct Case {
        std::optional<Point> base;
        QStringList typed;   // the last one is accepted; those before are refused
        Point expected;
    };
    const Case cases[] = {
        {std::nullopt, {QStringLiteral("12.5,7")}, {12.5, 7, 0}},
        {std::nullopt, {QStringLiteral("-3,4.25,2")}, {-3, 4.25, 2}},
        {Point{1, 1, 0}, {QStringLiteral("@3,4")}, {4, 5, 0}},
        {Point{1, 1, 0}, {QStringLiteral("abc"), QStringLiteral("5"), QStringLiteral("@-1,0.5")}, {0, 1.5, 0}},
        // Without a base point "@" is relative to the point picked last (the previous case's).
        {std::nullopt, {QStringLiteral("@10,0")}, {10, 1.5, 0}},
        // Beyond the coordinate limit, typed or reached by a relative step: asked again.
        {std::nullopt,
         {QStringLiteral("1e308,0"), QStringLiteral("-1e308,0"), QStringLiteral("1e100,0")},
         {1e100, 0, 0}},
        {Point{1e100, 0, 0}, {QStringLiteral("@1e100,0"), QStringLiteral("@-1e100,2")}, {0, 2, 0}},
    };
    for (const auto& c : cases) {
        later([&] {
            for (const auto& t : c.typed)
                type(t);
        });
        const Point p = doc.Utility().GetPoint(c.base, QStringLiteral("指定剖面图位置: "));
        SCOPED_TRACE(c.typed.join(QLatin1Char('|')).toStdString());
        expectPoint(p, c.expected);
    }
    EXPECT_TRUE(window->commandLine()->history().contains(QStringLiteral("点无效")));
    EXPECT_EQ(window->commandLine()->history().count(QStringLiteral("点超出范围，坐标的绝对值不能大于 1e100。")), 3);
}

TEST_F(DrawingWindowTest, TypingOverTheDrawingGoesToTheCommandLine)
{
    later([&] {
        QTest::keyClicks(view, QStringLiteral("2,3"));
        QTest::keyClick(view, Qt::Key_Return);
    });
    expectPoint(doc.Utility().GetPoint(std::nullopt, QStringLiteral("指定一点: ")), {2, 3, 0});
}

TEST_F(DrawingWindowTest, AQuestionToAHiddenWindowShowsIt)
{
    // Nobody could answer in a hidden window: the wait would never end.
    app.setVisible(false);
    ASSERT_FALSE(window->isVisible());
    bool shown = false;
    later([&] {
        shown = window->isVisible();
        type(QStringLiteral("1,1"));
    });
    expectPoint(doc.Utility().GetPoint(std::nullopt, QStringLiteral("指定一点: ")), {1, 1, 0});
    EXPECT_TRUE(shown);
    EXPECT_TRUE(app.Visible());
}

TEST_F(DrawingWindowTest, EscCancelsPointAndTextQuestions)
{
    later([&] { QTest::keyClick(view, Qt::Key_Escape); });
    EXPECT_AUTOMATION_ERROR(doc.Utility().GetPoint(Point{0, 0, 0}, QStringLiteral("选择第二支避雷针的位置: ")),
                            errors::UserCancelled);
    later([&] {
        QTest::keyClicks(window->commandLine()->input(), QStringLiteral("Y"));
        QTest::keyClick(window->commandLine()->input(), Qt::Key_Escape);
    });
    EXPECT_AUTOMATION_ERROR(doc.Utility().GetString(true, QStringLiteral("是否继续选择下一点？[是(Y)/否(N)] <N>: ")),
                            errors::UserCancelled);
    EXPECT_EQ(window->commandLine()->prompt(), QStringLiteral("命令: "));
    EXPECT_TRUE(app.isAlive());
}

TEST_F(DrawingWindowTest, GetStringGivesWhatWasTyped)
{
    const QString prompt = QStringLiteral("是否继续选择下一点？[是(Y)/否(N)] <N>: ");
    struct Case {
        bool allowBlanks;
        QString typed;
        Qt::Key end;
        QString expected;
    };
    const Case cases[] = {
        {true, QStringLiteral("Y"), Qt::Key_Return, QStringLiteral("Y")},
        {true, QString(), Qt::Key_Return, QString()},                          // Enter alone: empty
        {true, QStringLiteral("一 号 楼"), Qt::Key_Return, QStringLiteral("一 号 楼")},
        {false, QStringLiteral("N"), Qt::Key_Space, QStringLiteral("N")},      // without blanks a blank ends it
    };
    for (const auto& c : cases) {
        QString shown;
        later([&] {
            shown = window->commandLine()->prompt();
            type(c.typed, c.end);
        });
        EXPECT_EQ(doc.Utility().GetString(c.allowBlanks, prompt), c.expected);
        EXPECT_EQ(shown, prompt);
    }
}

TEST_F(DrawingWindowTest, AQuestionAskedDuringAnotherIsAnsweredFirst)
{
    // An execute string may start a command while a pick waits: the newer question has the command line.
    QString inner;
    later([&] {
        later([&] { type(QStringLiteral("inner")); });
        inner = doc.Utility().GetString(true, QStringLiteral("内层: "));
        EXPECT_EQ(window->commandLine()->prompt(), QStringLiteral("外层: "));
        type(QStringLiteral("7,8"));
    });
    expectPoint(doc.Utility().GetPoint(std::nullopt, QStringLiteral("外层: ")), {7, 8, 0});
    EXPECT_EQ(inner, QStringLiteral("inner"));
}

TEST_F(DrawingWindowTest, WheelZoomKeepsThePointUnderTheCursorAndMiddleDragPans)
{
    const QPoint at = pixelOf(12, -7);
    const Point before = view->toDrawing(at);
    QWheelEvent wheel(at, view->mapToGlobal(at), QPoint(), QPoint(0, 240), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(view, &wheel);
    EXPECT_GT(view->view().scale, 10);
    expectPoint(view->toDrawing(at), before, 1e-9);

    const double scale = view->view().scale;
    const QPoint from(100, 100), to(160, 140);
    const Point grabbed = view->toDrawing(from);
    QTest::mousePress(view, Qt::MiddleButton, Qt::NoModifier, from);
    QMouseEvent move(QEvent::MouseMove, to, view->mapToGlobal(to), Qt::NoButton, Qt::MiddleButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view, &move);
    QTest::mouseRelease(view, Qt::MiddleButton, Qt::NoModifier, to);
    EXPECT_EQ(view->view().scale, scale);
    expectPoint(view->toDrawing(to), grabbed, 1e-9);
}

TEST_F(DrawingWindowTest, ZoomExtentsShowsTheWholeDrawing)
{
    doc.ModelSpace().AddLine({1000, 1000, 0}, {2000, 1500, 0});
    doc.ModelSpace().AddCircle({1500, 1200, 0}, 600);
    view->zoomExtents();
    for (const QPointF p : {view->toScreen({1000, 1000, 0}), view->toScreen({2000, 1500, 0}),
                            view->toScreen({900, 600, 0}), view->toScreen({2100, 1800, 0})})
        EXPECT_TRUE(QRectF(view->rect()).contains(p)) << p.x() << "," << p.y();
}

} // namespace
