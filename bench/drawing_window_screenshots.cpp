// Renders the drawing window offscreen to PNG files: a drawn protection zone on a site plan, a pick with snap marker and
// rubber band, a zoomed circle, the pick history, and the file dialogs and message boxes in the program's language;
// given a plan as well, that plan fitted, zoomed in and panned, with the time each picture took.
#include "app/qt_translations.h"
#include "app/window_icon.h"
#include "platform/automation/automation_error.h"
#include "platform/cad/application.h"
#include "platform/cad/document.h"
#include "platform/cad/engine.h"
#include "platform/cad/model/document_model.h"
#include "platform/cad/window/command_line.h"
#include "platform/cad/window/drawing_view.h"
#include "platform/cad/window/drawing_view_colors.h"
#include "platform/cad/window/drawing_view_renderer.h"
#include "platform/cad/window/drawing_window.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QDir>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr double kPi = 3.14159265358979323846;

// One rod of height h with the rolling sphere Hr and target height hx, as the one-rod command draws it.
void drawOneRodZone(cad::ModelSpace ms, const cad::Point& rod, const cad::Point& section)
{
    const double h = 21, hx = 12, hr = 45;
    const double r0 = std::sqrt(h * (2 * hr - h));
    const double rx = r0 - std::sqrt(hx * (2 * hr - hx));
    ms.AddCircle(rod, r0).setColor(1);
    ms.AddCircle(rod, rx).setColor(6);
    const double sx = section[0], sy = section[1];
    ms.AddLine({sx, sy, 0}, {sx, sy + h, 0}).setColor(1);
    const double tipLeft = std::atan2(h - hr, r0), tipRight = std::atan2(h - hr, -r0);
    ms.AddArc({sx - r0, sy + hr, 0}, hr, 1.5 * kPi, tipLeft + 2 * kPi).setColor(1);
    ms.AddArc({sx + r0, sy + hr, 0}, hr, tipRight + 2 * kPi, 1.5 * kPi).setColor(1);
    ms.AddLine({sx - r0 - 5, sy, 0}, {sx + r0 + 5, sy, 0}).setColor(7);
    ms.AddLine({sx - r0 - 5, sy + hx, 0}, {sx + r0 + 5, sy + hx, 0}).setColor(7);
    ms.AddText(QStringLiteral("单支避雷针保护范围剖面"), {sx - 20, sy - 8, 0}, 3).setColor(3);
}

void sendMove(QWidget* view, const QPointF& at)
{
    QMouseEvent move(QEvent::MouseMove, at, view->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view, &move);
}

// The plan named on the command line in the window: fitted, zoomed in by wheel steps and panned, each
// picture saved, with the time the window's renderer takes to paint that view anew (the best of three).
void lookAtPlan(cad::Application& acad, const QString& plan, const QString& outDir)
{
    const std::shared_ptr<cad::DocumentModel> model = acad.Documents().Open(plan).model();
    const std::vector<cad::PlacedReference> references = cad::placedReferences(*model);
    auto* window = cad::DrawingWindow::of(acad.engine().get());
    cad::DrawingView* view = window->view();
    view->zoomExtents();
    QCoreApplication::processEvents();
    auto shoot = [&](const char* name) {
        double best = 1e9;
        for (int i = 0; i < 3; ++i) {
            QImage image(view->size(), QImage::Format_ARGB32_Premultiplied);
            image.fill(cad::drawingBackground());
            QPainter painter(&image);
            QElapsedTimer timer;
            timer.start();
            cad::DrawingRenderer(*model, view->view()).paintView(painter, references);
            best = std::min(best, static_cast<double>(timer.nsecsElapsed()) / 1e6);
        }
        // The window shows the last picture moved until it settles and paints the view anew.
        QElapsedTimer settling;
        settling.start();
        while (settling.elapsed() < 600)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        view->grab().save(outDir + QStringLiteral("/plan_%1.png").arg(QLatin1String(name)));
        std::printf("plan %s: redraw %.1f ms\n", name, best);
    };
    shoot("fit");
    cad::ViewTransform v = view->view();
    v.scale *= 1.25 * 1.25 * 1.25 * 1.25 * 1.25 * 1.25;
    view->setView(v);
    shoot("zoomed");
    v.cx += v.size.width() / 3 / v.scale;
    v.cy -= v.size.height() / 4 / v.scale;
    view->setView(v);
    shoot("panned");
    v.scale *= 8;
    view->setView(v);
    shoot("close");
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // drawing_window_screenshots [folder [plan.dxf]]
    const QString outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    QDir().mkpath(outDir);

    app::installQtTranslations();
    QApplication::setWindowIcon(app::programIcon());
    app::programIcon().pixmap(64, 64).save(outDir + QStringLiteral("/window_icon.png"));
    cad::installDrawingWindow();
    cad::Application acad = cad::Application::CreateObject();
    acad.setVisible(true);
    cad::Document doc = acad.Documents().Open(QStringLiteral(RIDE_TEST_DATA_DIR "/cad/site_plan.dxf"));
    auto* window = cad::DrawingWindow::of(acad.engine().get());
    window->resize(1100, 760);
    QCoreApplication::processEvents();

    const cad::Point rod{70, 45, 0};
    drawOneRodZone(doc.ModelSpace(), rod, {170, 10, 0});
    window->view()->zoomExtents();
    QCoreApplication::processEvents();
    window->grab().save(outDir + QStringLiteral("/drawing_window_zone.png"));

    // A second rod picked from the first: running snaps on, the cursor near the end of the red road line.
    doc.SetVariable(QStringLiteral("OSMODE"), 7);
    QTimer::singleShot(0, [&] {
        cad::DrawingView* view = window->view();
        sendMove(view, view->toScreen({99.3, 20.8, 0}));
        window->grab().save(outDir + QStringLiteral("/drawing_window_pick.png"));
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(window->commandLine()->input(), &esc);
    });
    try {
        doc.Utility().GetPoint(rod, QStringLiteral("选择第二支避雷针的位置: "));
    } catch (const automation::AutomationError& e) {
        std::printf("pick ended with %08x\n", static_cast<unsigned>(e.number()));
    }

    // Zoomed in on the ground circle: it must look round and smooth, not a polygon.
    {
        cad::ViewTransform v;
        v.scale = 12;
        v.cx = rod[0];
        v.cy = rod[1];
        window->view()->setView(v);
        QCoreApplication::processEvents();
        window->grab().save(outDir + QStringLiteral("/drawing_window_circle.png"));
        v.scale = 80;
        v.cx = rod[0] + 26;
        v.cy = rod[1] + 24;
        window->view()->setView(v);
        QCoreApplication::processEvents();
        window->grab().save(outDir + QStringLiteral("/drawing_window_circle_close.png"));
        window->view()->zoomExtents();
        QCoreApplication::processEvents();
    }

    // The history after a clicked and a typed pick: both answers are echoed.
    doc.SetVariable(QStringLiteral("OSMODE"), 0);
    QTimer::singleShot(0, [&] {
        cad::DrawingView* view = window->view();
        const QPointF at = view->toScreen({40, 30, 0});
        sendMove(view, at);
        QMouseEvent press(QEvent::MouseButtonPress, at, view->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(view, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, view->mapToGlobal(at), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(view, &release);
    });
    try {
        const cad::Point first = doc.Utility().GetPoint(std::nullopt, QStringLiteral("指定第一支避雷针的位置: "));
        QTimer::singleShot(0, [&] {
            window->commandLine()->input()->setText(QStringLiteral("@25,10"));
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QCoreApplication::sendEvent(window->commandLine()->input(), &enter);
        });
        doc.Utility().GetPoint(first, QStringLiteral("选择第二支避雷针的位置: "));
    } catch (const automation::AutomationError& e) {
        std::printf("picks ended with %08x\n", static_cast<unsigned>(e.number()));
    }
    QCoreApplication::processEvents();
    window->grab().save(outDir + QStringLiteral("/drawing_window_history.png"));

    // The open and save dialogs and a message box with standard buttons, as the engineer sees them.
    auto grabModal = [&](const QString& file) {
        QTimer::singleShot(300, [file, outDir] {
            if (QWidget* dialog = QApplication::activeModalWidget()) {
                dialog->grab().save(outDir + file);
                dialog->close();
            }
        });
    };
    grabModal(QStringLiteral("/dialog_open.png"));
    window->openDrawing();
    grabModal(QStringLiteral("/dialog_save_as.png"));
    window->saveDrawingAs(doc.model());
    grabModal(QStringLiteral("/message_box.png"));
    QMessageBox::critical(window, QStringLiteral("zoveduzo"), QStringLiteral("无法启动 RIDE：……"),
                          QMessageBox::Ok | QMessageBox::Cancel);

    if (argc > 2)
        lookAtPlan(acad, QString::fromLocal8Bit(argv[2]), outDir);

    for (const auto& d : acad.engine()->documents())
        d->setSaved(true);
    acad.Quit();
    std::printf("screenshots in %s\n", qPrintable(QDir(outDir).absolutePath()));
    return 0;
}
