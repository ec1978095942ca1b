// Opening drawing files for reading, each refusal told apart by what the path is or the system error.
#include "platform/cad/dxf/dxf_file_open.h"

#include "platform/automation/automation_error.h"
#include "platform/cad/dxf/dxf_messages.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cad {

using automation::AutomationError;
namespace errors = automation::errors;

namespace {

[[noreturn]] void refuseNotRegular(mode_t mode, const QString& path)
{
    if (S_ISDIR(mode))
        throw AutomationError(errors::FileNotFound, dxfIsFolder(path));
    throw AutomationError(errors::FileNotFound, dxfNotRegularFile(path));
}

[[noreturn]] void refuseForError(int err, const QByteArray& name, const QString& path)
{
    struct stat link {};
    if (err == ENOENT && ::lstat(name.constData(), &link) == 0 && S_ISLNK(link.st_mode))
        throw AutomationError(errors::FileNotFound, dxfDanglingLink(path));
    if (err == ENOENT || err == ENOTDIR)
        throw AutomationError(errors::FileNotFound, dxfNoFile(path));
    throw AutomationError(errors::FileError, dxfCannotOpen(path, err));
}

} // namespace

void openDrawingFile(QFile& file, const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0)
        refuseForError(errno, name, path);
    if (!S_ISREG(info.st_mode))
        refuseNotRegular(info.st_mode, path);
    // Not blocking, and checked again once open: a path that has become a FIFO since must not
    // leave the program waiting for a writer.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        refuseForError(errno, name, path);
    if (::fstat(fd, &info) != 0) {
        const int err = errno;
        ::close(fd);
        throw AutomationError(errors::FileError, dxfCannotOpen(path, err));
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        refuseNotRegular(info.st_mode, path);
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags != -1)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        throw AutomationError(errors::FileError, dxfCannotOpen(path, 0));
    }
}

} // namespace cad
