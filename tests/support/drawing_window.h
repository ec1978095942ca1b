// The real main window with a running drawing engine whose picks come from a script, for the drawing panels.
#pragma once

#include "platform/cad/application.h"
#include "platform/cad/engine.h"
#include "platform/cad/model/entity_data.h"
#include "platform/cad/faults.h"
#include "platform/cad/point_source.h"
#include "services/acad_connection.h"
#include "services/acad_refs.h"
#include "support/main_window_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

namespace drawingtest {

using cad::EntityKind;
using testsupport::texts;

// An entity as the worked values give it, in drawing units. Arcs: centre, radius and their two
// end points; circles: centre and radius; lines: both ends.
struct Expected {
    EntityKind kind;
    short colour;
    double ax, ay;          // line start, or centre
    double bx, by;          // line end (unused for circles and arcs)
    double radius = 0;
    double sx = 0, sy = 0;  // arc start point
    double ex = 0, ey = 0;  // arc end point
};

inline Expected line(short colour, double x1, double y1, double x2, double y2)
{
    return {EntityKind::Line, colour, x1, y1, x2, y2};
}
inline Expected circle(short colour, double cx, double cy, double r)
{
    return {EntityKind::Circle, colour, cx, cy, 0, 0, r};
}
inline Expected arc(short colour, double cx, double cy, double r, double sx, double sy, double ex, double ey)
{
    return {EntityKind::Arc, colour, cx, cy, 0, 0, r, sx, sy, ex, ey};
}

// What "计算" shows for one set of inputs: the result boxes, the tip line, the computed flag and the
// input box it marks as bad (-1: none).
struct Computation {
    QStringList boxes;
    const char* tip;
    bool computed;
    int marked = -1;
};

class DrawingWindow : public testsupport::MainWindowFixture {
protected:
    explicit DrawingWindow(int firstPanel) : MainWindowFixture(firstPanel) {}

    void SetUp() override
    {
        cad::faults().reset();
        services::ReleaseAcadObjects();
        endEngine();
        // The drawing window stand-in: titled with the engine's caption, so it can be brought to the front.
        cad::setFrontEndFactory([](cad::Engine& engine) -> QObject* {
            auto* w = new QWidget;
            w->setWindowTitle(engine.caption());
            // The caption names the drawing: it changes when another drawing is activated or this one saved.
            QObject::connect(&engine, &cad::Engine::documentActivated, w,
                             [w, &engine] { w->setWindowTitle(engine.caption()); });
            QObject::connect(&engine, &cad::Engine::documentChanged, w,
                             [w, &engine] { w->setWindowTitle(engine.caption()); });
            w->show();
            return w;
        });
        MainWindowFixture::SetUp();
    }

    void TearDown() override
    {
        cad::faults().reset();
        services::ReleaseAcadObjects();
        window.reset();
        endEngine();
        cad::setFrontEndFactory({});
    }

    static void endEngine()
    {
        if (auto engine = cad::Engine::running())
            engine->end();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The engine the program will attach to, with one empty drawing (the engineer's site plan).
    void startDrawing()
    {
        acad = cad::Application::CreateObject();
        doc = acad.Documents().Add();
        picks = std::make_shared<cad::ScriptedPointSource>();
        acad.engine()->setPointSource(picks);
    }

    void setClass(int combo, int item) { controls().comboBox(QStringLiteral("comClass"), combo)->setCurrentIndex(item); }
    static QString tipOf(const char* msg) { return *msg ? QString::fromUtf8("提示: ") + QString::fromUtf8(msg) : QString(); }

    // Presses "计算" (element 0) on the inputs typed, over result boxes reading "old" and the flag set.
    void expectComputation(const char* button, const char* inputs, const char* results, const Computation& want)
    {
        state().m_computed = true;
        fillBoxes(results, "old");
        press(button, 0);
        EXPECT_EQ(boxTexts(results), want.boxes);
        EXPECT_EQ(tip(), tipOf(want.tip));
        EXPECT_EQ(state().m_computed, want.computed);
        if (want.marked >= 0)
            expectMarked(inputs, want.marked);
    }

    // The drawing window stand-in is another top level: a marked box holds the application's focus.
    QWidget* focused() override { return QApplication::focusWidget(); }

    std::vector<cad::EntityData> entities()
    {
        std::vector<cad::EntityData> out;
        cad::ModelSpace ms = doc.ModelSpace();
        for (int i = 0; i < ms.Count(); ++i)
            out.push_back(ms.Item(i).data());
        return out;
    }

    // Every entity drawn, in order, shown, of the expected kind, colour and geometry (placed at origin).
    void expectEntities(const std::vector<Expected>& expected, double ox = 0, double oy = 0, double tol = 0.0015)
    {
        const auto got = entities();
        ASSERT_EQ(got.size(), expected.size());
        for (std::size_t i = 0; i < got.size(); ++i) {
            SCOPED_TRACE(testing::Message() << "entity " << i);
            const cad::EntityData& g = got[i];
            const Expected& e = expected[i];
            EXPECT_EQ(g.kind, e.kind);
            EXPECT_EQ(g.color, e.colour);
            EXPECT_TRUE(g.visible);
            if (e.kind == EntityKind::Line) {
                EXPECT_NEAR(g.start[0], ox + e.ax, tol);
                EXPECT_NEAR(g.start[1], oy + e.ay, tol);
                EXPECT_NEAR(g.end[0], ox + e.bx, tol);
                EXPECT_NEAR(g.end[1], oy + e.by, tol);
                continue;
            }
            EXPECT_NEAR(g.center[0], ox + e.ax, tol);
            EXPECT_NEAR(g.center[1], oy + e.ay, tol);
            EXPECT_NEAR(g.radius, e.radius, tol);
            if (e.kind == EntityKind::Arc) {
                EXPECT_NEAR(g.center[0] + g.radius * std::cos(g.startAngle), ox + e.sx, tol);
                EXPECT_NEAR(g.center[1] + g.radius * std::sin(g.startAngle), oy + e.sy, tol);
                EXPECT_NEAR(g.center[0] + g.radius * std::cos(g.endAngle), ox + e.ex, tol);
                EXPECT_NEAR(g.center[1] + g.radius * std::sin(g.endAngle), oy + e.ey, tol);
            }
        }
    }

    // Writes the drawing for a look with another reader, when RIDE_DXF_DIR is set. The file is named
    // after the test suite too, so that no two tests running at once write the same file.
    void saveForLooking(const char* name)
    {
        const QByteArray dir = qgetenv("RIDE_DXF_DIR");
        if (dir.isEmpty())
            return;
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        const QString suite = test ? QString::fromUtf8(test->test_suite_name()).replace(QLatin1Char('/'), QLatin1Char('-'))
                                   : QStringLiteral("none");
        doc.SaveAs(QString::fromLocal8Bit(dir) + QLatin1Char('/') + suite + QStringLiteral(" - ") + QString::fromUtf8(name)
                   + QStringLiteral(".dxf"));
    }

    cad::Application acad;
    cad::Document doc;
    std::shared_ptr<cad::ScriptedPointSource> picks;
};

} // namespace drawingtest
