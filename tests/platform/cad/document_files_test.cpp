// Drawing files through the engine: opening makes the active document under the file's name, templates
// give drawings without a file, and a file that cannot be read leaves the engine as it was.
#include "engine_fixture.h"

#include "platform/cad/model/document_model.h"

#include <QFile>
#include <QTemporaryDir>

using namespace cad;

namespace {

const QString kSitePlan = QStringLiteral(RIDE_TEST_DATA_DIR "/cad/site_plan.dxf");

TEST_F(EngineTest, AnOpenedDrawingIsActiveAndNamedAfterItsFile)
{
    Document plan = app.Documents().Open(kSitePlan);
    EXPECT_EQ(app.ActiveDocument(), plan);
    EXPECT_EQ(plan.Name(), QStringLiteral("site_plan.dxf"));
    // Entities of the file get handles of this drawing and are found by them.
    QString text;
    std::uint64_t handle = 0;
    plan.model()->forEach([&](const EntityData& e) {
        if (e.kind == EntityKind::Text) {
            text = e.text;
            handle = e.handle;
        }
    });
    ASSERT_NE(handle, 0u);
    EXPECT_EQ(plan.HandleToObject(handleText(handle)).TextString(), text);

    QTemporaryDir dir;
    plan.ModelSpace().AddLine({0, 0, 0}, {1, 1, 0});
    plan.SaveAs(dir.filePath(QStringLiteral("总平面.dxf")));
    EXPECT_TRUE(plan.Saved());
    EXPECT_EQ(plan.Name(), QStringLiteral("总平面.dxf"));
}

TEST_F(EngineTest, DrawingsAreRecognisedByContentWhateverTheirName)
{
    QTemporaryDir dir;
    for (const QString& name : {QStringLiteral("RIDE.dwt"), QStringLiteral("软件名称代号图文对照.dwg")}) {
        const QString path = dir.filePath(name);
        ASSERT_TRUE(QFile::copy(kSitePlan, path));
        Document d = name.endsWith(QLatin1String("dwt")) ? app.Documents().Add(path) : app.Documents().Open(path);
        EXPECT_EQ(d.ModelSpace().Count(), 11) << name.toStdString();
    }
    // A drawing made from a template has no file of its own.
    EXPECT_TRUE(app.Documents().Item(1).FullName().isEmpty());
    EXPECT_AUTOMATION_ERROR(app.Documents().Item(1).Save(), errors::FileError);
}

TEST_F(EngineTest, BadFilesFailAndLeaveTheEngineAsItWas)
{
    QTemporaryDir dir;
    const QByteArray site = [] {
        QFile f(kSitePlan);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    const std::vector<std::pair<const char*, QByteArray>> files = {
        {"empty", QByteArray()},
        {"plain text", "hello, world\n"},
        {"cut short", site.left(site.size() / 2)},
        {"a code that is no number", "0\nSECTION\n2\nENTITIES\nxx\nLINE\n0\nENDSEC\n0\nEOF\n"},
        {"a coordinate that is no number", "0\nSECTION\n2\nENTITIES\n0\nLINE\n10\nabc\n0\nENDSEC\n0\nEOF\n"},
        {"a section left open", "0\nSECTION\n2\nENTITIES\n0\nLINE\n10\n1\n0\nEOF\n"},
        {"a value missing at the end", "0\nSECTION\n2\nENTITIES\n0\n"},
        {"binary DXF", QByteArray("AutoCAD Binary DXF\r\n\x1a\0", 22)},
        {"a real DWG", "AC1015\0\0\0\0\0\0"},
    };
    for (const auto& [what, bytes] : files) {
        const QString path = dir.filePath(QString::fromLatin1(what) + QStringLiteral(".dxf"));
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        EXPECT_AUTOMATION_ERROR(app.Documents().Open(path), errors::FileError);
        EXPECT_AUTOMATION_ERROR(app.Documents().Add(path), errors::FileError);
    }
    EXPECT_AUTOMATION_ERROR(app.Documents().Open(dir.filePath(QStringLiteral("missing.dwg"))), errors::FileNotFound);
    EXPECT_AUTOMATION_ERROR(app.Documents().Add(dir.path()), errors::FileNotFound);
    EXPECT_EQ(app.Documents().Count(), 1);
    EXPECT_EQ(app.ActiveDocument(), doc);
    // A save that cannot be written fails and leaves the drawing unsaved under its old name.
    ms.AddLine({0, 0, 0}, {1, 1, 0});
    EXPECT_AUTOMATION_ERROR(doc.SaveAs(dir.filePath(QStringLiteral("no/such/folder/x.dxf"))), errors::FileError);
    EXPECT_FALSE(doc.Saved());
}

} // namespace
