// The layouts beside the plan: their names and tab order as saved and as another reader sees them.
#include "saved_twice.h"

#include "platform/cad/dxf/dxf_file.h"
#include "platform/cad/model/document_model.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace cad;

namespace {

// Each layout in the second reader's tab order: its name, the name its dictionary entry gives it
// (the two must agree) and the block it stands in.
const char* kTabs = R"(
doc = audit(sys.argv[1])
entries = {v.dxf.handle: k for k, v in doc.rootdict["ACAD_LAYOUT"].items()}
tabs = sorted(doc.layouts, key=lambda l: l.dxf.taborder)
print("TABS", "|".join(f"{l.name}={entries[l.dxf.handle]}:{l.block_record_name}" for l in tabs))
)";

LayoutData titleSheet(const char* block, const QString& name)
{
    EntityData frame;
    frame.kind = EntityKind::Line;
    frame.layer = QStringLiteral("0");
    frame.end = {420, 0, 0};
    return LayoutData{QLatin1String(block), {frame}, name};
}

QString nameOf(const DocumentModel& m, const char* block)
{
    for (const auto& l : m.tables().layouts)
        if (l.block == QLatin1String(block))
            return l.name;
    return QStringLiteral("(none)");
}

TEST(DxfLayoutNames, ANameThatCannotBeWrittenTakesAFreeOne)
{
    struct Case {
        QString first, second; // the names of the layouts in *Paper_Space and *Paper_Space0
        QString savedFirst, savedSecond;
    };
    const std::vector<Case> cases = {
        {QStringLiteral("A1图框"), QStringLiteral("A3图框"), QStringLiteral("A1图框"), QStringLiteral("A3图框")},
        {QString(), QStringLiteral("乙"), QStringLiteral("Layout1"), QStringLiteral("乙")},
        // "Model" is the plan's own tab, in any case.
        {QStringLiteral("Model"), QStringLiteral("MODEL"), QStringLiteral("Layout1"), QStringLiteral("Layout2")},
        // Two of one name would make the dictionary of layouts ambiguous.
        {QStringLiteral("甲"), QStringLiteral("甲"), QStringLiteral("甲"), QStringLiteral("Layout1")},
        {QStringLiteral("Layout2"), QString(), QStringLiteral("Layout2"), QStringLiteral("Layout1")},
        {QStringLiteral("layout1"), QString(), QStringLiteral("layout1"), QStringLiteral("Layout2")},
        // A default name never takes one the other layout has.
        {QString(), QStringLiteral("Layout1"), QStringLiteral("Layout2"), QStringLiteral("Layout1")},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("layouts.dxf"));
    for (const auto& c : cases) {
        SCOPED_TRACE((c.first + QLatin1Char('|') + c.second).toStdString());
        DocumentModel model(nullptr);
        model.tables().layouts = {titleSheet("*Paper_Space", c.first), titleSheet("*Paper_Space0", c.second)};
        const QString out = cadtest::saveTwiceAndAudit(model, path, QString::fromUtf8(kTabs));
        if (cadtest::secondReaderInstalled()) {
            EXPECT_TRUE(
                out.contains(QStringLiteral("TABS Model=Model:*Model_Space|%1=%1:*Paper_Space|%2=%2:*Paper_Space0")
                                 .arg(c.savedFirst, c.savedSecond)))
                << out.toStdString();
        }
        DocumentModel again(nullptr);
        readDxfFile(path, again);
        EXPECT_EQ(nameOf(again, "*Paper_Space"), c.savedFirst);
        EXPECT_EQ(nameOf(again, "*Paper_Space0"), c.savedSecond);
    }
}

// Plans with the layouts other programs write, made by the second reader: each case's file.
const char* kMakeLayoutPlans = R"(
import os
def renamed(doc, name):
    doc.layouts.rename("Layout1", name)
    return doc.layouts.get(name)
def one_layout(doc):
    renamed(doc, "A1图框").add_line((0, 0), (841, 0))
def tabs_reversed(doc):
    renamed(doc, "乙").add_line((0, 0), (1, 0))
    doc.layouts.new("甲").add_line((0, 0), (2, 0))
    doc.layouts.get("甲").dxf.taborder, doc.layouts.get("乙").dxf.taborder = 1, 2
def long_name_first(doc):
    renamed(doc, "乙")
    doc.layouts.new("长" * 400)
    doc.layouts.get("长" * 400).dxf.taborder, doc.layouts.get("乙").dxf.taborder = 1, 2
CASES = {"one_layout": ("R2000", one_layout), "one_empty_layout": ("R2000", lambda doc: None),
         "tabs_reversed": ("R2000", tabs_reversed), "long_name_first": ("R2000", long_name_first),
         "r12_no_layout": ("R12", lambda doc: None)}
for case in sys.argv[2:]:
    version, make = CASES[case]
    doc = ezdxf.new(version)
    doc.modelspace().add_line((0, 0), (10, 0))
    make(doc)
    doc.saveas(os.path.join(sys.argv[1], case + ".dxf"))
)";

// Each layout read is saved, no more, each in its tab's place; a plan without any (R12) is saved
// with the two a new drawing has.
TEST(DxfLayoutNames, TheLayoutsReadAreSavedInTheirTabOrder)
{
    if (!cadtest::secondReaderInstalled())
        GTEST_SKIP() << "python3-ezdxf is not installed";
    const struct {
        const char* name;
        const char* tabs; // after the plan's, as kTabs prints them
        int counted;
    } cases[] = {
        {"one_layout", "A1图框=A1图框:*Paper_Space", 0},
        {"one_empty_layout", "Layout1=Layout1:*Paper_Space", 0},
        {"tabs_reversed", "甲=甲:*Paper_Space0|乙=乙:*Paper_Space", 0},
        // A name too long to write back falls back to a free one, and keeps its tab.
        {"long_name_first", "Layout1=Layout1:*Paper_Space0|乙=乙:*Paper_Space", 1},
        {"r12_no_layout", "Layout1=Layout1:*Paper_Space|Layout2=Layout2:*Paper_Space0", 0},
    };
    QTemporaryDir dir;
    QStringList names;
    for (const auto& c : cases)
        names << QLatin1String(c.name);
    cadtest::runSecondReader(QString::fromUtf8(kMakeLayoutPlans), QStringList{dir.path()} + names);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DocumentModel model(nullptr);
        readDxfFile(dir.filePath(QLatin1String(c.name) + QStringLiteral(".dxf")), model);
        EXPECT_EQ(model.notKeptOnRead(), c.counted);
        const QString out =
            cadtest::saveTwiceAndAudit(model, dir.filePath(QStringLiteral("saved.dxf")), QString::fromUtf8(kTabs));
        EXPECT_TRUE(out.contains(QStringLiteral("TABS Model=Model:*Model_Space|%1\n").arg(QString::fromUtf8(c.tabs))))
            << out.toStdString();
    }
}

// The writer's own blocks (the plan's and the layouts'), the kept ones and the empty definitions of
// those only inserted share one name space, in any case: each name is written once.
TEST(DxfBlockNames, EachIsWrittenOnceInAnyCase)
{
    auto insert = [](const char* name) {
        EntityData e;
        e.kind = EntityKind::Insert;
        e.layer = QStringLiteral("0");
        e.blockName = QString::fromLatin1(name);
        return e;
    };
    EntityData line;
    line.kind = EntityKind::Line;
    line.layer = QStringLiteral("0");
    line.end = {1, 0, 0};
    DocumentModel model(nullptr);
    model.tables().blocks = {BlockDefinition{QStringLiteral("*paper_space0"), {0, 0, 0}, 0, {line}},
                             BlockDefinition{QStringLiteral("Tree"), {0, 0, 0}, 0, {line}}};
    for (const char* name : {"TREE", "Shrub", "SHRUB", "*Model_Space", "$PAPER_SPACE"})
        model.add(insert(name));
    QTemporaryDir dir;
    const QString out = cadtest::saveTwiceAndAudit(model, dir.filePath(QStringLiteral("blocks.dxf")), QStringLiteral(R"(
doc = audit(sys.argv[1])
with open(sys.argv[1], "rb") as f:
    lines = [l.strip().decode() for l in f.read().split(b"\n")]
groups = list(zip(lines[0::2], lines[1::2]))
def names(kind):
    out, current = [], None
    for c, v in groups:
        if c == "0":
            current = v
        elif c == "2" and current == kind:
            out.append(v.lower())
    return ",".join(sorted(out))
print("RECORDS", names("BLOCK_RECORD"))
print("BLOCKS", names("BLOCK"))
print("PLAN", ",".join(e.dxf.name for e in doc.modelspace()))
)"));
    if (!cadtest::secondReaderInstalled())
        GTEST_SKIP() << "no second reader";
    EXPECT_TRUE(out.contains(QStringLiteral("RECORDS *model_space,*paper_space,*paper_space0,shrub,tree\n"
                                            "BLOCKS *model_space,*paper_space,*paper_space0,shrub,tree\n"
                                            "PLAN TREE,Shrub,SHRUB\n")))
        << out.toStdString();
}

} // namespace
