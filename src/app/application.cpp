// The start of the program: one instance only, the main window with its topic, the event loop.
#include "app/application.h"

#include "app/link_execute_topic.h"
#include "app/main_window.h"
#include "platform/cad/window/drawing_window.h"
#include "platform/desktop/app_info.h"
#include "platform/desktop/single_instance.h"

#include <QApplication>
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

} // namespace

int runApplication(int argc, char** argv)
{
    g_previousHandler = qInstallMessageHandler(messageHandler);
    QApplication application(argc, argv);
    QApplication::setApplicationName(desktop::exeName());

    desktop::SingleInstance instance(desktop::exeName());
    if (instance.PrevInstance())
        return 0;
    cad::installDrawingWindow();

    MainWindow window;
    LinkExecuteTopic topic(window); // other programs drive the window over the session bus
    window.show();
    return application.exec();
}

} // namespace app
