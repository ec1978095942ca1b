// DXF files: a site plan from another program read whole, saved back without loss, read by a second reader.
#include "second_reader.h"

#include "platform/automation/automation_error.h"
#include "platform/cad/dxf/dxf_file.h"
#include "platform/cad/model/document_model.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cmath>

using namespace cad;

namespace {

const QString kData = QStringLiteral(RIDE_TEST_DATA_DIR "/cad");
const QString kSitePlan = kData + QStringLiteral("/site_plan.dxf");
constexpr double kPi = 3.14159265358979323846;

std::vector<EntityData> entities(const DocumentModel& model)
{
    std::vector<EntityData> out;
    model.forEach([&](const EntityData& e) { out.push_back(e); });
    return out;
}

std::vector<EntityData> ofKind(const std::vector<EntityData>& all, EntityKind kind)
{
    std::vector<EntityData> out;
    for (const auto& e : all)
        if (e.kind == kind)
            out.push_back(e);
    return out;
}

const LayerData* layer(const DrawingTables& tables, const QString& name)
{
    for (const auto& l : tables.layers)
        if (l.name == name)
            return &l;
    return nullptr;
}

const LinetypeData* linetype(const DrawingTables& tables, const QString& name)
{
    for (const auto& lt : tables.linetypes)
        if (lt.name == name)
            return &lt;
    return nullptr;
}

TEST(DxfFile, ASitePlanFromAnotherProgramOpensWhole)
{
    DocumentModel plan(nullptr);
    readDxfFile(kSitePlan, plan);
    const auto all = entities(plan);
    EXPECT_EQ(ofKind(all, EntityKind::Line).size(), 3u);
    EXPECT_EQ(ofKind(all, EntityKind::Polyline).size(), 2u);
    EXPECT_EQ(ofKind(all, EntityKind::Arc).size(), 1u);
    EXPECT_EQ(ofKind(all, EntityKind::Circle).size(), 1u);
    EXPECT_EQ(ofKind(all, EntityKind::Text).size(), 1u);
    EXPECT_EQ(ofKind(all, EntityKind::MText).size(), 1u);
    EXPECT_EQ(ofKind(all, EntityKind::Insert).size(), 2u);
    EXPECT_EQ(all.size(), 11u);   // ellipse, spline, hatch and dimension are not kept

    const EntityData text = ofKind(all, EntityKind::Text)[0];
    EXPECT_EQ(text.text, QStringLiteral("综合楼 Office"));
    EXPECT_EQ(text.layer, QStringLiteral("建筑"));
    EXPECT_NEAR(text.rotation, 15 * kPi / 180, 1e-12);
    EXPECT_DOUBLE_EQ(text.widthFactor, 0.8);
    EXPECT_EQ(ofKind(all, EntityKind::MText)[0].text, QStringLiteral("一号门卫室\\P第二行"));

    const EntityData arc = ofKind(all, EntityKind::Arc)[0];
    EXPECT_NEAR(arc.startAngle, 30 * kPi / 180, 1e-12);
    EXPECT_NEAR(arc.endAngle, 200 * kPi / 180, 1e-12);
    EXPECT_EQ(arc.color, 6);

    const auto polylines = ofKind(all, EntityKind::Polyline);
    EXPECT_TRUE(polylines[0].closed);
    ASSERT_EQ(polylines[0].vertices.size(), 4u);
    EXPECT_DOUBLE_EQ(polylines[0].vertices[1].bulge, 0.5);
    EXPECT_EQ(polylines[1].vertices.size(), 3u);
    EXPECT_EQ(polylines[1].color, 4);

    const EntityData tree = ofKind(all, EntityKind::Insert)[0];
    EXPECT_EQ(tree.blockName, QStringLiteral("TREE"));
    EXPECT_DOUBLE_EQ(tree.scaleX, 2);
    EXPECT_NEAR(tree.rotation, kPi / 4, 1e-12);

    const auto lines = ofKind(all, EntityKind::Line);
    EXPECT_FALSE(lines[2].visible);
    EXPECT_TRUE(lines[0].visible);

    // The tree, and the dimension's own blocks, though the dimension itself is not kept.
    const auto& blocks = plan.tables().blocks;
    ASSERT_EQ(blocks.size(), 3u);
    EXPECT_EQ(blocks[0].name, QStringLiteral("TREE"));
    EXPECT_EQ(blocks[0].entities.size(), 3u);
    EXPECT_EQ(blocks[0].entities[2].text, QStringLiteral("树"));
    const DrawingTables& tables = plan.tables();
    ASSERT_TRUE(layer(tables, QStringLiteral("建筑")));
    EXPECT_EQ(layer(tables, QStringLiteral("建筑"))->color, 5);
    ASSERT_TRUE(layer(tables, QStringLiteral("HIDDEN_OFF")));
    EXPECT_LT(layer(tables, QStringLiteral("HIDDEN_OFF"))->color, 0); // switched off
    EXPECT_EQ(layer(tables, QStringLiteral("ROAD"))->linetype, QStringLiteral("DASHED"));
    EXPECT_EQ(plan.variable(QStringLiteral("INSUNITS")).toInt(), 4);
    // By-layer colours show in their layer's colour, also on a layer that is off.
    EXPECT_EQ(displayColor(text, tables), 5);
    EXPECT_EQ(displayColor(lines[2], tables), 2);
    EXPECT_EQ(displayColor(arc, tables), 6);
    // Entities of the file get handles of this drawing and are found by them.
    EXPECT_EQ(plan.find(text.handle)->text, text.text);
}

void expectSameEntity(const EntityData& a, const EntityData& b)
{
    EXPECT_EQ(a.kind, b.kind);
    EXPECT_EQ(a.layer, b.layer);
    EXPECT_EQ(a.color, b.color);
    EXPECT_EQ(a.visible, b.visible);
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(a.start[i], b.start[i], 1e-9);
        EXPECT_NEAR(a.end[i], b.end[i], 1e-9);
        EXPECT_NEAR(a.center[i], b.center[i], 1e-9);
        EXPECT_NEAR(a.insertion[i], b.insertion[i], 1e-9);
    }
    EXPECT_NEAR(a.radius, b.radius, 1e-9);
    EXPECT_NEAR(a.startAngle, b.startAngle, 1e-9);
    EXPECT_NEAR(a.endAngle, b.endAngle, 1e-9);
    EXPECT_NEAR(a.rotation, b.rotation, 1e-9);
    EXPECT_EQ(a.text, b.text);
    EXPECT_NEAR(a.height, b.height, 1e-9);
    EXPECT_NEAR(a.widthFactor, b.widthFactor, 1e-9);
    EXPECT_EQ(a.blockName, b.blockName);
    EXPECT_NEAR(a.scaleX, b.scaleX, 1e-9);
    EXPECT_NEAR(a.scaleY, b.scaleY, 1e-9);
    EXPECT_EQ(a.closed, b.closed);
    ASSERT_EQ(a.vertices.size(), b.vertices.size());
    for (std::size_t i = 0; i < a.vertices.size(); ++i) {
        EXPECT_NEAR(a.vertices[i].x, b.vertices[i].x, 1e-9);
        EXPECT_NEAR(a.vertices[i].bulge, b.vertices[i].bulge, 1e-9);
    }
}

TEST(DxfFile, SavingBackLosesNothingRead)
{
    QTemporaryDir dir;
    DocumentModel plan(nullptr);
    readDxfFile(kSitePlan, plan);
    // What the drawing code adds goes along too.
    EntityData text;
    text.kind = EntityKind::Text;
    text.text = QStringLiteral("一号避雷针 rx=12.500");
    text.insertion = text.alignment = {1, 2, 0};
    text.height = 2;
    text.widthFactor = 0.8;
    text.style = plan.defaultTextStyle();
    plan.add(text);
    EntityData hidden;
    hidden.kind = EntityKind::Arc;
    hidden.center = {5, 5, 0};
    hidden.radius = 3;
    hidden.startAngle = 6.283185;
    hidden.endAngle = 1.57079625;
    hidden.visible = false;
    hidden.color = 1;
    plan.add(hidden);
    const QString saved = dir.filePath(QStringLiteral("总平面.dxf"));
    writeDxfFile(saved, plan);

    DocumentModel again(nullptr);
    readDxfFile(saved, again);
    const auto before = entities(plan), after = entities(again);
    ASSERT_EQ(before.size(), after.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        SCOPED_TRACE(i);
        expectSameEntity(before[i], after[i]);
    }
    const auto &b0 = plan.tables(), &b1 = again.tables();
    ASSERT_EQ(b0.blocks.size(), b1.blocks.size());
    for (std::size_t k = 0; k < b0.blocks.size(); ++k) {
        EXPECT_EQ(b0.blocks[k].name, b1.blocks[k].name);
        ASSERT_EQ(b0.blocks[k].entities.size(), b1.blocks[k].entities.size());
        for (std::size_t i = 0; i < b0.blocks[k].entities.size(); ++i)
            expectSameEntity(b0.blocks[k].entities[i], b1.blocks[k].entities[i]);
    }
    for (const auto& l : b0.layers) {
        const LayerData* m = layer(b1, l.name);
        ASSERT_TRUE(m) << l.name.toStdString();
        EXPECT_EQ(m->color, l.color) << l.name.toStdString();   // negative: off
        EXPECT_EQ(m->flags, l.flags);
        EXPECT_EQ(m->linetype.toUpper(), l.linetype.toUpper());
    }
    EXPECT_LT(layer(b1, QStringLiteral("HIDDEN_OFF"))->color, 0);
    EXPECT_EQ(layer(b1, QStringLiteral("ROAD"))->linetype, QStringLiteral("DASHED"));
    EXPECT_EQ(layer(b1, QStringLiteral("道路中心线"))->linetype, QStringLiteral("CENTER"));
    // Each line type keeps its own dashes, and its length is theirs.
    const std::vector<std::pair<QString, std::vector<double>>> patterns = {
        {QStringLiteral("DASHED"), {0.5, -0.25}}, {QStringLiteral("CENTER"), {1.25, -0.25, 0.25, -0.25}}};
    for (const auto& [name, dashes] : patterns)
        for (const DrawingTables* t : {&b0, &b1}) {
            const LinetypeData* lt = linetype(*t, name);
            ASSERT_TRUE(lt) << name.toStdString();
            EXPECT_EQ(lt->dashes, dashes) << name.toStdString();
            double length = 0;
            for (double d : dashes)
                length += std::abs(d);
            EXPECT_DOUBLE_EQ(lt->patternLength, length);
        }
    EXPECT_EQ(again.variable(QStringLiteral("INSUNITS")).toInt(), 4);
}

TEST(DxfFile, ASecondReaderAcceptsTheSavedFile)
{
    if (!cadtest::secondReaderInstalled())
        GTEST_SKIP() << "python3-ezdxf is not installed";
    QTemporaryDir dir;
    DocumentModel plan(nullptr);
    readDxfFile(kSitePlan, plan);
    EntityData hidden;
    hidden.kind = EntityKind::Line;
    hidden.end = {1, 1, 0};
    hidden.visible = false;
    plan.add(hidden);
    const QString saved = dir.filePath(QStringLiteral("site.dxf"));
    writeDxfFile(saved, plan);

    const QString out = cadtest::runSecondReader(QStringLiteral(R"(
doc = audit(sys.argv[1])
msp = doc.modelspace()
print("VERSION", doc.dxfversion)
print("TEXT", [t.dxf.text for t in msp.query("TEXT")][0])
print("LAYER", doc.layers.has_entry("建筑"))
print("OFF", doc.layers.get("HIDDEN_OFF").is_off(), doc.layers.get("ROAD").is_off())
print("ROAD", doc.layers.get("ROAD").dxf.linetype)
for name in ("DASHED", "CENTER"):
    print("PATTERN", name, [round(t.value, 6) for t in doc.linetypes.get(name).pattern_tags.tags if t.code in (40, 49)])
print("BLOCK", len(doc.blocks.get("TREE")))
print("INSERTS", len(msp.query("INSERT")))
print("INVISIBLE", sum(1 for e in msp if e.dxf.get("invisible", 0) == 1))
print("KINDS", sorted(set(e.dxftype() for e in msp)))
)"), {saved});
    EXPECT_FALSE(out.contains(QStringLiteral("AUDIT"))) << out.toStdString();   // no errors, nothing to fix
    EXPECT_TRUE(out.contains(QStringLiteral("VERSION AC1015"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("TEXT 综合楼 Office"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("LAYER True")));
    EXPECT_TRUE(out.contains(QStringLiteral("OFF True False"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("ROAD DASHED"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("PATTERN DASHED [0.75, 0.5, -0.25]"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("PATTERN CENTER [2.0, 1.25, -0.25, 0.25, -0.25]"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("BLOCK 3")));
    EXPECT_TRUE(out.contains(QStringLiteral("INSERTS 2")));
    EXPECT_TRUE(out.contains(QStringLiteral("INVISIBLE 2"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("'ARC', 'CIRCLE', 'INSERT', 'LINE', 'LWPOLYLINE', 'MTEXT', 'TEXT'"))) << out.toStdString();
}

TEST(DxfSecondReader, TheShippedDrawingsNeedNoFixes)
{
    if (!cadtest::secondReaderInstalled())
        GTEST_SKIP() << "python3-ezdxf is not installed";
    const QString bin = QStringLiteral(RIDE_BIN_DIR);
    for (const QString& name : {QStringLiteral("RIDE.dwt"), QStringLiteral("软件名称代号图文对照.dwg")}) {
        const QString out = cadtest::runSecondReader(QStringLiteral("audit(sys.argv[1])\nprint('READ')\n"), {bin + QLatin1Char('/') + name});
        EXPECT_EQ(out.trimmed(), QStringLiteral("READ")) << name.toStdString();
    }
}

TEST(DxfFile, TheShippedDrawingsOpenBesideTheProgram)
{
    const QString bin = QStringLiteral(RIDE_BIN_DIR);
    DocumentModel tmpl(nullptr);
    readDxfFile(bin + QStringLiteral("/RIDE.dwt"), tmpl);
    EXPECT_EQ(tmpl.count(), 0u);
    EXPECT_TRUE(layer(tmpl.tables(), QStringLiteral("地面范围")));
    EXPECT_TRUE(layer(tmpl.tables(), QStringLiteral("目标高度范围")));
    EXPECT_TRUE(layer(tmpl.tables(), QStringLiteral("剖面")));
    EXPECT_EQ(tmpl.variable(QStringLiteral("INSUNITS")).toInt(), 4);
    // New texts take the style that shows Chinese, with its font file.
    EXPECT_EQ(tmpl.defaultTextStyle(), QStringLiteral("HZ"));
    bool fontKept = false;
    for (const auto& st : tmpl.tables().styles)
        fontKept = fontKept || (st.name == QLatin1String("HZ") && st.font.endsWith(QLatin1String(".ttf")));
    EXPECT_TRUE(fontKept);

    DocumentModel glossary(nullptr);
    readDxfFile(bin + QStringLiteral("/软件名称代号图文对照.dwg"), glossary);
    EXPECT_GT(glossary.count(), 100u);
    QStringList texts;
    glossary.forEach([&](const EntityData& e) {
        if (e.kind == EntityKind::Text)
            texts << e.text;
    });
    for (const char* symbol : {"Hr", "hx", "rx", "r0", "h0", "b0", "bx", "D", "L", "f"})
        EXPECT_TRUE(texts.contains(QString::fromLatin1(symbol))) << symbol;
    EXPECT_TRUE(texts.contains(QStringLiteral("滚球半径 (第一类30m, 第二类45m, 第三类60m)")));
}

TEST(DxfText, EscapesAndCodePagesAreDecoded)
{
    // \U+ escapes, \M+ (code page 5: GBK) and raw GBK under ANSI_936.
    const QByteArray dxf = "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1015\n9\n$DWGCODEPAGE\n3\nANSI_936\n0\nENDSEC\n"
                           "0\nSECTION\n2\nENTITIES\n"
                           "0\nTEXT\n8\n0\n10\n0\n20\n0\n40\n1\n1\n\\U+4E2D\\M+5CEC4\xd6\xd0\n"
                           "0\nENDSEC\n0\nEOF\n";
    DocumentModel model(nullptr);
    readDxf(dxf, model);
    ASSERT_EQ(model.count(), 1u);
    model.forEach([](const EntityData& e) { EXPECT_EQ(e.text, QStringLiteral("中文中")); });
}

TEST(DxfReading, PaperSpaceEntitiesAreNotPartOfThePlan)
{
    const QByteArray dxf = "0\nSECTION\n2\nENTITIES\n"
                           "0\nLINE\n8\n0\n67\n1\n10\n0\n20\n0\n11\n297\n21\n0\n"
                           "0\nLINE\n8\n0\n10\n0\n20\n0\n11\n1\n21\n1\n"
                           "0\nENDSEC\n0\nEOF\n";
    DocumentModel model(nullptr);
    readDxf(dxf, model);
    ASSERT_EQ(model.count(), 1u);
    model.forEach([](const EntityData& e) { EXPECT_EQ(e.end[0], 1); });
    // It stands in the first layout instead.
    ASSERT_EQ(model.tables().layouts.size(), 1u);
    EXPECT_EQ(model.tables().layouts[0].block, QStringLiteral("*Paper_Space"));
    ASSERT_EQ(model.tables().layouts[0].entities.size(), 1u);
    EXPECT_EQ(model.tables().layouts[0].entities[0].end[0], 297);
    EXPECT_EQ(model.notKeptOnRead(), 0);
}

TEST(DxfReading, BlocksThatInsertThemselvesAreCut)
{
    auto block = [](const char* name, const char* inserts) {
        QByteArray b = QByteArray("0\nBLOCK\n2\n") + name + "\n70\n0\n10\n0\n20\n0\n"
                       "0\nLINE\n8\n0\n10\n0\n20\n0\n11\n1\n21\n1\n";
        if (*inserts)
            b += QByteArray("0\nINSERT\n2\n") + inserts + "\n10\n0\n20\n0\n";
        return b + "0\nENDBLK\n";
    };
    const QByteArray dxf = "0\nSECTION\n2\nBLOCKS\n" + block("A", "B") + block("B", "A") + block("C", "C")
        + block("D", "A") + "0\nENDSEC\n0\nSECTION\n2\nENTITIES\n0\nINSERT\n2\nA\n10\n0\n20\n0\n0\nENDSEC\n0\nEOF\n";
    DocumentModel model(nullptr);
    readDxf(dxf, model);
    const auto& blocks = model.tables().blocks;
    ASSERT_EQ(blocks.size(), 4u);
    // Following the inserts from any block ends within as many steps as there are blocks.
    for (const auto& start : blocks) {
        QString name = start.name;
        int steps = 0;
        for (; steps <= 4; ++steps) {
            auto it = std::find_if(blocks.begin(), blocks.end(), [&](const BlockDefinition& b) { return b.name == name; });
            auto ins = std::find_if(it->entities.begin(), it->entities.end(), [](const EntityData& e) { return e.kind == EntityKind::Insert; });
            if (ins == it->entities.end())
                break;
            name = ins->blockName;
        }
        EXPECT_LE(steps, 3) << start.name.toStdString();
        EXPECT_FALSE(start.entities.empty());   // the lines stay
    }
    EXPECT_EQ(model.count(), 1u);
}

TEST(DxfText, Utf8FilesOfLaterVersions)
{
    const QByteArray dxf = "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1032\n0\nENDSEC\n"
                           "0\nSECTION\n2\nENTITIES\n"
                           "0\nTEXT\n8\n\xe5\x9b\xbe\xe5\xb1\x82\n10\n0\n20\n0\n40\n1\n1\n\xe4\xb8\xad\xe6\x96\x87\n"
                           "0\nENDSEC\n0\nEOF\n";
    DocumentModel model(nullptr);
    readDxf(dxf, model);
    model.forEach([](const EntityData& e) {
        EXPECT_EQ(e.text, QStringLiteral("中文"));
        EXPECT_EQ(e.layer, QStringLiteral("图层"));
    });
}

TEST(DxfRobustness, LongTextsStayWithinWhatALineHolds)
{
    // Values are written at most 1000 bytes long: single-line texts longer than that are read
    // whole, multi-line texts are written in chunks; both come back whole.
    QTemporaryDir dir;
    DocumentModel model(nullptr);
    EntityData text;
    text.kind = EntityKind::Text;
    text.height = 1;
    text.text = QString(2000, QChar(0x4E2D));
    model.add(text);
    EntityData mtext = text;
    mtext.kind = EntityKind::MText;
    mtext.text = QString(1500, QChar(0x4E2D)) + QString(300, QChar(0x00E9)) + QString(200, QChar(0x20AC));
    model.add(mtext);
    const QString path = dir.filePath(QStringLiteral("long.dxf"));
    writeDxfFile(path, model);
    DocumentModel again(nullptr);
    readDxfFile(path, again);
    ASSERT_EQ(again.count(), 2u);
    std::vector<QString> texts;
    again.forEach([&](const EntityData& e) { texts.push_back(e.text); });
    EXPECT_EQ(texts[0], text.text);
    EXPECT_EQ(texts[1], mtext.text);
}

// Inputs that once broke the reader: each must now either read or fail with an automation error,
// and what reads must save and read back with as many entities, or be refused by the name it cannot
// hold whole (as the fuzz target demands).
TEST(DxfRobustness, KeptCrashingInputsNoLongerCrash)
{
    QTemporaryDir tmp;
    const QDir dir(kData + QStringLiteral("/crashes"));
    const auto inputs = dir.entryInfoList(QDir::Files);
    EXPECT_FALSE(inputs.isEmpty());
    for (const QFileInfo& info : inputs) {
        SCOPED_TRACE(info.fileName().toStdString());
        QFile f(info.filePath());
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        DocumentModel model(nullptr);
        try {
            readDxf(f.readAll(), model);
        } catch (const automation::AutomationError&) {
            continue;
        }
        const QString saved = tmp.filePath(QStringLiteral("again.dxf"));
        try {
            writeDxfFile(saved, model);
        } catch (const automation::AutomationError& e) {
            EXPECT_TRUE(refusesOverlongName(e.description())) << e.description().toStdString();
            continue;
        }
        DocumentModel again(nullptr);
        readDxfFile(saved, again);
        EXPECT_EQ(again.count(), model.count());
    }
}

} // namespace
