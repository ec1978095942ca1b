// The main window's exit while a drawing window stays open: the lock and the bus name go at once.
#include "app/application.h"
#include "app/link_execute_topic.h"
#include "app/main_window.h"
#include "platform/cad/application.h"
#include "platform/cad/window/drawing_window.h"
#include "platform/cad/engine.h"
#include "platform/dde/dde_server.h"
#include "platform/desktop/single_instance.h"
#include "support/main_window_fixture.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

enum class Start { EndedAtOnce, CameUp, Failed };

// What a real start of the program with this runtime folder does. `patienceMs`: how long an ending
// start may take (a loaded machine starts slowly); a start still running after it came up.
Start aStart(const QString& runtimeDir, int patienceMs)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(RIDE_BIN_DIR "/RIDE"), {});
    if (!p.waitForStarted(10000))
        return Start::Failed;
    if (p.waitForFinished(patienceMs))
        return p.exitCode() == 0 ? Start::EndedAtOnce : Start::Failed;
    p.kill();
    p.waitForFinished(5000);
    return Start::CameUp;
}

bool nameOnBus(const QString& application)
{
    QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
    return bus && bus->isServiceRegistered(dde::serviceName(application)).value();
}

} // namespace

TEST(ProgramExit, ReleasesTheLockAndTheBusNameWhileTheDrawingWindowStaysOpen)
{
    QTemporaryDir runtime;
    const QString application = QStringLiteral("RIDE_exit_test");
    desktop::SingleInstance instance(QStringLiteral("RIDE"), runtime.path());
    ASSERT_EQ(instance.state(), desktop::SingleInstance::State::Acquired);
    app::MainWindow window(testsupport::firstPanel(3));
    app::LinkExecuteTopic topic(window, application);
    app::releaseAtExit(window, topic, instance);
    window.show();

    cad::installDrawingWindow();
    cad::Application acad = cad::Application::CreateObject();
    acad.setVisible(true);
    acad.Documents().Add();
    cad::DrawingWindow* drawing = cad::DrawingWindow::of(acad.engine().get());
    ASSERT_NE(drawing, nullptr);

    const bool bus = QDBusConnection::sessionBus().isConnected();
    if (bus) {
        EXPECT_TRUE(nameOnBus(application));
    }
    EXPECT_EQ(aStart(runtime.path(), 20000), Start::EndedAtOnce) << "a second start ends while the first runs";

    window.mnuExit_Click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(drawing->isVisible()) << "the drawing window stands for a program of its own";
    if (bus) {
        EXPECT_FALSE(nameOnBus(application));
    }
    EXPECT_EQ(aStart(runtime.path(), 1500), Start::CameUp) << "after the exit, the next start shows its window";

    acad.Quit();
    cad::setFrontEndFactory({});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
