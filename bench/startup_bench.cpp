// Startup to the first paint: the main window (`bench_startup main [panel]`), a bare Qt window of its size (`bare`),
// or that window showing one line of Chinese text (`label`: the least any window with text costs).
// The main window starts on a panel drawn at random, as the program does, unless one is named (for profiling).
#include "app/fonts.h"
#include "app/main_window.h"
#include "app/twips.h"
#include "platform/cad/window/drawing_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QLabel>
#include <QPixmap>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

// Ends the process at the first paint of the watched window, saying how long it took from main().
// With RIDE_STARTUP_GRAB=file.png it first saves what that paint shows (for comparing looks, not timing).
class FirstPaint : public QObject {
public:
    explicit FirstPaint(const QElapsedTimer& since) : m_since(since) {}
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_grabbing) {
            if (const QString file = qEnvironmentVariable("RIDE_STARTUP_GRAB"); !file.isEmpty()) {
                m_grabbing = true;
                static_cast<QWidget*>(watched)->grab().save(file);
            }
            std::printf("first_paint_ms=%.1f\n", double(m_since.nsecsElapsed()) / 1e6);
            std::fflush(stdout);
            std::_Exit(0);
        }
        return false;
    }

private:
    const QElapsedTimer& m_since;
    bool m_grabbing = false;
};

} // namespace

int main(int argc, char** argv)
{
    QElapsedTimer since;
    since.start();
    const bool label = argc == 2 && std::strcmp(argv[1], "label") == 0;
    const bool bare = label || (argc == 2 && std::strcmp(argv[1], "bare") == 0);
    if (argc < 2 || argc > 3 || (!bare && std::strcmp(argv[1], "main") != 0)) {
        std::fprintf(stderr, "usage: %s main [panel 0-18]|bare|label\n", argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!bare)
        app::startFontPreload(); // as the program does before its application object
    QApplication application(argc, argv);
    FirstPaint watch(since);
    std::unique_ptr<QWidget> window;
    if (bare) {
        window = std::make_unique<QWidget>();
        // The main window's outer size (its client area is a little smaller).
        window->setFixedSize(app::px(app::MainWindow::kWidthTwips), app::px(app::MainWindow::kHeightTwips));
        if (label)
            (new QLabel(QStringLiteral("避雷针保护范围"), window.get()))->move(12, 12);
    } else {
        // As the program starts: the drawing engine's window provider, then the main window.
        cad::installDrawingWindow();
        app::MainWindowOptions options;
        if (argc == 3) {
            const int panel = std::atoi(argv[2]);
            options.random = [panel] { return (panel + 0.5) / app::MainWindow::kPanelCount; };
        }
        window = std::make_unique<app::MainWindow>(options);
    }
    window->installEventFilter(&watch);
    window->show();
    return application.exec();
}
