// Layers and blocks as other programs write them come back from saving as the second reader read them.
#include "saved_twice.h"

#include "platform/cad/dxf/dxf_file.h"
#include "platform/cad/model/document_model.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace cad;

namespace {

// Each row one layer or block named for the row (or the plan's or the layout's own block), made by
// the second reader, and the attributes it is compared by. Every block is inserted in the plan (an
// external reference is the plan's link to its base map); "xdata" is the extended data of every
// application.
const char* kTableRows = R"(
RED = ezdxf.rgb2int((230, 30, 20))
def layer(doc, name, **kw):
    return doc.layers.add(name, **kw)
def described(doc, name):
    l = layer(doc, name)
    l.description = "避雷带所在层"
    return l
def with_xdata(e):
    e.set_xdata("RIDE_规划", [(1000, "甲乙"), (1070, 7), (1040, 2.5)])
    return e
def block(doc, name):
    b = doc.blocks.new(name)
    b.add_line((0, 0), (1, 0))
    return b
def block_described(doc, name):
    b = block(doc, name)
    b.block.dxf.description = "一棵树"
    return b
ROWS = {
    "not_plotted": ("layer", lambda d, n: layer(d, n, plot=False), ["plot"]),
    "true_color": ("layer", lambda d, n: layer(d, n, color=3, true_color=RED), ["true_color", "color"]),
    "described": ("layer", described, ["description"]),
    "transparent": ("layer", lambda d, n: layer(d, n, transparency=0.4), ["transparency"]),
    "layer_xdata": ("layer", lambda d, n: with_xdata(layer(d, n)), ["xdata"]),
    "all_at_once": ("layer", lambda d, n: with_xdata(layer(d, n, plot=False, true_color=RED, transparency=0.25, lineweight=35)),
                    ["plot", "true_color", "transparency", "lineweight", "xdata"]),
    "xref": ("block", lambda d, n: d.add_xref_def("底图/总平面.dxf", n), ["flags", "xref_path", "is_xref"]),
    "xref_overlay": ("block", lambda d, n: d.add_xref_def("底图.dxf", n, flags=4 | 8), ["flags", "xref_path", "is_xref"]),
    "block_described": ("block", block_described, ["description"]),
    "block_xdata": ("block", lambda d, n: with_xdata(block(d, n).block), ["xdata"]),
    "record_xdata": ("record", lambda d, n: with_xdata(block(d, n).block_record), ["xdata"]),
    "model_block_xdata": ("own", lambda d, n: with_xdata(d.blocks.get(OWN[n]).block), ["xdata"]),
    "layout_block_xdata": ("own", lambda d, n: with_xdata(d.blocks.get(OWN[n]).block), ["xdata"]),
}
OWN = {"model_block_xdata": "*Model_Space", "layout_block_xdata": "*Paper_Space"}
def find(doc, row):
    kind = ROWS[row][0]
    if kind == "layer":
        return doc.layers.get(row) if doc.layers.has_entry(row) else None
    b = doc.blocks.get(OWN.get(row, row))
    return None if b is None else b.block_record if kind == "record" else b.block
def xdata(e):
    return {app: [(t.code, t.value) for t in e.get_xdata(app)] for app in (e.xdata.data if e.xdata else {})}
def value(e, attribute):
    special = {"xdata": xdata, "description": lambda e: e.description if e.dxftype() == "LAYER" else e.dxf.get("description"),
               "transparency": lambda e: e.transparency, "is_xref": lambda e: e.is_xref}
    return special[attribute](e) if attribute in special else e.dxf.get(attribute)
)";

const char* kMakePlan = R"(
doc = ezdxf.new("R2010")
doc.appids.new("RIDE_规划")
msp = doc.modelspace()
for row in sys.argv[2:]:
    ROWS[row][1](doc, row)
    if ROWS[row][0] == "layer":
        msp.add_line((0, 0), (9, 0), dxfattribs={"layer": row})
    elif ROWS[row][0] != "own":
        msp.add_blockref(row, (1, 2))
doc.saveas(sys.argv[1])
)";

// Per row "same" when the saved layer or block has every attribute of the row as the source has it.
const char* kComparePlans = R"(
source, saved = audit(sys.argv[1]), audit(sys.argv[2])
for row in sys.argv[3:]:
    s, t = find(source, row), find(saved, row)
    differs = [f"{a}: {value(s, a)} / {value(t, a) if t else None}" for a in ROWS[row][2] if t is None or value(s, a) != value(t, a)]
    print("ROW", row, "same" if not differs else "differs " + "; ".join(differs))
# No group of a layer's own is written twice (the second reader keeps the last one).
with open(sys.argv[2], "rb") as f:
    lines = [l.strip() for l in f.read().split(b"\n")]
record = None
for c, v in zip(lines[0::2], lines[1::2]):
    if c == b"0":
        record = [] if v == b"LAYER" else None
    elif record is not None and c != b"100" and int(c) < 1000:
        if c in record:
            print("TWICE", c.decode(), "in a layer")
        record.append(c)
print("INSERTS", sorted(e.dxf.name for e in saved.modelspace().query("INSERT")) == sorted(e.dxf.name for e in source.modelspace().query("INSERT")))
)";

const char* const kRows[] = {
    "not_plotted",  "true_color",      "described",   "transparent",  "layer_xdata",       "all_at_once",       "xref",
    "xref_overlay", "block_described", "block_xdata", "record_xdata", "model_block_xdata", "layout_block_xdata"};

} // namespace

TEST(DxfTables, LayersAndBlocksComeBackFromSavingAsTheSecondReaderReadThem)
{
    if (!cadtest::secondReaderInstalled())
        GTEST_SKIP() << "python3-ezdxf is not installed";
    const QStringList rows = cadtest::rowNames(kRows);
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("tables.dxf")),
                  saved = dir.filePath(QStringLiteral("saved.dxf"));
    cadtest::runSecondReader(QString::fromUtf8(kTableRows) + QString::fromUtf8(kMakePlan), QStringList{source} + rows);

    DocumentModel model(nullptr);
    readDxfFile(source, model);
    EXPECT_EQ(model.notKeptOnRead(), 0); // all of it is kept: saving over the file asks nothing
    cadtest::saveTwiceAndAudit(model, saved);
    const QString out = cadtest::runSecondReader(QString::fromUtf8(kTableRows) + QString::fromUtf8(kComparePlans),
                                                 QStringList{source, saved} + rows);
    EXPECT_FALSE(out.contains(QStringLiteral("AUDIT"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("INSERTS True\n"))) << out.toStdString();
    EXPECT_FALSE(out.contains(QStringLiteral("TWICE"))) << out.toStdString(); // the file's own Defpoints too
    for (const QString& row : rows)
        EXPECT_TRUE(out.contains(QStringLiteral("ROW %1 same\n").arg(row))) << out.toStdString();

    // Read back by the engine, every layer and block is the one it saved.
    DocumentModel again(nullptr);
    readDxfFile(saved, again);
    EXPECT_EQ(again.notKeptOnRead(), 0);
    EXPECT_EQ(again.tables().layers, model.tables().layers);
    EXPECT_EQ(again.tables().blocks, model.tables().blocks);
}
