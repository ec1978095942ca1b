// Saving drawings: a save that cannot be written whole fails with its cause and leaves the old file as it was.
#include "platform/cad/window/drawing_window_fixture.h"

#include "platform/cad/dxf/dxf_file.h"
#include "platform/cad/dxf/save_failure.h"
#include "platform/cad/model/document_model.h"
#include "platform/desktop/process_signals.h"

#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace cad;

namespace {

QByteArray contentOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// A drawing of about 12 KB: larger than the limits below, smaller than a write buffer.
void addRods(ModelSpace ms)
{
    for (int i = 0; i < 40; ++i)
        ms.AddLine({i * 1.25, 0, 0}, {i * 1.25, 100.5, 0});
}

// Files of this process may grow to `bytes` only while it lives (as under `ulimit -f`), and going
// beyond is a write error instead of a fatal signal.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = m_old;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

TEST_F(EngineTest, ASaveThatCannotBeWrittenWholeFailsAndKeepsTheOldFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plan.dxf"));
    const QByteArray old = "the engineer's earlier drawing\n";
    ASSERT_TRUE(writeFile(path, old));
    addRods(ms);
    {
        const FileSizeLimit limit(8 * 1024);
        EXPECT_AUTOMATION_ERROR(doc.SaveAs(path), errors::FileError);
        EXPECT_FALSE(doc.Saved());
        EXPECT_AUTOMATION_ERROR(writeDxfFile(path, *doc.model()), errors::FileError);
    }
    EXPECT_EQ(contentOf(path), old);
    QDir folder(dir.path());
    EXPECT_EQ(folder.entryList(QDir::Files), QStringList{QStringLiteral("plan.dxf")});   // no leftovers

    // Without the limit the same save goes through and reads back whole.
    doc.SaveAs(path);
    EXPECT_TRUE(doc.Saved());
    DocumentModel again(nullptr);
    readDxfFile(path, again);
    EXPECT_EQ(again.count(), 40u);
}

// The program as `ulimit -f` leaves it: SIGXFSZ at its default action, which ends the process at
// the first write past the limit. Only what the start-up does about it keeps the program alive.
TEST_F(EngineTest, PastTheFileSizeLimitTheStartedProgramRefusesTheSaveInsteadOfEnding)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plan.dxf"));
    const QByteArray old = "the engineer's earlier drawing\n";
    ASSERT_TRUE(writeFile(path, old));
    addRods(ms);
    const DocumentModel& model = *doc.model();
    // The child's exit status: 0 when the save was refused as too large, 1 with another cause.
    auto saveInChild = [&](bool startedUp) {
        const pid_t pid = fork();
        if (pid == 0) {
            std::signal(SIGXFSZ, SIG_DFL);
            rlimit limit{};
            getrlimit(RLIMIT_FSIZE, &limit);
            limit.rlim_cur = 8 * 1024;
            setrlimit(RLIMIT_FSIZE, &limit);
            if (startedUp)
                desktop::ignoreFileSizeSignal();
            int code = 2;
            try {
                writeDxfFile(path, model);
            } catch (const automation::AutomationError& e) {
                code = e.description() == QStringLiteral("文件超出大小限制") ? 0 : 1;
            }
            _exit(code);
        }
        int status = 0;
        waitpid(pid, &status, 0);
        return status;
    };
    const int bare = saveInChild(false);
    EXPECT_TRUE(WIFSIGNALED(bare) && WTERMSIG(bare) == SIGXFSZ) << "without the start-up the signal ends the process";
    EXPECT_EQ(contentOf(path), old);
    const int started = saveInChild(true);
    ASSERT_TRUE(WIFEXITED(started)) << "ended by signal " << WTERMSIG(started);
    EXPECT_EQ(WEXITSTATUS(started), 0) << "the save is refused as too large";
    EXPECT_EQ(contentOf(path), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("plan.dxf")});
}

TEST(SaveFailure, EveryCauseIsNamedNeverUnknown)
{
    const QString folder = QDir::tempPath();
    const std::vector<std::pair<int, QString>> cases = {
        {ENOSPC, QStringLiteral("磁盘已满")},
        {EDQUOT, QStringLiteral("磁盘已满")},
        {EFBIG, QStringLiteral("文件超出大小限制")},
        {EACCES, QStringLiteral("没有写入权限")},
        {EPERM, QStringLiteral("没有写入权限")},
        {EROFS, QStringLiteral("没有写入权限")},
        {EIO, QStringLiteral("写入出错（错误号 %1）").arg(EIO)},
        {0, QStringLiteral("文件未能完整写入")}, // a short write, with room and permission
    };
    for (const auto& [err, cause] : cases)
        EXPECT_EQ(saveFailureCause(err, 100, folder), cause) << err;
    // A short write without an error, of more than the file-size limit lets through.
    const FileSizeLimit limit(8 * 1024);
    EXPECT_EQ(saveFailureCause(0, 100 * 1024, folder), QStringLiteral("文件超出大小限制"));
}

TEST_F(DrawingWindowTest, AFailedSaveAsTellsItsCauseOnTheCommandLine)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plan.dxf"));
    addRods(doc.ModelSpace());
    fileAnswer = path;
    {
        const FileSizeLimit limit(8 * 1024);
        EXPECT_FALSE(window->saveDrawingAs(doc.model()));
    }
    const QString told = window->commandLine()->history();
    EXPECT_TRUE(told.contains(QStringLiteral("无法保存图形 %1: 文件超出大小限制").arg(QDir::toNativeSeparators(path))))
        << told.toStdString();
    EXPECT_FALSE(told.contains(QStringLiteral("Unknown error")));
    EXPECT_FALSE(doc.Saved());
}

} // namespace
