// The program's folder, its file name and its version numbers.
#include "platform/desktop/app_info.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace desktop {

QString appPath()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QFileInfo(QStringLiteral(".")).absoluteFilePath();
}

QString exeName()
{
    // Tests run in their own executables but stand for the program.
    return QStringLiteral("RIDE");
}

int versionMajor() { return RIDE_VERSION_MAJOR; }
int versionMinor() { return RIDE_VERSION_MINOR; }
int versionRevision() { return RIDE_VERSION_PATCH; }

} // namespace desktop
