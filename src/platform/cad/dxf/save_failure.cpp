// The causes of failed saves, told apart by their system error.
#include "platform/cad/dxf/save_failure.h"

#include <QFile>
#include <cerrno>
#include <sys/resource.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace cad {

namespace {

// What a short write without an error most likely ran into.
int likelyError(qint64 bytes, const QString& folder)
{
    rlimit limit{};
    if (getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY
        && static_cast<rlim_t>(bytes) > limit.rlim_cur)
        return EFBIG;
    const QByteArray path = QFile::encodeName(folder);
    struct statvfs space {};
    if (statvfs(path.constData(), &space) == 0
        && static_cast<unsigned long long>(space.f_bavail) * space.f_frsize < static_cast<unsigned long long>(bytes))
        return ENOSPC;
    if (access(path.constData(), W_OK) != 0)
        return EACCES;
    return 0;
}

} // namespace

QString saveFailureCause(int err, qint64 bytes, const QString& folder)
{
    if (err == 0)
        err = likelyError(bytes, folder);
    switch (err) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("磁盘已满");
    case EFBIG:
        return QStringLiteral("文件超出大小限制");
    case EACCES:
    case EPERM:
    case EROFS:
        return QStringLiteral("没有写入权限");
    case 0:
        return QStringLiteral("文件未能完整写入");
    default:
        return QStringLiteral("写入出错（错误号 %1）").arg(err);
    }
}

} // namespace cad
