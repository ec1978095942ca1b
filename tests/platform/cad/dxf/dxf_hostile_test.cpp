// Hostile, damaged and oddly built DXF files kept as regression files, each with what reading it must give.
#include "saved_twice.h"
#include "support/file_content.h"

#include "platform/automation/automation_error.h"
#include "platform/cad/dxf/dxf_file.h"
#include "platform/cad/model/document_model.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace cad;
using testsupport::contentOf;
namespace errors = automation::errors;

namespace {

const QString kHostile = QStringLiteral(RIDE_TEST_DATA_DIR "/cad/hostile/");

std::vector<EntityData> entities(const DocumentModel& model)
{
    std::vector<EntityData> out;
    model.forEach([&](const EntityData& e) { out.push_back(e); });
    return out;
}

const BlockDefinition* block(const DocumentModel& model, const QString& name)
{
    for (const auto& b : model.tables().blocks)
        if (b.name == name)
            return &b;
    return nullptr;
}

const LayoutData* layout(const DocumentModel& model, const char* block)
{
    for (const auto& l : model.tables().layouts)
        if (l.block == QLatin1String(block))
            return &l;
    return nullptr;
}

std::vector<EntityKind> kinds(const std::vector<EntityData>& entities)
{
    std::vector<EntityKind> out;
    for (const auto& e : entities)
        out.push_back(e.kind);
    return out;
}

// The plan, the blocks and the layouts in tab order (name, block, entities), as the second reader
// sees the saved file.
const char* kPlanAndTabs = R"(
doc = audit(sys.argv[1])
print("PLAN", len(doc.modelspace()), "BLOCKS", "|".join(sorted(b.name for b in doc.blocks)))
print("TABS", "|".join(f"{l.name}:{l.block_record_name}:{len(l)}" for l in sorted(doc.layouts, key=lambda l: l.dxf.taborder)))
)";

// A line in the ENTITIES section and one in the plan's own block.
void bothPlanLines(const DocumentModel& m)
{
    std::vector<Point> ends;
    for (const auto& e : entities(m))
        ends.push_back(e.end);
    EXPECT_EQ(ends, (std::vector<Point>{{5, 5, 0}, {10, 0, 0}}));
}

// The name and tab position of the layout standing in `block`.
void expectLayout(const DocumentModel& m, const char* block, const QString& name, int tab)
{
    const LayoutData* l = layout(m, block);
    ASSERT_TRUE(l) << block;
    EXPECT_EQ(l->name, name) << block;
    EXPECT_EQ(l->tab, tab) << block;
}

struct HostileFile {
    const char* name;
    const char* refusal;   // part of the message when the file must be refused, else null
    std::function<void(const DocumentModel&)> check;   // what a file that reads must hold
    int notKept = 0;                                   // entities left out on reading (the window tells of them)
    // A script the second reader runs on the saved file and a line it must print; null where its
    // audit is enough.
    const char* secondReader = nullptr;
    const char* secondReaderPrints = nullptr;
};

TEST(DxfHostileFiles, EachReadsAsExpectedOrIsRefusedClearly)
{
    const std::vector<HostileFile> files = {
        {"block-without-endblk.dxf", nullptr,
         [](const DocumentModel& m) {
             EXPECT_EQ(m.count(), 3u);   // the model is not swallowed by the block
             ASSERT_TRUE(block(m, QStringLiteral("TREE")));
             EXPECT_EQ(block(m, QStringLiteral("TREE"))->entities.size(), 1u);
         }},
        {"block-open-before-next.dxf", nullptr,
         [](const DocumentModel& m) {
             EXPECT_EQ(m.count(), 1u);
             ASSERT_TRUE(block(m, QStringLiteral("A")) && block(m, QStringLiteral("B")));
             EXPECT_EQ(block(m, QStringLiteral("A"))->entities.size(), 1u);
             EXPECT_EQ(block(m, QStringLiteral("B"))->entities.size(), 1u);
         }},
        {"block-markers-out-of-place.dxf", nullptr,
         [](const DocumentModel& m) {
             EXPECT_EQ(m.count(), 3u);
             EXPECT_TRUE(m.tables().blocks.empty());
         }},
        {"complex-linetype-text.dxf", nullptr,
         [](const DocumentModel& m) {
             // The text "GAS" is drawn in the gap after the first dash: kept whole, with the
             // pattern length the file gives (the text takes room of its own).
             const auto& lts = m.tables().linetypes;
             const auto gas = std::find_if(lts.begin(), lts.end(),
                                           [](const LinetypeData& l) { return l.name == QLatin1String("GAS"); });
             ASSERT_NE(gas, lts.end());
             EXPECT_EQ(gas->dashes, (std::vector<double>{0.5, -0.2, -0.25}));
             EXPECT_DOUBLE_EQ(gas->patternLength, 1.0);
             ASSERT_EQ(gas->texts.size(), 1u);
             const LinetypeText& t = gas->texts[0];
             EXPECT_EQ(t.dash, 1u);
             EXPECT_EQ(t.text, QStringLiteral("GAS"));
             EXPECT_EQ(t.style, QStringLiteral("Standard"));
             EXPECT_EQ(std::vector<double>({t.scale, t.rotation, t.x, t.y}),
                       (std::vector<double>{0.1, 0, -0.1, -0.05}));
             EXPECT_EQ(entities(m)[0].linetype, QStringLiteral("GAS"));
         }},
        {"hex-number.dxf", "此处应为数值", nullptr},
        {"infinite-number.dxf", "此处应为数值", nullptr},
        {"nan-number.dxf", "此处应为数值", nullptr},
        {"long-text.dxf", nullptr,
         [](const DocumentModel& m) {
             ASSERT_EQ(m.count(), 1u);
             EXPECT_EQ(entities(m)[0].text, QString(1500, QChar(0x4E2D)));
         }},
        {"long-mtext.dxf", nullptr,
         [](const DocumentModel& m) {
             ASSERT_EQ(m.count(), 1u);
             EXPECT_EQ(entities(m)[0].text, QString(600, QChar(0x7532)) + QString(700, QChar(0x4E59)));
         }},
        {"long-layer-name.dxf", "组值超过 1000 字节", nullptr},
        // The layer's and the line's are too long to write back: left out, and each counted.
        {"long-extended-data.dxf", nullptr,
         [](const DocumentModel& m) {
             ASSERT_EQ(m.count(), 1u);
             EXPECT_EQ(entities(m)[0].layer, QStringLiteral("WALLS"));
             EXPECT_TRUE(entities(m)[0].rare->extendedData.empty());
             EXPECT_EQ(m.tables().layers.back().color, 3);
             EXPECT_TRUE(m.tables().layers.back().extendedData.empty());
         },
         2},
        {"nested-insert-arrays.dxf", nullptr,
         [](const DocumentModel& m) {
             EXPECT_EQ(m.count(), 1u);
             EXPECT_EQ(m.tables().blocks.size(), 3u);
         }},
        {"layer-off-and-dashes.dxf", nullptr,
         [](const DocumentModel& m) {
             const auto& t = m.tables();
             auto off = std::find_if(t.layers.begin(), t.layers.end(), [](const LayerData& l) { return l.name == QLatin1String("OFF"); });
             ASSERT_NE(off, t.layers.end());
             EXPECT_EQ(off->color, -3);
             EXPECT_EQ(off->linetype, QStringLiteral("DOT"));
             auto linetype = [&](const char* name) {
                 auto it = std::find_if(t.linetypes.begin(), t.linetypes.end(), [&](const LinetypeData& l) { return l.name == QLatin1String(name); });
                 return it == t.linetypes.end() ? LinetypeData{} : *it;
             };
             EXPECT_EQ(linetype("DASHED").dashes, (std::vector<double>{0.5, -0.25}));
             EXPECT_DOUBLE_EQ(linetype("DASHED").patternLength, 0.75);
             EXPECT_EQ(linetype("DOT").dashes, (std::vector<double>{0, -0.2}));
             EXPECT_DOUBLE_EQ(linetype("DOT").patternLength, 0.2);   // from its dashes, not the 9 the file says
         }},
        // Spans between such coordinates overflow: the grid of the plan would never be built.
        {"huge-coordinates.dxf", "第 10 行的坐标超出范围", nullptr},
        {"r12-layout-blocks.dxf", nullptr,
         [](const DocumentModel& m) { // $MODEL_SPACE, $PAPER_SPACE
             EXPECT_EQ(m.count(), 2u);
             ASSERT_EQ(m.tables().blocks.size(), 1u);
             EXPECT_EQ(m.tables().blocks[0].name, QStringLiteral("TREE"));
             EXPECT_EQ(m.tables().blocks[0].entities.size(), 1u);
         }},
        {"cr-line-ends.dxf", nullptr,
         [](const DocumentModel& m) { // old Macintosh line ends
             const auto all = entities(m);
             ASSERT_EQ(all.size(), 2u);
             EXPECT_EQ(all[0].layer, QStringLiteral("WALLS"));
             EXPECT_EQ(all[0].end, (Point{10, 5, 0}));
             EXPECT_EQ(all[1].text, QStringLiteral("Mac"));
         }},
        // Title frames in two layouts: kept apart from the plan and written back where they stood.
        {"two-layouts.dxf", nullptr,
         [](const DocumentModel& m) {
             EXPECT_EQ(m.count(), 2u);
             ASSERT_EQ(m.tables().layouts.size(), 2u);
             ASSERT_TRUE(layout(m, "*Paper_Space") && layout(m, "*Paper_Space0"));
             const auto& first = layout(m, "*Paper_Space")->entities;
             EXPECT_EQ(kinds(first), (std::vector{EntityKind::Polyline, EntityKind::Text, EntityKind::Line}));
             EXPECT_EQ(first[1].text, QStringLiteral("一号总平面图"));
             EXPECT_EQ(first[1].layer, QStringLiteral("图框"));
             const auto& second = layout(m, "*Paper_Space0")->entities;
             EXPECT_EQ(kinds(second), (std::vector{EntityKind::Polyline, EntityKind::Text, EntityKind::Insert}));
             EXPECT_EQ(second[0].vertices.size(), 4u);
             EXPECT_EQ(second[0].color, 3);
             EXPECT_EQ(second[2].blockName, QStringLiteral("标题栏"));
             EXPECT_EQ(layout(m, "*Paper_Space")->name, QStringLiteral("A1图框"));
             EXPECT_EQ(layout(m, "*Paper_Space0")->name, QStringLiteral("A3图框"));
         },
         0,
         R"(
doc = audit(sys.argv[1])
print("SHEETS", "|".join(f"{l.block_record_name}={l.name}:{','.join(sorted(e.dxftype() for e in l))}" for l in sorted(doc.layouts, key=lambda l: l.block_record_name)))
print("TABS", "|".join(sorted(doc.rootdict["ACAD_LAYOUT"].keys())))
print("TEXTS", "|".join(t.dxf.text for l in doc.layouts for t in l.query("TEXT")))
)",
         "SHEETS *Model_Space=Model:CIRCLE,LINE|*Paper_Space=A1图框:LINE,LWPOLYLINE,TEXT|*Paper_Space0=A3图框:INSERT,"
         "LWPOLYLINE,TEXT\n"
         "TABS A1图框|A3图框|Model\n"
         "TEXTS 一号总平面图|防雷平面图"},
        // A viewport and a third layout are not kept: they are counted, so the plan is never saved over.
        {"layouts-partly-kept.dxf", nullptr,
         [](const DocumentModel& m) {
             EXPECT_EQ(m.count(), 1u);
             ASSERT_TRUE(layout(m, "*Paper_Space") && layout(m, "*Paper_Space0"));
             EXPECT_EQ(kinds(layout(m, "*Paper_Space")->entities), std::vector{EntityKind::Polyline});
             EXPECT_EQ(kinds(layout(m, "*Paper_Space0")->entities), std::vector{EntityKind::Line});
         },
         2},
        // What stands in the plan's own block is part of the plan, as other programs show it; it is
        // saved among the plan's entities.
        {"model-space-block-entities.dxf", nullptr, bothPlanLines, 0, kPlanAndTabs,
         "PLAN 2 BLOCKS *Model_Space|*Paper_Space|*Paper_Space0\n"},
        {"r12-model-space-block-entities.dxf", nullptr, bothPlanLines, 0, kPlanAndTabs,
         "PLAN 2 BLOCKS *Model_Space|*Paper_Space|*Paper_Space0\n"},
        // Inserts of the plan or a layout (in the plan, in a layout and in a block) are left out and
        // counted: no block stands for them, and none is made up in their place.
        {"inserts-of-layout-blocks.dxf", nullptr,
         [](const DocumentModel& m) {
             const auto plan = entities(m);
             EXPECT_EQ(kinds(plan), (std::vector{EntityKind::Line, EntityKind::Insert}));
             EXPECT_EQ(plan.back().blockName, QStringLiteral("TREE"));
             ASSERT_TRUE(block(m, QStringLiteral("TREE")));
             EXPECT_EQ(kinds(block(m, QStringLiteral("TREE"))->entities), std::vector{EntityKind::Line});
             EXPECT_EQ(m.tables().blocks.size(), 1u);
         },
         6, kPlanAndTabs, "PLAN 2 BLOCKS *Model_Space|*Paper_Space|TREE\n"},
        // The tabs keep their order: 甲 first, though 乙 (the one last shown) stands in *Paper_Space.
        // The third layout, empty, is counted: saving loses it.
        {"layout-tab-order.dxf", nullptr,
         [](const DocumentModel& m) {
             expectLayout(m, "*Paper_Space0", QStringLiteral("甲"), 1);
             expectLayout(m, "*Paper_Space", QStringLiteral("乙"), 2);
         },
         1, kPlanAndTabs, "TABS Model:*Model_Space:1|甲:*Paper_Space0:1|乙:*Paper_Space:1\n"},
        // Of two layouts of one name the second takes a free one, and the name lost is counted.
        {"layouts-of-one-name.dxf", nullptr,
         [](const DocumentModel& m) {
             expectLayout(m, "*Paper_Space", QStringLiteral("甲"), 1);
             expectLayout(m, "*Paper_Space0", QStringLiteral("Layout1"), 2);
         },
         1, kPlanAndTabs, "TABS Model:*Model_Space:1|甲:*Paper_Space:1|Layout1:*Paper_Space0:1\n"},
        // A layout object is tied to its layout by its pointer at the block record, by the record's
        // pointer at it, or (the record missing) by the owner its block names; one tied to nothing
        // is counted.
        {"layouts-half-tied.dxf", nullptr,
         [](const DocumentModel& m) {
             expectLayout(m, "*Paper_Space", QStringLiteral("甲"), 1);
             expectLayout(m, "*Paper_Space0", QStringLiteral("乙"), 2);
         },
         1, kPlanAndTabs, "TABS Model:*Model_Space:1|甲:*Paper_Space:1|乙:*Paper_Space0:1\n"},
        // Two layout objects claim one layout: neither name can be tied to it, and both are counted.
        // The one layout read is saved, with a name of its own.
        {"layouts-claiming-one-block.dxf", nullptr,
         [](const DocumentModel& m) {
             ASSERT_TRUE(layout(m, "*Paper_Space"));
             EXPECT_EQ(layout(m, "*Paper_Space")->name, QStringLiteral("Layout1"));
         },
         2, kPlanAndTabs, "TABS Model:*Model_Space:1|Layout1:*Paper_Space:1\n"},
        // Its only text style is 宋体: the dimension style's text style points at it.
        {"only-songti-style.dxf", nullptr,
         [](const DocumentModel& m) {
             ASSERT_EQ(m.tables().styles.size(), 1u);
             EXPECT_EQ(m.tables().styles[0].name, QStringLiteral("宋体"));
             EXPECT_EQ(entities(m)[0].style, QStringLiteral("宋体"));
         },
         0,
         R"(
doc = audit(sys.argv[1])
print("DIMTXSTY", doc.dimstyles.get("Standard").dxf.get("dimtxsty"))
)",
         "DIMTXSTY 宋体"},
    };
    // Every file kept in the folder must say here what it gives.
    for (const QString& name : QDir(kHostile).entryList(QDir::Files))
        EXPECT_TRUE(std::any_of(files.begin(), files.end(), [&](const HostileFile& f) { return name == QLatin1String(f.name); }))
            << name.toStdString() << " has no entry in the table";
    QTemporaryDir dir;
    for (const auto& f : files) {
        SCOPED_TRACE(f.name);
        const QByteArray bytes = contentOf(kHostile + QString::fromLatin1(f.name));
        ASSERT_FALSE(bytes.isEmpty());
        DocumentModel model(nullptr);
        if (f.refusal) {
            try {
                readDxf(bytes, model);
                ADD_FAILURE() << "read";
            } catch (const automation::AutomationError& e) {
                EXPECT_EQ(e.number(), errors::FileError);
                EXPECT_TRUE(e.description().contains(QString::fromUtf8(f.refusal))) << e.description().toStdString();
            }
            continue;
        }
        readDxf(bytes, model);
        f.check(model);
        EXPECT_EQ(model.notKeptOnRead(), f.notKept);
        // What reads saves and reads back the same; saved twice, it is the same bytes, and the
        // second reader reads it cleanly.
        const QString saved = dir.filePath(QStringLiteral("again.dxf"));
        const QString out = f.secondReader ? cadtest::saveTwiceAndAudit(model, saved, QString::fromUtf8(f.secondReader))
                                           : cadtest::saveTwiceAndAudit(model, saved);
        if (f.secondReader && cadtest::secondReaderInstalled()) {
            EXPECT_TRUE(out.contains(QString::fromUtf8(f.secondReaderPrints))) << out.toStdString();
        }
        DocumentModel again(nullptr);
        readDxfFile(saved, again);
        f.check(again);
        EXPECT_EQ(again.notKeptOnRead(), 0);
    }
}

TEST(DxfHostileFiles, APolylineOfMillionsOfVerticesIsKeptWhole)
{
    constexpr std::size_t kVertices = 4'500'000;   // more than 2^22
    QByteArray dxf = "0\nSECTION\n2\nENTITIES\n0\nLWPOLYLINE\n8\n0\n";
    dxf.reserve(static_cast<qsizetype>(kVertices * 12 + 100));
    for (std::size_t i = 0; i < kVertices; ++i) {
        dxf += "10\n";
        dxf += QByteArray::number(static_cast<qulonglong>(i % 1000));
        dxf += "\n20\n0\n";
    }
    dxf += "0\nENDSEC\n0\nEOF\n";
    DocumentModel model(nullptr);
    readDxf(dxf, model);
    ASSERT_EQ(model.count(), 1u);
    model.forEach([&](const EntityData& e) { EXPECT_EQ(e.vertices.size(), kVertices); });
}

} // namespace

// A value beyond the limit refuses the plan, naming what the value is in its record.
TEST(DxfHostileFiles, AValueBeyondTheLimitIsRefusedByName)
{
    const struct {
        const char* entity;
        const char* refusal;
    } cases[] = {
        {"LINE\n8\n0\n10\n1e101\n", "第 10 行的坐标超出范围，坐标的绝对值不能大于 1e100。"},
        {"CIRCLE\n8\n0\n40\n-2e100\n", "第 10 行的半径超出范围，半径的绝对值不能大于 1e100。"},
        {"LWPOLYLINE\n8\n0\n43\n1e101\n", "第 10 行的宽度超出范围"},
        {"POLYLINE\n8\n0\n66\n1\n0\nVERTEX\n8\n0\n10\n0\n20\n0\n41\n1e101\n0\nSEQEND\n", "第 20 行的宽度超出范围"},
        {"LINE\n8\n0\n48\n1e300\n", "第 10 行的线型比例超出范围"},
        {"INSERT\n8\n0\n2\nB\n43\n1e101\n", "第 12 行的比例超出范围"},
        {"TEXT\n8\n0\n40\n1e101\n", "第 10 行的文字高度超出范围"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entity);
        DocumentModel model(nullptr);
        try {
            readDxf(QByteArray("0\nSECTION\n2\nENTITIES\n0\n") + c.entity + "0\nENDSEC\n0\nEOF\n", model);
            ADD_FAILURE() << "read";
        } catch (const automation::AutomationError& e) {
            EXPECT_TRUE(e.description().contains(QString::fromUtf8(c.refusal))) << e.description().toStdString();
        }
    }
}
