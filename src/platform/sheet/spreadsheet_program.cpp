// Finding and starting the desktop's spreadsheet program for .xls workbooks.
#include "platform/sheet/spreadsheet_program.h"

#include "platform/desktop/program_launcher.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTextStream>

namespace sheet {

namespace {

ProgramFinder& customFinder()
{
    static ProgramFinder finder;
    return finder;
}

// The desktop file of the default application for .xls, as xdg-mime reports it.
QString defaultDesktopFile()
{
    const QString xdgMime = desktop::findProgram({QStringLiteral("xdg-mime")});
    if (xdgMime.isEmpty())
        return {};
    QProcess process;
    process.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("application/vnd.ms-excel")});
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(1000);
        return {};
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return {};
    const QString name = QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    if (name.isEmpty() || name.contains(QLatin1Char('/')))
        return {};
    return QStandardPaths::locate(QStandardPaths::ApplicationsLocation, name);
}

std::optional<SpreadsheetProgram> desktopProgram()
{
    const QString desktopFile = defaultDesktopFile();
    if (!desktopFile.isEmpty()) {
        if (auto program = programOfDesktopFile(desktopFile))
            return program;
    }
    const struct {
        const char* name;
        QStringList arguments;
    } known[] = {
        {"localc", {}},
        {"libreoffice", {QStringLiteral("--calc")}},
        {"soffice", {QStringLiteral("--calc")}},
        {"gnumeric", {}},
    };
    for (const auto& k : known) {
        const QString path = desktop::findProgram({QString::fromLatin1(k.name)});
        if (!path.isEmpty())
            return SpreadsheetProgram{path, k.arguments};
    }
    return std::nullopt;
}

} // namespace

QStringList splitDesktopExec(const QString& exec)
{
    QStringList arguments;
    QString current;
    bool inArgument = false;
    bool quoted = false;
    for (int i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (quoted) {
            if (c == QLatin1Char('\\') && i + 1 < exec.size()) {
                current += exec[++i];
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else {
                current += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
            inArgument = true;
        } else if (c == QLatin1Char(' ') || c == QLatin1Char('\t')) {
            if (inArgument)
                arguments << current;
            current.clear();
            inArgument = false;
        } else if (c == QLatin1Char('%') && i + 1 < exec.size()) {
            const QChar code = exec[++i];
            if (code == QLatin1Char('%')) {
                current += code;
                inArgument = true;
            }
            // Field codes stand for files, URLs, icons and names; the workbook's path is added apart.
        } else {
            current += c;
            inArgument = true;
        }
    }
    if (inArgument)
        arguments << current;
    return arguments;
}

std::optional<SpreadsheetProgram> programOfDesktopFile(const QString& desktopFilePath)
{
    QFile file(desktopFilePath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return std::nullopt;
    QTextStream in(&file);
    bool inEntry = false;
    QString exec;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inEntry = line == QLatin1String("[Desktop Entry]");
        } else if (inEntry && line.startsWith(QLatin1String("Exec="))) {
            exec = line.mid(5);
            break;
        }
    }
    QStringList arguments = splitDesktopExec(exec);
    if (arguments.isEmpty())
        return std::nullopt;
    QString program = arguments.takeFirst();
    if (!QFileInfo(program).isAbsolute())
        program = desktop::findProgram({program});
    if (program.isEmpty() || !QFileInfo(program).isExecutable())
        return std::nullopt;
    return SpreadsheetProgram{program, arguments};
}

std::optional<SpreadsheetProgram> findSpreadsheetProgram()
{
    if (customFinder())
        return customFinder()();
    return desktopProgram();
}

bool showInSpreadsheetProgram(const QString& file)
{
    const std::optional<SpreadsheetProgram> program = findSpreadsheetProgram();
    if (!program)
        return false;
    return desktop::startProgram(program->program, program->arguments + QStringList{file});
}

ProgramFinder setProgramFinder(ProgramFinder finder)
{
    ProgramFinder previous = std::move(customFinder());
    customFinder() = std::move(finder);
    return previous;
}

} // namespace sheet
