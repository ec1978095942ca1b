// The bytes of a file as a test reads them back: empty where it cannot be read.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace testsupport {

inline QByteArray contentOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace testsupport
