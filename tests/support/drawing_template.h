// The drawing template beside the test executable, where the connection looks for it.
#pragma once

#include "platform/desktop/app_info.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace testsupport {

// Puts the template in place as the program ships it, without a window in which another test
// process could miss it.
inline void ensureTemplate()
{
    const QString target = QDir(desktop::appPath()).filePath(QStringLiteral("RIDE.dwt"));
    if (QFile::exists(target))
        return;
    const QString temp = target + QStringLiteral(".%1").arg(QCoreApplication::applicationPid());
    QFile::copy(QStringLiteral(RIDE_TEST_DATA_DIR "/drawing/RIDE.dwt"), temp);
    if (!QFile::rename(temp, target))
        QFile::remove(temp);
}

} // namespace testsupport
