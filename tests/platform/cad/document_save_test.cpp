// Saving drawings through the engine: a save that cannot be written whole fails with its cause,
// leaves the drawing unsaved and the old file as it was, and never ends the program.
#include "engine_fixture.h"
#include "support/file_content.h"
#include "support/file_size_limit.h"

#include "platform/cad/dxf/dxf_file.h"
#include "platform/cad/model/document_model.h"
#include "platform/desktop/process_signals.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace cad;
using testsupport::FileSizeLimit;
using testsupport::contentOf;

namespace {

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

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
    EXPECT_EQ(folder.entryList(QDir::Files), QStringList{QStringLiteral("plan.dxf")}); // no leftovers

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

} // namespace
