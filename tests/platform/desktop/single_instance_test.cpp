// The instance lock: a live holder is respected, anything else in its place is taken over or explained.
#include "platform/desktop/single_instance.h"

#include <QDir>
#include <QFile>
#include <QCoreApplication>
#include <QFileInfo>
#include <QSysInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using desktop::SingleInstance;
using State = SingleInstance::State;

namespace {

const QString kKey = QStringLiteral("RIDE");

QString lockIn(const QTemporaryDir& dir) { return dir.filePath(QStringLiteral("RIDE.instance.lock")); }

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

} // namespace

TEST(SingleInstance, ALiveHolderMakesThePreviousInstanceAndItsReleaseFreesTheLock)
{
    QTemporaryDir dir;
    SingleInstance first(kKey, dir.path());
    ASSERT_EQ(first.state(), State::Acquired) << first.problem().toStdString();
    EXPECT_FALSE(first.PrevInstance());
    EXPECT_TRUE(QFile::exists(lockIn(dir)));
    {
        SingleInstance second(kKey, dir.path());
        EXPECT_EQ(second.state(), State::HeldByLive);
        EXPECT_TRUE(second.PrevInstance());
        EXPECT_TRUE(second.problem().isEmpty());
    }
    // A holder whose file was scribbled over is still alive: the kernel lock decides, not the contents.
    writeFile(lockIn(dir), "garbage");
    EXPECT_TRUE(SingleInstance(kKey, dir.path()).PrevInstance());

    first.release();
    EXPECT_FALSE(QFile::exists(lockIn(dir)));
    SingleInstance third(kKey, dir.path());
    EXPECT_EQ(third.state(), State::Acquired);
}

TEST(SingleInstance, ALockThatHoldsNoLiveInstanceIsTakenOver)
{
    const struct {
        const char* what;
        QByteArray contents;
    } cases[] = {
        {"empty", QByteArray()},
        {"random bytes", QByteArray("\x8f\x00\xff\x13\x37\xa5\x5a\x00\x01", 9)},
        {"another host's process", QByteArray("4242\nRIDE\nsome-other-host\n")},
        {"a process that has ended", QByteArray("999999999\nRIDE\n") + QSysInfo::machineHostName().toUtf8() + "\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        writeFile(lockIn(dir), c.contents);
        SingleInstance instance(kKey, dir.path());
        EXPECT_EQ(instance.state(), State::Acquired) << instance.problem().toStdString();
        // The file now names this process.
        QFile f(lockIn(dir));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readLine().trimmed(), QByteArray::number(QCoreApplication::applicationPid()));
    }
}

TEST(SingleInstance, AFolderInItsPlaceIsRemovedWhenEmptyAndExplainedOtherwise)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir().mkdir(lockIn(dir)));
    {
        SingleInstance instance(kKey, dir.path());
        EXPECT_EQ(instance.state(), State::Acquired) << instance.problem().toStdString();
        EXPECT_TRUE(QFileInfo(lockIn(dir)).isFile());
    }

    ASSERT_TRUE(QDir().mkdir(lockIn(dir)));
    writeFile(lockIn(dir) + QStringLiteral("/kept.txt"), "someone's file");
    SingleInstance blocked(kKey, dir.path());
    EXPECT_EQ(blocked.state(), State::Unusable);
    EXPECT_FALSE(blocked.PrevInstance());
    EXPECT_TRUE(blocked.problem().contains(lockIn(dir))) << blocked.problem().toStdString();
    EXPECT_TRUE(QFile::exists(lockIn(dir) + QStringLiteral("/kept.txt"))) << "nothing of it is deleted";

    // A runtime folder that cannot be made (a file stands where it should be).
    const QString notAFolder = dir.filePath(QStringLiteral("plain"));
    writeFile(notAFolder, "x");
    SingleInstance nowhere(kKey, notAFolder + QStringLiteral("/run"));
    EXPECT_EQ(nowhere.state(), State::Unusable);
    EXPECT_FALSE(nowhere.problem().isEmpty());
}
