// The start of the program: one instance only, the main window with its topic, the event loop.
#include "app/application.h"

#include "app/fonts.h"
#include "app/link_execute_topic.h"
#include "app/main_window.h"
#include "app/qt_translations.h"
#include "app/window_icon.h"
#include "platform/cad/window/drawing_window.h"
#include "platform/desktop/app_info.h"
#include "platform/desktop/process_signals.h"
#include "platform/desktop/single_instance.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <unistd.h>

namespace app {

namespace {

QtMessageHandler g_previousHandler = nullptr;

// Qt ends a start without a usable display with a fatal message; show that message and leave
// with a failure status instead of aborting with a core dump.
void messageHandler(QtMsgType type, const QMessageLogContext& context, const QString& msg)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(msg));
        std::fflush(stderr);
        _exit(1);
    }
    if (g_previousHandler)
        g_previousHandler(type, context, msg);
}

// A start that cannot tell whether another one runs says why, in the terminal and on screen.
int refuseStart(const desktop::SingleInstance& instance)
{
    const QString text = QStringLiteral("无法启动 %1：%2").arg(desktop::exeName(), instance.problem());
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    std::fflush(stderr);
    QMessageBox::critical(nullptr, QStringLiteral("zoveduzo"), text);
    return 1;
}

} // namespace

void releaseAtExit(MainWindow& window, LinkExecuteTopic& topic, desktop::SingleInstance& instance)
{
    QObject::connect(&window, &MainWindow::exited, &window, [&topic, &instance] {
        topic.withdraw();
        instance.release();
    });
}

int runApplication(int argc, char** argv)
{
    desktop::ignoreFileSizeSignal(); // a save past the file-size limit fails instead of ending the program
    g_previousHandler = qInstallMessageHandler(messageHandler);
    startFontPreload();
    QApplication application(argc, argv);
    // What runs on other threads while the program starts must be over before the application object
    // goes (Qt lets go of the font configuration with it), also when this start ends early.
    struct StartThreadsOver {
        ~StartThreadsOver()
        {
            finishIconRendering();
            finishFontPreload();
        }
    } startThreadsOver;
    QApplication::setApplicationName(desktop::exeName());
    startIconRendering(); // drawn meanwhile; taken by the first window made
    installQtTranslations();

    desktop::SingleInstance instance(desktop::exeName());
    if (instance.PrevInstance())
        return 0;
    if (instance.state() != desktop::SingleInstance::State::Acquired) {
        QApplication::setWindowIcon(programIcon());
        return refuseStart(instance);
    }
    cad::installDrawingWindow();

    MainWindow window;
    QApplication::setWindowIcon(programIcon()); // for the drawing window and the dialogs
    LinkExecuteTopic topic(window); // other programs drive the window over the session bus
    releaseAtExit(window, topic, instance);
    window.show();
    // The process ends with its last window: the main window, or a drawing window left open after it.
    return application.exec();
}

} // namespace app
