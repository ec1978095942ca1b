// Finding programs on the PATH and starting them detached, with an argument list.
#include "platform/desktop/program_launcher.h"

#include <QProcess>
#include <QStandardPaths>

namespace desktop {

QString findProgram(const QStringList& candidates)
{
    for (const QString& name : candidates) {
        const QString path = QStandardPaths::findExecutable(name);
        if (!path.isEmpty())
            return path;
    }
    return {};
}

bool startProgram(const QString& program, const QStringList& arguments)
{
    if (program.isEmpty())
        return false;
    return QProcess::startDetached(program, arguments);
}

} // namespace desktop
