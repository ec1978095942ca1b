// Runs Python scripts in a second DXF reader (ezdxf under the system Python) where one is installed.
#pragma once

#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <gtest/gtest.h>

namespace cadtest {

// True when /usr/bin/python3 can import ezdxf (Debian's modules load only in that interpreter).
inline bool secondReaderInstalled()
{
    static const bool installed = [] {
        if (!QFileInfo::exists(QStringLiteral("/usr/bin/python3")))
            return false;
        QProcess probe;
        probe.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), QStringLiteral("import ezdxf")});
        return probe.waitForFinished(30000) && probe.exitStatus() == QProcess::NormalExit && probe.exitCode() == 0;
    }();
    return installed;
}

// Prepended to every script: audit(path) prints one line per audit error ("AUDIT-ERROR"), per
// fix the reader had to make ("AUDIT-FIX") and per pointer (codes 330, 340, 350, 360) that names
// no object of the file ("AUDIT-POINTER"), and returns the document.
inline const char* kSecondReaderPrelude = R"(
import sys, ezdxf
def dangling(path):
    with open(path, "rb") as f:
        lines = [l.strip() for l in f.read().split(b"\n")]
    groups = list(zip(lines[0::2], lines[1::2]))
    handles = {v for c, v in groups if c in (b"5", b"105")}
    return [(c, v) for c, v in groups if c in (b"330", b"340", b"350", b"360") and v != b"0" and v not in handles]
def audit(path):
    doc = ezdxf.readfile(path)
    auditor = doc.audit()
    for e in auditor.errors:
        print("AUDIT-ERROR", e.code, e.message)
    for f in auditor.fixes:
        print("AUDIT-FIX", f.code, f.message)
    for c, v in dangling(path):
        print("AUDIT-POINTER", c.decode(), v.decode(errors="replace"))
    return doc
)";

// The names of a table's rows, handed to a script that makes or compares them.
template <std::size_t N>
QStringList rowNames(const char* const (&rows)[N])
{
    QStringList out;
    for (const char* row : rows)
        out << QLatin1String(row);
    return out;
}

// The standard output of the script run with the arguments; a failing script fails the test.
inline QString runSecondReader(const QString& script, const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral("/usr/bin/python3"),
            QStringList{QStringLiteral("-c"), QString::fromUtf8(kSecondReaderPrelude) + script} + args);
    const bool finished = p.waitForFinished(120000);
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    EXPECT_TRUE(finished && p.exitCode() == 0) << QString::fromUtf8(p.readAllStandardError()).toStdString();
    return out;
}

} // namespace cadtest
