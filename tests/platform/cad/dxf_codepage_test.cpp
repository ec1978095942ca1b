// Chinese names in DXF files: read by the declared code page, written the same way wherever they stand.
#include "drawing_window_fixture.h"
#include "second_reader.h"

#include "platform/cad/dxf_file.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>

using namespace cad;

namespace {

const QString kGbkNames = QStringLiteral(RIDE_TEST_DATA_DIR "/cad/gbk_names.dxf");

// All but the last are GBK byte pairs that are valid UTF-8 as well (围墙 would read as "Χǽ").
const QStringList kNames = {QStringLiteral("围墙"), QStringLiteral("路"), QStringLiteral("平台"),
                            QStringLiteral("煤"), QStringLiteral("木"), QStringLiteral("陆"),
                            QStringLiteral("卢"), QStringLiteral("毛"), QStringLiteral("道路中心线"),
                            QStringLiteral("办公楼")};

// The texts of a drawing and the layers they stand on, in drawing order.
std::pair<QStringList, QStringList> textsAndLayers(const DocumentModel& model)
{
    QStringList texts, layers;
    model.forEach([&](const EntityData& e) {
        texts << e.text;
        layers << e.layer;
    });
    return {texts, layers};
}

bool hasLayer(const DocumentModel& model, const QString& name)
{
    const auto& layers = model.tables().layers;
    return std::any_of(layers.begin(), layers.end(), [&](const LayerData& l) { return l.name == name; });
}

TEST_F(DrawingWindowTest, GbkNamesThatLookLikeUtf8SurviveOpenAndSave)
{
    fileAnswer = kGbkNames;
    ASSERT_TRUE(window->openDrawing());
    Document plan = app.ActiveDocument();
    EXPECT_EQ(textsAndLayers(*plan.model()), std::make_pair(kNames, kNames));
    for (const QString& name : kNames)
        EXPECT_TRUE(hasLayer(*plan.model(), name)) << name.toStdString();

    QTemporaryDir dir;
    const QString saved = dir.filePath(QStringLiteral("总平面.dxf"));
    fileAnswer = saved;
    ASSERT_TRUE(window->saveDrawingAs(plan.model()));
    DocumentModel again(nullptr);
    readDxfFile(saved, again);
    EXPECT_EQ(textsAndLayers(again), std::make_pair(kNames, kNames));
    for (const QString& name : kNames)
        EXPECT_TRUE(hasLayer(again, name)) << name.toStdString();

    if (!cadtest::secondReaderInstalled())
        GTEST_SKIP() << "python3-ezdxf is not installed: the second reader's check is left out";
    const QString out = cadtest::runSecondReader(QStringLiteral(R"(
doc = audit(sys.argv[1])
print("TEXTS", "|".join(t.dxf.text for t in doc.modelspace().query("TEXT")))
print("ON", "|".join(t.dxf.layer for t in doc.modelspace().query("TEXT")))
print("LAYERS", all(doc.layers.has_entry(t.dxf.layer) for t in doc.modelspace().query("TEXT")))
)"), {saved});
    EXPECT_FALSE(out.contains(QStringLiteral("AUDIT"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("TEXTS ") + kNames.join(QLatin1Char('|')))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("ON ") + kNames.join(QLatin1Char('|')))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("LAYERS True"))) << out.toStdString();
}

TEST(DxfCodePage, DeclaredCodePagesWinOverUtf8LookAlikes)
{
    // 围墙 in GBK is CE A7 C7 BD, valid UTF-8 for "Χǽ".
    const QByteArray gbk = "\xce\xa7\xc7\xbd";
    const QByteArray utf8 = QStringLiteral("围墙").toUtf8();
    struct Case {
        const char* header;   // version and code page declared
        QByteArray bytes;
        QString expected;
    };
    const std::vector<Case> cases = {
        {"9\n$ACADVER\n1\nAC1015\n9\n$DWGCODEPAGE\n3\nANSI_936\n", gbk, QStringLiteral("围墙")},
        {"9\n$ACADVER\n1\nAC1015\n9\n$DWGCODEPAGE\n3\nANSI_1252\n", gbk, QStringLiteral("Î§Ç½")},
        {"9\n$ACADVER\n1\nAC1032\n9\n$DWGCODEPAGE\n3\nANSI_936\n", utf8, QStringLiteral("围墙")},   // 2007+: UTF-8
        {"9\n$ACADVER\n1\nAC1015\n9\n$DWGCODEPAGE\n3\nUTF8\n", utf8, QStringLiteral("围墙")},
        {"9\n$ACADVER\n1\nAC1015\n", utf8, QStringLiteral("围墙")},   // nothing declared: UTF-8 when it is
        {"9\n$ACADVER\n1\nAC1015\n", "\xb0\xec", QStringLiteral("°ì")},   // else the Western default
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.header);
        const QByteArray dxf = QByteArray("0\nSECTION\n2\nHEADER\n") + c.header + "0\nENDSEC\n0\nSECTION\n2\nENTITIES\n"
            "0\nTEXT\n8\n" + c.bytes + "\n10\n0\n20\n0\n40\n1\n1\n" + c.bytes + "\n0\nENDSEC\n0\nEOF\n";
        DocumentModel model(nullptr);
        readDxf(dxf, model);
        EXPECT_EQ(textsAndLayers(model), std::make_pair(QStringList{c.expected}, QStringList{c.expected}));
    }
}

TEST(DxfCodePage, ACharacterOutsideGbkLeavesTheOtherNamesAlone)
{
    // The layer table names 围墙 before 面积m²; the entities after it must name 围墙 the same way.
    DocumentModel model(nullptr);
    model.setDefaultTables();
    model.tables().layers.push_back({QStringLiteral("围墙"), 3, QStringLiteral("CONTINUOUS"), 0, -3});
    model.tables().layers.push_back({QStringLiteral("面积m²"), 4, QStringLiteral("CONTINUOUS"), 0, -3});
    const QStringList texts = {QStringLiteral("面积 120m² ³ €5 ©"), QStringLiteral("围墙"), QStringLiteral("办公楼")};
    for (const QString& t : texts) {
        EntityData e;
        e.kind = EntityKind::Text;
        e.height = 1;
        e.text = t;
        e.layer = t == texts[0] ? QStringLiteral("面积m²") : QStringLiteral("围墙");
        model.add(e);
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("area.dxf"));
    writeDxfFile(path, model);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QStringEncoder gbk("GBK");
    const QByteArray wall = gbk.encode(QStringLiteral("围墙"));
    EXPECT_EQ(bytes.count("\n" + wall + "\n"), 4);   // table, two layers of texts, one text
    EXPECT_FALSE(bytes.contains("\\U+56F4"));
    EXPECT_TRUE(bytes.contains("\\U+00B2"));

    DocumentModel again(nullptr);
    readDxfFile(path, again);
    EXPECT_EQ(textsAndLayers(again).first, texts);
    EXPECT_TRUE(hasLayer(again, QStringLiteral("面积m²")));
}

} // namespace
