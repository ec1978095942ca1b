// The previous-instance flag, held by a kernel lock on a file that lives as long as the program holds it.
#include "platform/desktop/single_instance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QSysInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace desktop {

namespace {

QString systemError(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

QString runtimeFolder()
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return dir.isEmpty() ? QDir::tempPath() : dir;
}

} // namespace

SingleInstance::SingleInstance(const QString& key) : SingleInstance(key, runtimeFolder()) {}

SingleInstance::SingleInstance(const QString& key, const QString& folder)
{
    m_path = QDir(folder).filePath(key + QStringLiteral(".instance.lock"));
    if (!QDir().mkpath(folder)) {
        fail(QStringLiteral("无法建立实例锁的文件夹 %1。").arg(QDir::toNativeSeparators(folder)));
        return;
    }
    acquire();
}

SingleInstance::~SingleInstance() { release(); }

void SingleInstance::fail(const QString& why)
{
    m_state = State::Unusable;
    m_problem = why;
}

void SingleInstance::acquire()
{
    const QByteArray path = QFile::encodeName(m_path);
    const QString shown = QDir::toNativeSeparators(m_path);
    // A few rounds: a folder removed, or a file replaced by an instance that was just ending.
    for (int round = 0; round < 5; ++round) {
        const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
        if (fd < 0) {
            const int error = errno;
            if (error == EINTR)
                continue;
            if (error == EISDIR) {
                // An empty folder holds no instance; one with contents is not ours to delete.
                if (::rmdir(path.constData()) == 0)
                    continue;
                fail(QStringLiteral("实例锁 %1 的位置上有一个文件夹，无法删除（%2）。请删除这个文件夹。")
                         .arg(shown, systemError(errno)));
                return;
            }
            fail(QStringLiteral("无法打开实例锁 %1（%2）。").arg(shown, systemError(error)));
            return;
        }
        int locked;
        do {
            locked = ::flock(fd, LOCK_EX | LOCK_NB);
        } while (locked != 0 && errno == EINTR);
        if (locked != 0) {
            const int error = errno;
            ::close(fd);
            if (error == EWOULDBLOCK) {
                m_state = State::HeldByLive;
                return;
            }
            fail(QStringLiteral("无法锁定实例锁 %1（%2）。").arg(shown, systemError(error)));
            return;
        }
        // An ending instance removes its file while it still holds it: the lock taken may be on a
        // file that is gone from the folder, and then it guards nothing.
        struct stat held {}, named {};
        if (::fstat(fd, &held) != 0 || ::stat(path.constData(), &named) != 0 || held.st_dev != named.st_dev
            || held.st_ino != named.st_ino) {
            ::close(fd);
            continue;
        }
        // Who holds it, for a person who looks; the lock itself is the kernel's.
        const QByteArray info = QByteArray::number(QCoreApplication::applicationPid()) + '\n'
            + QCoreApplication::applicationName().toUtf8() + '\n' + QSysInfo::machineHostName().toUtf8() + '\n';
        if (::ftruncate(fd, 0) == 0) {
            [[maybe_unused]] const ssize_t written = ::pwrite(fd, info.constData(), info.size(), 0);
        }
        m_fd = fd;
        m_state = State::Acquired;
        return;
    }
    fail(QStringLiteral("无法取得实例锁 %1：它一再被其他进程替换。").arg(shown));
}

void SingleInstance::release()
{
    if (m_fd < 0)
        return;
    // Removed while still held, so that a start waiting for it never takes a file about to vanish.
    ::unlink(QFile::encodeName(m_path).constData());
    ::close(m_fd);
    m_fd = -1;
}

} // namespace desktop
