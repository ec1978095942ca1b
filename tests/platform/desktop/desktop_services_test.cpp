// Desktop services: the pumping wait, window activation by title, program look-up.
#include "platform/automation/automation_error.h"
#include "platform/desktop/app_info.h"
#include "platform/desktop/program_launcher.h"
#include "platform/desktop/pumping_wait.h"
#include "platform/desktop/window_activation.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <ctime>
#include <gtest/gtest.h>

TEST(PumpingWait, ReturnsAfterTheTimeWithEventsDispatched)
{
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(5);
    bool posted = false;
    QTimer::singleShot(0, [&] { posted = true; });

    QElapsedTimer clock;
    clock.start();
    // Long enough for a 5 ms timer to fire twice even on a busy machine; the bound above only
    // catches a wait that never ends.
    desktop::pumpingWait(200);
    EXPECT_GE(clock.elapsed(), 200);
    EXPECT_LT(clock.elapsed(), 10000);
    EXPECT_TRUE(posted);
    EXPECT_GE(ticks, 2) << "the window's own timers keep running during the wait";
}

TEST(PumpingWait, SleepsRatherThanSpins)
{
    // The wait blocks until an event or its timer; a polling loop would burn the whole time on the CPU.
    const std::clock_t before = std::clock();
    desktop::pumpingWait(300);
    const double cpuMs = 1000.0 * static_cast<double>(std::clock() - before) / CLOCKS_PER_SEC;
    EXPECT_LT(cpuMs, 100.0);
}

TEST(PumpingWait, ZeroAndNegativeReturnAtOnce)
{
    QElapsedTimer clock;
    clock.start();
    desktop::pumpingWait(0);
    desktop::pumpingWait(-5);
    EXPECT_LT(clock.elapsed(), 1000);
}

TEST(AppActivate, FindsAVisibleWindowByTitleAndFailsForAnUnknownTitle)
{
    QWidget w;
    w.setWindowTitle(QStringLiteral("zoveduzo"));
    w.show();
    EXPECT_NO_THROW(desktop::AppActivate(QStringLiteral("zoveduzo")));
    try {
        desktop::AppActivate(QStringLiteral("no such window"));
        FAIL() << "expected a failure";
    } catch (const automation::AutomationError& e) {
        EXPECT_EQ(e.number(), automation::errors::InvalidProcedureCall);
    }
}

TEST(AppInfo, ProgramFolderAndVersion)
{
    EXPECT_EQ(desktop::exeName(), QStringLiteral("RIDE"));
    EXPECT_FALSE(desktop::appPath().endsWith(QLatin1Char('/')));
    EXPECT_GE(desktop::versionMajor(), 1);
}

TEST(ProgramLauncher, FindsProgramsOnThePathOnly)
{
    EXPECT_FALSE(desktop::findProgram({QStringLiteral("no-such-program-xyz"), QStringLiteral("sh")}).isEmpty());
    EXPECT_TRUE(desktop::findProgram({QStringLiteral("no-such-program-xyz")}).isEmpty());
    EXPECT_FALSE(desktop::startProgram(QString()));
}
