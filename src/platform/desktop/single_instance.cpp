// The previous-instance flag, held by a lock that lives as long as the program.
#include "platform/desktop/single_instance.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace desktop {

SingleInstance::SingleInstance(const QString& key)
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    QDir().mkpath(dir);
    m_lock = std::make_unique<QLockFile>(QDir(dir).filePath(key + ".instance.lock"));
    // QLockFile records the owner's pid and removes a lock whose owner no longer runs.
    m_lock->setStaleLockTime(0);
    m_previous = !m_lock->tryLock(0);
}

SingleInstance::~SingleInstance() = default;

} // namespace desktop
