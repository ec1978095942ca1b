// A running engine with its drawing window shown offscreen, one empty drawing and a known view.
#pragma once

#include "platform/cad/engine_fixture.h"

#include "platform/cad/model/document_model.h"
#include "platform/cad/window/command_line.h"
#include "platform/cad/window/drawing_view.h"
#include "platform/cad/window/drawing_window.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <functional>

class DrawingWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        cad::faults().reset();
        cad::installDrawingWindow();
        app = cad::Application::CreateObject();
        app.setVisible(true);
        doc = app.Documents().Add();
        window = cad::DrawingWindow::of(app.engine().get());
        ASSERT_NE(window, nullptr);
        // No test may ever sit on a modal dialog: unexpected questions fail the test.
        window->setSaveQuestion([this](const QString& name) {
            saveQuestions << name;
            if (saveAnswers.empty()) {
                ADD_FAILURE() << "unexpected save question for " << name.toStdString();
                return cad::DrawingWindow::SaveChoice::Cancel;
            }
            const auto a = saveAnswers.front();
            saveAnswers.erase(saveAnswers.begin());
            return a;
        });
        window->setFileQuestion([this](cad::DrawingWindow::FileDialogKind, const QString&) { return fileAnswer; });
        window->resize(900, 700);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        view = window->view();
        setScale(10);
        // A question nobody answers would hang the test: end the instance, which fails the pick.
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [this] {
            ADD_FAILURE() << "a question was left waiting";
            if (app.isAlive())
                app.Quit();
        });
        watchdog.start(20000);
    }

    void TearDown() override
    {
        watchdog.stop();
        if (app.isAlive()) {
            for (const auto& d : app.engine()->documents())
                d->setSaved(true);   // nothing to ask about
            app.Quit();
        }
        cad::setFrontEndFactory({});
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        cad::faults().reset();
    }

    // The drawing's origin on the whole pixel nearest the view's centre, at `pixelsPerUnit`.
    void setScale(double pixelsPerUnit)
    {
        scale = pixelsPerUnit;
        origin = QPoint(view->width() / 2, view->height() / 2);
        cad::ViewTransform v;
        v.scale = scale;
        v.cx = (view->width() / 2.0 - origin.x()) / scale;
        v.cy = (origin.y() - view->height() / 2.0) / scale;
        view->setView(v);
    }

    // The pixel of a drawing point, worked out here rather than asked of the view.
    QPoint pixelOf(double x, double y) const
    {
        return origin + QPoint(qRound(x * scale), qRound(-y * scale));
    }

    // Runs `action` once the question that follows is waiting.
    static void later(std::function<void()> action) { QTimer::singleShot(0, std::move(action)); }

    void click(const QPoint& pixel)
    {
        QTest::mouseMove(view, pixel);
        QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, pixel);
    }

    void type(const QString& text, Qt::Key end = Qt::Key_Return)
    {
        QLineEdit* input = window->commandLine()->input();
        // Key clicks know only ASCII; other characters arrive as an input method would put them.
        for (const QChar c : text) {
            if (c.unicode() < 128)
                QTest::keyClick(input, c.toLatin1());
            else
                input->insert(QString(c));
        }
        QTest::keyClick(input, end);
    }

    double scale = 1;
    QPoint origin;
    QTimer watchdog;
    cad::Application app;
    cad::Document doc;
    cad::DrawingWindow* window = nullptr;
    cad::DrawingView* view = nullptr;
    std::vector<cad::DrawingWindow::SaveChoice> saveAnswers;
    QStringList saveQuestions;
    QString fileAnswer;
};
