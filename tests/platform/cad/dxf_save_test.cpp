// Saving drawings: a save that cannot be written whole fails and leaves the old file as it was.
#include "engine_fixture.h"

#include "platform/cad/document_model.h"
#include "platform/cad/dxf_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <sys/resource.h>

using namespace cad;

namespace {

QByteArray contentOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
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
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(old);
    }
    // A drawing of about 12 KB: larger than the limit, smaller than a write buffer.
    for (int i = 0; i < 40; ++i)
        ms.AddLine({i * 1.25, 0, 0}, {i * 1.25, 100.5, 0});
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

} // namespace
