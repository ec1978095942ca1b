// The real program as a process: one instance at a time, a stale lock, a start without a display.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <gtest/gtest.h>

namespace {

const QString kProgram = QStringLiteral(RIDE_BIN_DIR "/RIDE");

QProcessEnvironment environmentWith(const QString& runtimeDir, const QString& platform = QStringLiteral("offscreen"))
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    return env;
}

void start(QProcess& p, const QProcessEnvironment& env)
{
    p.setProcessEnvironment(env);
    p.start(kProgram, {});
    ASSERT_TRUE(p.waitForStarted(10000));
}

// True when the process ignores `signal` (the SigIgn mask of its status: bit signal - 1).
bool ignores(qint64 pid, int signal)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    const auto m =
        QRegularExpression(QStringLiteral("SigIgn:\\s*([0-9a-f]+)")).match(QString::fromLatin1(status.readAll()));
    return m.hasMatch() && (m.captured(1).toULongLong(nullptr, 16) >> (signal - 1) & 1u);
}

} // namespace

TEST(Program, SecondInstanceEndsAtOnceSilentlyAndTheFirstRunsOn)
{
    QTemporaryDir runtime;
    const auto env = environmentWith(runtime.path());
    const QString lock = QDir(runtime.path()).filePath(QStringLiteral("RIDE.instance.lock"));

    QProcess first;
    start(first, env);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(lock), 15000);

    QProcess second;
    start(second, env);
    ASSERT_TRUE(second.waitForFinished(15000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(second.readAllStandardOutput().isEmpty());

    EXPECT_EQ(first.state(), QProcess::Running);

    // A crashed first instance leaves its lock behind; the next start must not be blocked by it.
    ::kill(static_cast<pid_t>(first.processId()), SIGKILL);
    ASSERT_TRUE(first.waitForFinished(10000));
    EXPECT_TRUE(QFile::exists(lock));

    QProcess third;
    start(third, env);
    EXPECT_FALSE(third.waitForFinished(1500)) << "the third start must keep running";
    EXPECT_EQ(third.state(), QProcess::Running);
    third.terminate();
    if (!third.waitForFinished(5000)) {
        third.kill();
        third.waitForFinished(5000);
    }
}

TEST(Program, IgnoresTheFileSizeSignalFromItsStartSoASavePastTheLimitCannotEndIt)
{
    QTemporaryDir runtime;
    QProcess p;
    // Started as a shell with `ulimit -f` leaves it: the signal at its default action.
    p.setChildProcessModifier([] { std::signal(SIGXFSZ, SIG_DFL); });
    start(p, environmentWith(runtime.path()));
    QTRY_VERIFY_WITH_TIMEOUT(ignores(p.processId(), SIGXFSZ), 15000);
    p.terminate();
    if (!p.waitForFinished(5000)) {
        p.kill();
        p.waitForFinished(5000);
    }
}

TEST(Program, StartWithoutADisplayFailsWithQtsMessageNotACrash)
{
    QTemporaryDir runtime;
    QProcessEnvironment env = environmentWith(runtime.path(), QStringLiteral("xcb"));
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    QProcess p;
    start(p, env);
    ASSERT_TRUE(p.waitForFinished(15000));
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit) << "no signal, no core dump";
    EXPECT_NE(p.exitCode(), 0);
    EXPECT_FALSE(p.readAllStandardError().isEmpty());
}

TEST(Program, ALockFileThatHoldsNoLiveInstanceDoesNotStopTheStart)
{
    const struct {
        const char* what;
        QByteArray contents;
    } cases[] = {
        {"empty", QByteArray()},
        {"random bytes", QByteArray("\xde\xad\x00\xbe\xef\n\n\x01", 8)},
        {"another host's process", QByteArray("1\nRIDE\nanother-host.example\n")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir runtime;
        QFile lock(QDir(runtime.path()).filePath(QStringLiteral("RIDE.instance.lock")));
        ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
        lock.write(c.contents);
        lock.close();
        QProcess p;
        start(p, environmentWith(runtime.path()));
        EXPECT_FALSE(p.waitForFinished(1500)) << "the start must come up";
        p.kill();
        p.waitForFinished(5000);
    }
}

TEST(Program, ALockThatCannotBeTakenIsExplainedNotSilent)
{
    QTemporaryDir runtime;
    const QString lock = QDir(runtime.path()).filePath(QStringLiteral("RIDE.instance.lock"));
    ASSERT_TRUE(QDir().mkpath(lock + QStringLiteral("/not-ours")));
    QProcess p;
    start(p, environmentWith(runtime.path()));
    // The reason goes to standard error; the message box then waits for the engineer.
    QString said;
    QTRY_VERIFY_WITH_TIMEOUT((said += QString::fromLocal8Bit(p.readAllStandardError())).contains(lock), 15000);
    EXPECT_EQ(p.state(), QProcess::Running) << "the message box waits to be read";
    p.kill();
    p.waitForFinished(5000);
    EXPECT_TRUE(QDir(lock + QStringLiteral("/not-ours")).exists());
}
