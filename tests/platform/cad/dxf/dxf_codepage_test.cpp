// Chinese names in DXF files: read by the declared code page, written the same way wherever they stand.
#include "second_reader.h"
#include "support/file_content.h"

#include "platform/automation/automation_error.h"
#include "platform/cad/dxf/dxf_file.h"
#include "platform/cad/model/document_model.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace cad;
using testsupport::contentOf;
namespace errors = automation::errors;

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

TEST(DxfCodePage, GbkNamesThatLookLikeUtf8SurviveOpenAndSave)
{
    DocumentModel plan(nullptr);
    readDxfFile(kGbkNames, plan);
    EXPECT_EQ(textsAndLayers(plan), std::make_pair(kNames, kNames));
    for (const QString& name : kNames)
        EXPECT_TRUE(hasLayer(plan, name)) << name.toStdString();

    QTemporaryDir dir;
    const QString saved = dir.filePath(QStringLiteral("总平面.dxf"));
    writeDxfFile(saved, plan);
    {
        // A plan GBK holds is written as before: R2000 in GBK.
        const QByteArray bytes = contentOf(saved);
        EXPECT_TRUE(bytes.contains("$ACADVER\n  1\nAC1015\n"));
        EXPECT_TRUE(bytes.contains("\n" + QStringEncoder("GBK").encode(QStringLiteral("办公楼")) + "\n"));
    }
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

TEST(DxfCodePage, ACharacterOutsideGbkMakesTheWholeFileUtf8)
{
    // The layer table names 围墙 before 面积m²; the entities after it must name 围墙 the same way,
    // and ² must not become an escape that other readers take for part of the name.
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
    const QByteArray bytes = contentOf(path);
    EXPECT_TRUE(bytes.contains("$ACADVER\n  1\nAC1021\n"));
    EXPECT_EQ(bytes.count("\n" + QStringLiteral("围墙").toUtf8() + "\n"), 4); // table, two layers of texts, one text
    EXPECT_TRUE(bytes.contains("\n" + QStringLiteral("面积m²").toUtf8() + "\n"));
    EXPECT_FALSE(bytes.contains("\\U+"));

    DocumentModel again(nullptr);
    readDxfFile(path, again);
    EXPECT_EQ(textsAndLayers(again).first, texts);
    EXPECT_TRUE(hasLayer(again, QStringLiteral("面积m²")));
}

// What the second reader says of a saved plan: its audit, its layers with their colours, the
// layers of its entities, its blocks and its texts, one line each.
const char* kDescribePlan = R"(
doc = audit(sys.argv[1])
msp = doc.modelspace()
print("LAYERS", len(doc.layers))
for l in doc.layers:
    print("LAYER", l.dxf.name, l.dxf.color)
print("ON", "|".join(e.dxf.layer for e in msp))
print("BLOCKS", "|".join(b.name for b in doc.blocks if not b.name.startswith("*")))
print("TEXTS", "|".join(t.dxf.text for t in doc.query("TEXT")))
)";

// Reads `plan` and writes it as `saved`, as opening and saving it does; the saved path.
QString openAndSaveAs(const QString& plan, const QString& saved)
{
    DocumentModel model(nullptr);
    readDxfFile(plan, model);
    writeDxfFile(saved, model);
    return saved;
}

TEST(DxfCodePage, LongKoreanLayerNamesAreWrittenWholeAndStayApart)
{
    const QString first = QString(300, QChar(0xC804)) + QChar(0xAC00),
                  second = QString(300, QChar(0xC804)) + QChar(0xB098);
    QTemporaryDir dir;
    const QString saved = openAndSaveAs(QStringLiteral(RIDE_TEST_DATA_DIR "/cad/long_korean_layers.dxf"),
                                        dir.filePath(QStringLiteral("saved.dxf")));
    ASSERT_FALSE(saved.isEmpty());

    DocumentModel again(nullptr);
    readDxfFile(saved, again);
    EXPECT_EQ(again.tables().layers.size(), 4u); // 0, Defpoints and the two
    for (const auto& [name, color] : {std::pair{first, 1}, std::pair{second, 2}}) {
        const auto& layers = again.tables().layers;
        const auto l = std::find_if(layers.begin(), layers.end(), [&name = name](const LayerData& x) { return x.name == name; });
        ASSERT_NE(l, layers.end());
        EXPECT_EQ(l->color, color);
    }
    EXPECT_EQ(textsAndLayers(again).second, (QStringList{first, second}));

    if (!cadtest::secondReaderInstalled())
        GTEST_SKIP() << "python3-ezdxf is not installed: the second reader's check is left out";
    const QString out = cadtest::runSecondReader(QString::fromLatin1(kDescribePlan), {saved});
    EXPECT_FALSE(out.contains(QStringLiteral("AUDIT"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("LAYERS 4\n"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("LAYER %1 1\n").arg(first)));
    EXPECT_TRUE(out.contains(QStringLiteral("LAYER %1 2\n").arg(second)));
    EXPECT_TRUE(out.contains(QStringLiteral("ON %1|%2\n").arg(first, second)));
}

TEST(DxfCodePage, NamesBeyondGbkReadTheSameInEveryReader)
{
    const QStringList layers = {QStringLiteral("전기실"), QStringLiteral("Straße"), QStringLiteral("Ø100管"),
                                QStringLiteral("😀layer")};
    QStringList texts;
    for (const QString& l : layers)
        texts << l + QStringLiteral(" 配电");
    QTemporaryDir dir;
    const QString saved = openAndSaveAs(QStringLiteral(RIDE_TEST_DATA_DIR "/cad/names_beyond_gbk.dxf"),
                                        dir.filePath(QStringLiteral("saved.dxf")));
    ASSERT_FALSE(saved.isEmpty());

    DocumentModel again(nullptr);
    readDxfFile(saved, again);
    for (const QString& l : layers)
        EXPECT_TRUE(hasLayer(again, l)) << l.toStdString();
    EXPECT_EQ(textsAndLayers(again).first, texts + QStringList{QString()}); // and the block's insert
    ASSERT_EQ(again.tables().blocks.size(), 1u);
    EXPECT_EQ(again.tables().blocks[0].name, QStringLiteral("Ø块"));

    if (!cadtest::secondReaderInstalled())
        GTEST_SKIP() << "python3-ezdxf is not installed: the second reader's check is left out";
    const QString out = cadtest::runSecondReader(QString::fromLatin1(kDescribePlan), {saved});
    EXPECT_FALSE(out.contains(QStringLiteral("AUDIT"))) << out.toStdString();
    for (const QString& l : layers)
        EXPECT_TRUE(out.contains(QStringLiteral("\nLAYER %1 ").arg(l))) << l.toStdString() << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("ON %1|전기실\n").arg(layers.join(QLatin1Char('|'))))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("BLOCKS Ø块\n"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("Ø块"))) << out.toStdString();
    for (const QString& t : texts)
        EXPECT_TRUE(out.contains(t)) << t.toStdString();
}

TEST(DxfCodePage, ALongMultiLineTextIsCutBetweenCharactersForEveryReader)
{
    // Each file holds one multi-line text far longer than one chunk of 250 bytes, whose characters
    // (2 bytes in GBK, 3 in UTF-8) do not fit a chunk evenly.
    const std::vector<std::pair<const char*, QString>> cases = {
        {"GBK", QStringLiteral("a") + QString(400, QChar(0x4E2D))},
        {"UTF-8", QStringLiteral("a") + QString(400, QChar(0xC804))},
    };
    QTemporaryDir dir;
    for (const auto& [encoding, text] : cases) {
        SCOPED_TRACE(encoding);
        DocumentModel model(nullptr);
        model.setDefaultTables();
        EntityData e;
        e.kind = EntityKind::MText;
        e.height = 1;
        e.text = text;
        model.add(e);
        const QString path = dir.filePath(QString::fromLatin1(encoding) + QStringLiteral(".dxf"));
        writeDxfFile(path, model);
        DocumentModel again(nullptr);
        readDxfFile(path, again);
        EXPECT_EQ(textsAndLayers(again).first, QStringList{text});
        if (!cadtest::secondReaderInstalled())
            continue;
        const QString out = cadtest::runSecondReader(QStringLiteral(R"(
doc = audit(sys.argv[1])
print("MTEXT", doc.modelspace().query("MTEXT")[0].text)
)"),
                                                     {path});
        EXPECT_TRUE(out.contains(QStringLiteral("MTEXT ") + text + QLatin1Char('\n'))) << out.toStdString();
    }
}

TEST(DxfCodePage, ANameTooLongForReadersRefusesTheSaveAndNamesIt)
{
    struct Case {
        const char* what;
        QString name;
    };
    const std::vector<Case> cases = {
        {"in UTF-8", QString(400, QChar(0xC804)) + QStringLiteral("끝")}, // 1203 bytes
        {"in GBK", QString(600, QChar(0x4E2D)) + QStringLiteral("尾")},   // 1202 bytes
        {"in ASCII", QString(1001, QLatin1Char('L'))},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plan.dxf"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write("the earlier plan\n");
        }
        DocumentModel model(nullptr);
        model.setDefaultTables();
        model.tables().layers.push_back({c.name, 1, QStringLiteral("CONTINUOUS"), 0, -3});
        try {
            writeDxfFile(path, model);
            ADD_FAILURE() << "saved";
        } catch (const automation::AutomationError& e) {
            EXPECT_EQ(e.number(), errors::FileError);
            EXPECT_TRUE(e.description().contains(QStringLiteral("过长"))) << e.description().toStdString();
            EXPECT_TRUE(e.description().contains(c.name.left(20)));
            EXPECT_TRUE(e.description().contains(c.name.right(5)));
        }
        EXPECT_EQ(contentOf(path), QByteArray("the earlier plan\n"));
    }
}

} // namespace
