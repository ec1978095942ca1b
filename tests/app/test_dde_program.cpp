// The real program driven by another program, with gdbus on a bus of the test's own, as the README
// shows; and the program without any session bus.
#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString kProgram = QStringLiteral(RIDE_BIN_DIR "/RIDE");

// A session bus daemon for this test alone, so that no other program on the shared test bus holds
// the program's name.
class PrivateBus {
public:
    PrivateBus()
    {
        m_daemon.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--session"), QStringLiteral("--nofork"),
                                                         QStringLiteral("--print-address=1")});
        if (m_daemon.waitForStarted(10000) && QTest::qWaitFor([&] { return m_daemon.canReadLine(); }, 10000))
            m_address = QString::fromLocal8Bit(m_daemon.readLine()).trimmed();
    }
    ~PrivateBus()
    {
        m_daemon.terminate();
        m_daemon.waitForFinished(5000);
    }
    QString address() const { return m_address; }

private:
    QProcess m_daemon;
    QString m_address;
};

// gdbus call on the program's topic; the printed reply, or "" when the call failed.
QString gdbusCall(const QString& address, const QString& method, const QStringList& args)
{
    QProcess gdbus;
    gdbus.start(QStringLiteral("gdbus"), QStringList{QStringLiteral("call"), QStringLiteral("--address"), address,
                                                     QStringLiteral("--dest"), QStringLiteral("dde.RIDE"),
                                                     QStringLiteral("--object-path"), QStringLiteral("/Main"),
                                                     QStringLiteral("--method"), QStringLiteral("dde.Topic.") + method}
                                             + args);
    if (!gdbus.waitForFinished(30000) || gdbus.exitCode() != 0)
        return {};
    return QString::fromUtf8(gdbus.readAllStandardOutput()).trimmed();
}

QProcessEnvironment programEnvironment(const QString& runtimeDir)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return env;
}

} // namespace

TEST(DdeProgram, AnotherProgramShowsATipAndReadsItBack)
{
    PrivateBus bus;
    ASSERT_FALSE(bus.address().isEmpty());
    QTemporaryDir runtime;
    QProcessEnvironment env = programEnvironment(runtime.path());
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus.address());
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(kProgram, {});
    ASSERT_TRUE(program.waitForStarted(10000));

    const QString show = QString::fromUtf8("SHOW|请输入 a|b");
    EXPECT_TRUE(QTest::qWaitFor([&] { return gdbusCall(bus.address(), QStringLiteral("Execute"), {show}) == QLatin1String("()"); }, 15000));
    EXPECT_EQ(gdbusCall(bus.address(), QStringLiteral("Request"), {QStringLiteral("lblTips")}),
              QString::fromUtf8("('提示: 请输入 a|b!',)"));
    EXPECT_EQ(gdbusCall(bus.address(), QStringLiteral("Execute"), {QStringLiteral("EXECUTE|comClass|0|2")}), QStringLiteral("()"));
    EXPECT_EQ(gdbusCall(bus.address(), QStringLiteral("Request"), {QStringLiteral("comClass(0)")}),
              QString::fromUtf8("('第三类  Hr=60米',)"));
    EXPECT_EQ(program.state(), QProcess::Running);
    program.terminate();
    program.waitForFinished(10000);
}

TEST(DdeProgram, WithoutASessionBusTheProgramRunsSilently)
{
    QTemporaryDir runtime;
    QProcessEnvironment env = programEnvironment(runtime.path());
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QDir(runtime.path()).filePath(QStringLiteral("no-bus")).prepend(QStringLiteral("unix:path=")));
    env.remove(QStringLiteral("DISPLAY"));
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(kProgram, {});
    ASSERT_TRUE(program.waitForStarted(10000));
    EXPECT_FALSE(program.waitForFinished(2000)) << "the program must keep running";
    EXPECT_EQ(program.state(), QProcess::Running);
    EXPECT_TRUE(program.readAllStandardError().isEmpty());
    program.terminate();
    program.waitForFinished(10000);
}
