// What an entity looks like beyond its geometry (widths, true colour, line weight, ...) is kept through saving.
#include "saved_twice.h"

#include "platform/cad/dxf/dxf_common_groups.h"
#include "platform/cad/dxf/dxf_file.h"
#include "platform/cad/model/document_model.h"

#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace cad;

namespace {

// Each row one entity on a layer named for it, made by the second reader in a version that has
// every property, and the attributes it is compared by. "widths" are each segment's widths as
// shown (a 2D polyline's defaults filled in), whichever kind of polyline holds them; "xdata" the
// extended data of each application (but those holding a handle, which are left out); "curve" the
// points and bulges shown of a polyline (a spline's frame left out); "points3d" a 3D polyline's
// vertices.
const char* kLookRows = R"(
RED = ezdxf.rgb2int((230, 30, 20))
APPS = ("RIDE_A", "RIDE_规划", "WITH_HANDLE")
def with_xdata(e, app="RIDE_规划", tags=((1000, "甲乙"), (1070, 7))):
    e.set_xdata(app, list(tags))
    return e
ALL_GROUPS = [(1000, "甲 and text"), (1002, "{"), (1070, -3), (1071, 70000), (1002, "}"), (1010, (1, 2.5, 3)),
              (1011, (4, 5, 6)), (1040, 2.5), (1041, 1e-7), (1042, -4.25), (1003, "0"), (1004, b"\xde\xad\xbe\xef")]
def xdata_handle(m, a):
    line = m.add_line((0, 0), (9, 0), dxfattribs=a)
    line.set_xdata("WITH_HANDLE", [(1000, "points at"), (1005, line.dxf.handle)])
    return with_xdata(line, "RIDE_A")
def block(m):
    if "ZB" not in m.doc.blocks:
        m.doc.blocks.new("ZB").add_line((0, 0), (1, 1))
    return "ZB"
def seqend_xdata(m, a, make=lambda m, a: m.add_polyline2d([(0, 0), (5, 5), (9, 0)], dxfattribs=a)):
    p = make(m, a)
    p.seqend.set_xdata("RIDE_A", [(1000, "end"), (1040, 2.5)])
    return p
def polyline2d(m, a, flags, frame, curve):
    p = m.add_polyline2d([], dxfattribs={**a, "flags": flags})
    p.append_vertices(frame, dxfattribs={"flags": 16})
    for x, y, b, f in curve:
        p.append_vertices([(x, y)], dxfattribs={"flags": f, "bulge": b})
    return p
ROWS = {
    "lineweight": (lambda m, a: m.add_line((0, 0), (9, 0), dxfattribs={**a, "lineweight": 50}), ["lineweight"]),
    "true_color": (lambda m, a: m.add_line((0, 0), (9, 0), dxfattribs={**a, "true_color": RED}), ["true_color"]),
    "color_name": (lambda m, a: m.add_line((0, 0), (9, 0), dxfattribs={**a, "true_color": RED, "color_name": "RAL$3020"}),
                   ["true_color", "color_name"]),
    "transparency": (lambda m, a: m.add_line((0, 0), (9, 0), dxfattribs={**a, "transparency": 0x0200007F}), ["transparency"]),
    "ltscale": (lambda m, a: m.add_line((0, 0), (9, 0), dxfattribs={**a, "ltscale": 2.5}), ["ltscale"]),
    "shadow_mode": (lambda m, a: m.add_line((0, 0), (9, 0), dxfattribs={**a, "shadow_mode": 3}), ["shadow_mode"]),
    "line_thickness": (lambda m, a: m.add_line((0, 0), (9, 0), dxfattribs={**a, "thickness": 3}), ["thickness"]),
    "circle_thickness": (lambda m, a: m.add_circle((0, 0), 2, dxfattribs={**a, "thickness": 1.5}), ["thickness"]),
    "arc_thickness": (lambda m, a: m.add_arc((0, 0), 2, 10, 80, dxfattribs={**a, "thickness": 1.5}), ["thickness", "start_angle", "end_angle"]),
    "const_width": (lambda m, a: m.add_lwpolyline([(0, 0), (40, 0), (40, 20)], close=True, dxfattribs={**a, "const_width": 0.7}),
                    ["const_width", "widths"]),
    "vertex_widths": (lambda m, a: m.add_lwpolyline([(0, 0, 0, 2, 0), (10, 0, 1, 1, 0.3), (20, 0)], dxfattribs=a), ["widths"]),
    "polyline_widths": (lambda m, a: m.add_polyline2d([(0, 0), (10, 0), (10, 10)],
                                                      dxfattribs={**a, "default_start_width": 0.3, "default_end_width": 0.5}),
                        ["widths"]),
    "polyline_thickness": (lambda m, a: m.add_lwpolyline([(0, 0), (5, 5)], dxfattribs={**a, "thickness": 2, "elevation": 1.5}),
                           ["thickness", "elevation"]),
    "plinegen": (lambda m, a: m.add_lwpolyline([(0, 0), (5, 5), (9, 0)], dxfattribs={**a, "flags": 128}), ["flags"]),
    "oblique": (lambda m, a: m.add_text("斜体", dxfattribs={**a, "height": 2, "oblique": 15}), ["oblique"]),
    "backward": (lambda m, a: m.add_text("BACK", dxfattribs={**a, "height": 2, "text_generation_flag": 2}),
                 ["text_generation_flag"]),
    "upside_down": (lambda m, a: m.add_text("DOWN", dxfattribs={**a, "height": 2, "text_generation_flag": 4}),
                    ["text_generation_flag"]),
    "text_thickness": (lambda m, a: m.add_text("T", dxfattribs={**a, "height": 2, "thickness": 0.5}), ["thickness"]),
    "line_spacing": (lambda m, a: m.add_mtext("一\\P二", dxfattribs={**a, "char_height": 2, "line_spacing_factor": 1.5,
                                                                     "line_spacing_style": 2}),
                     ["line_spacing_factor", "line_spacing_style"]),
    "flow_direction": (lambda m, a: m.add_mtext("竖", dxfattribs={**a, "char_height": 2, "flow_direction": 3}), ["flow_direction"]),
    "background": (lambda m, a: m.add_mtext("底", dxfattribs={**a, "char_height": 2, "bg_fill": 1, "bg_fill_color": 2,
                                                               "box_fill_scale": 1.5}),
                   ["bg_fill", "bg_fill_color", "box_fill_scale"]),
    "xdata_line": (lambda m, a: with_xdata(with_xdata(m.add_line((0, 0), (9, 0), dxfattribs=a), "RIDE_A", ALL_GROUPS)),
                   ["xdata"]),
    "xdata_circle": (lambda m, a: with_xdata(m.add_circle((0, 0), 2, dxfattribs=a)), ["xdata"]),
    "xdata_arc": (lambda m, a: with_xdata(m.add_arc((0, 0), 2, 10, 80, dxfattribs={**a, "extrusion": (0, 0, -1)})),
                  ["xdata", "extrusion"]),
    "xdata_text": (lambda m, a: with_xdata(m.add_text("字", dxfattribs={**a, "height": 2})), ["xdata", "text"]),
    "xdata_mtext": (lambda m, a: with_xdata(m.add_mtext("多\\P行", dxfattribs={**a, "char_height": 2})), ["xdata", "text"]),
    "xdata_lwpolyline": (lambda m, a: with_xdata(m.add_lwpolyline([(0, 0), (5, 5)], dxfattribs=a)), ["xdata"]),
    "xdata_polyline2d": (lambda m, a: with_xdata(m.add_polyline2d([(0, 0), (5, 5), (9, 0)], dxfattribs=a)), ["xdata"]),
    "xdata_handle": (xdata_handle, ["xdata"]),
    "polyline3d": (lambda m, a: m.add_polyline3d([(0, 0, 1.5), (5, 0, -2), (5, 5, 1e-3)], close=True, dxfattribs=a),
                   ["points3d", "flags"]),
    "polyline3d_xdata": (lambda m, a: with_xdata(m.add_polyline3d([(0, 0, 0), (1, 2, 3)], dxfattribs=a), "RIDE_A"),
                         ["points3d", "flags", "xdata"]),
    "insert_z_scale": (lambda m, a: m.add_blockref(block(m), (1, 2), dxfattribs={**a, "zscale": 3}), ["xscale", "yscale", "zscale"]),
    "insert_scales": (lambda m, a: m.add_blockref(block(m), (1, 2), dxfattribs={**a, "xscale": 2, "yscale": -1.5, "zscale": 0.5,
                                                                               "rotation": 15}),
                      ["xscale", "yscale", "zscale", "rotation"]),
    "widths_beside_constant": (lambda m, a: m.add_lwpolyline([(0, 0, 0.2, 0.4, 0), (10, 0, 0, 0.6, 0.5), (20, 0, 0, 0, 0)],
                                                             dxfattribs={**a, "const_width": 0.7}),
                               ["const_width", "vertex_widths", "curve"]),
    "arc_down_wide": (lambda m, a: m.add_arc((3, 4), 2, 10, 350, dxfattribs={**a, "extrusion": (0, 0, -1)}),
                      ["start_angle", "end_angle", "extrusion"]),
    "mtext_down_vector": (lambda m, a: m.add_mtext("向量", dxfattribs={**a, "char_height": 2, "extrusion": (0, 0, -1),
                                                                       "text_direction": (0.8, 0.6, 0)}),
                          ["direction", "extrusion"]),
    "mtext_down_angle": (lambda m, a: m.add_mtext("角度", dxfattribs={**a, "char_height": 2, "extrusion": (0, 0, -1), "rotation": 30}),
                         ["direction", "extrusion"]),
    "near_axis_up": (lambda m, a: m.add_circle((10, 20), 2, dxfattribs={**a, "extrusion": (1e-8, 0, 1)}), ["extrusion", "center"]),
    "near_axis_down": (lambda m, a: m.add_arc((10, 20), 2, 30, 60, dxfattribs={**a, "extrusion": (0, -1e-8, -1)}),
                       ["extrusion", "center", "start_angle", "end_angle"]),
    "seqend_xdata": (seqend_xdata, ["curve"]),
    "seqend_xdata3d": (lambda m, a: seqend_xdata(m, a, lambda m, a: m.add_polyline3d([(0, 0, 1), (5, 5, 2)], dxfattribs=a)),
                       ["points3d", "end_xdata"]),
    "spline_fit": (lambda m, a: polyline2d(m, a, 4, [(0, 0), (10, 10), (20, 0)],
                                           [(0, 0, 0, 8), (5, 3.75, 0, 8), (10, 5, 0, 8), (15, 3.75, 0, 8), (20, 0, 0, 8)]),
                   ["curve"]),
    "curve_fit": (lambda m, a: polyline2d(m, a, 2, [], [(0, 0, 0.3, 0), (5, 2, 0.2, 1), (10, 0, 0, 0)]), ["curve"]),
}
# Kept and shown, but counted: what they carry cannot be written back whole.
COUNTED = {"xdata_handle", "spline_fit", "curve_fit", "seqend_xdata"}
def widths(e):
    if e.dxftype() == "LWPOLYLINE":
        c = e.dxf.const_width
        return [(c, c) if c else (s, w) for x, y, s, w, b in e.get_points("xyseb")]
    return [(v.dxf.get("start_width", e.dxf.default_start_width), v.dxf.get("end_width", e.dxf.default_end_width))
            for v in e.vertices]
def xdata(e):
    tags = {app: [(t.code, t.value) for t in e.get_xdata(app)] for app in (e.xdata.data if e.xdata else {})}
    return {app: t for app, t in tags.items() if not any(code == 1005 for code, v in t)}
def curve(e):
    if e.dxftype() == "LWPOLYLINE":
        return [tuple(p) for p in e.get_points("xyb")]
    return [(v.dxf.location.x, v.dxf.location.y, v.dxf.bulge) for v in e.vertices if not v.dxf.flags & 16]
def direction(e):
    return tuple(round(c, 12) for c in e.get_text_direction().normalize())
def value(e, attribute):
    special = {"widths": widths, "xdata": xdata, "curve": curve, "points3d": lambda e: list(e.points()), "direction": direction,
               "end_xdata": lambda e: xdata(e.seqend),
               "vertex_widths": lambda e: [(s, w) for x, y, s, w, b in e.get_points("xyseb")]}
    v = special[attribute](e) if attribute in special else e.dxf.get(attribute, e.dxf.get_default(attribute))
    return round(v, 9) if attribute.endswith("_angle") else v
)";

const char* kMakePlan = R"(
doc = ezdxf.new("R2010")
for app in APPS:
    doc.appids.new(app)
msp = doc.modelspace()
for row in sys.argv[2:]:
    ROWS[row][0](msp, {"layer": row})
doc.saveas(sys.argv[1])
)";

// Per row "same" when the saved entity has every attribute of the row as the source has it.
const char* kComparePlans = R"(
source, saved = audit(sys.argv[1]), audit(sys.argv[2])
after = {e.dxf.layer: e for e in saved.modelspace()}
for e in source.modelspace():
    row = e.dxf.layer
    s = after.get(row)
    differs = [f"{a}: {value(e, a)} / {value(s, a) if s else None}" for a in ROWS[row][1] if s is None or value(e, a) != value(s, a)]
    print("ROW", row, "same" if not differs else "differs " + "; ".join(differs))
# No handle is written into extended data, and every application has its table entry.
for s in saved.modelspace():
    for app in (s.xdata.data if s.xdata else {}):
        if any(t.code == 1005 for t in s.get_xdata(app)):
            print("HANDLE in", s.dxf.layer)
        if app not in saved.appids:
            print("NO APPID", app)
# No group is written twice in one subclass of an entity's record, but those DXF repeats: a light-weight
# polyline's vertices, a text's chunks; extended data and reactors stand apart.
REPEATS = {"AcDbPolyline": {10, 20, 40, 41, 42, 91}, "AcDbMText": {3}}
with open(sys.argv[2], "rb") as f:
    lines = [l.strip() for l in f.read().split(b"\n")]
groups = [(int(c), v.decode("utf-8", "replace")) for c, v in zip(lines[0::2], lines[1::2]) if c]
section, record, subclass, seen = None, None, None, set()
for code, v in groups:
    if code == 0:
        record, subclass, seen = v, None, set()
    elif code == 2 and record == "SECTION":
        section = v
    elif code == 100:
        subclass, seen = v, set()
    elif section in ("ENTITIES", "BLOCKS") and code < 1000 and code != 102 and code not in REPEATS.get(subclass, ()):
        if (code in seen):
            print("TWICE", record, subclass, code)
        seen.add(code)
print("COUNTED", len(COUNTED))
)";

const char* const kRows[] = {"lineweight",         "true_color",        "color_name",
                             "transparency",       "ltscale",           "shadow_mode",
                             "line_thickness",     "circle_thickness",  "arc_thickness",
                             "const_width",        "vertex_widths",     "polyline_widths",
                             "polyline_thickness", "plinegen",          "oblique",
                             "backward",           "upside_down",       "text_thickness",
                             "line_spacing",       "flow_direction",    "background",
                             "xdata_line",         "xdata_circle",      "xdata_arc",
                             "xdata_text",         "xdata_mtext",       "xdata_lwpolyline",
                             "xdata_polyline2d",   "xdata_handle",      "polyline3d",
                             "polyline3d_xdata",   "spline_fit",        "curve_fit",
                             "insert_z_scale",     "insert_scales",     "widths_beside_constant",
                             "arc_down_wide",      "mtext_down_vector", "mtext_down_angle",
                             "near_axis_up",       "near_axis_down",    "seqend_xdata",
                             "seqend_xdata3d"};

std::vector<EntityData> entities(const DocumentModel& model)
{
    std::vector<EntityData> out;
    model.forEach([&](const EntityData& e) { out.push_back(e); });
    return out;
}

} // namespace

TEST(DxfEntityLook, EveryPropertyComesBackFromSavingAsTheSecondReaderReadIt)
{
    if (!cadtest::secondReaderInstalled())
        GTEST_SKIP() << "python3-ezdxf is not installed";
    const QStringList rows = cadtest::rowNames(kRows);
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("look.dxf")), saved = dir.filePath(QStringLiteral("saved.dxf"));
    cadtest::runSecondReader(QString::fromUtf8(kLookRows) + QString::fromUtf8(kMakePlan), QStringList{source} + rows);

    DocumentModel model(nullptr);
    readDxfFile(source, model);
    ASSERT_EQ(model.count(), std::size(kRows));
    writeDxfFile(saved, model);
    const QString out =
        cadtest::runSecondReader(QString::fromUtf8(kLookRows) + QString::fromUtf8(kComparePlans), {source, saved});
    EXPECT_FALSE(out.contains(QStringLiteral("AUDIT"))) << out.toStdString();
    EXPECT_FALSE(out.contains(QStringLiteral("HANDLE")) || out.contains(QStringLiteral("NO APPID"))
                 || out.contains(QStringLiteral("TWICE")))
        << out.toStdString();
    // Those that lose something on saving are counted, so that saving over the file asks first.
    EXPECT_TRUE(out.contains(QStringLiteral("COUNTED %1\n").arg(model.notKeptOnRead()))) << out.toStdString();
    for (const QString& row : rows)
        EXPECT_TRUE(out.contains(QStringLiteral("ROW %1 same\n").arg(row))) << row.toStdString() << "\n"
                                                                            << out.toStdString();

    // Read back by the engine, every entity is the one it saved.
    DocumentModel again(nullptr);
    readDxfFile(saved, again);
    const auto first = entities(model), second = entities(again);
    ASSERT_EQ(first.size(), second.size());
    for (std::size_t i = 0; i < first.size(); ++i) {
        EntityData a = first[i], b = second[i];
        a.handle = b.handle = 0;
        a.style = b.style; // the file's default style is named once saved
        EXPECT_TRUE(a == b) << first[i].layer.toStdString();
    }
    // Saved again, the same bytes (the sequences of the 3D polylines and the table of applications too).
    cadtest::saveTwiceAndAudit(model, dir.filePath(QStringLiteral("twice.dxf")));
}

// A common group at DXF's default is no property of the entity's own: its record stays empty.
TEST(DxfEntityLook, TheCommonGroupsDefaultsAreTheRecordsDefaults)
{
    const RareProperties defaults;
    for (const DxfCommonGroup& g : dxfCommonGroups()) {
        SCOPED_TRACE(g.field);
        if (!g.text) {
            EXPECT_EQ(g.number(defaults), g.byDefault);
            // A true colour given is a colour whatever its high byte: -1 (none) read is white.
            RareProperties read;
            EXPECT_TRUE(g.read(read, g.byDefault));
            EXPECT_TRUE(read == defaults || g.code == 420);
        } else {
            EXPECT_TRUE((defaults.*g.text).isEmpty());
        }
    }
}

// Awkward values of the rare groups: each is kept within what it can mean, and a plain entity with
// the defaults written out carries no rare record.
TEST(DxfEntityLook, OddValuesAreKeptWithinWhatTheyMean)
{
    const struct {
        const char* entity;
        std::function<void(const EntityData&)> check;
        int counted = 0;
    } cases[] = {
        {"LINE\n370\n-1\n48\n1.0\n10\n0\n20\n0\n11\n1\n21\n0\n", [](const EntityData& e) { EXPECT_FALSE(e.rare); }},
        {"LINE\n370\n999\n420\n-1\n48\n-2\n10\n0\n20\n0\n11\n1\n21\n0\n",
         [](const EntityData& e) {
             EXPECT_EQ(e.rare->lineweight, 211);
             EXPECT_EQ(e.rare->trueColor, 0xFFFFFF);
             EXPECT_EQ(e.rare->linetypeScale, 1);
         },
         1}, // no line weight of DXF's: written as readers repair it, and counted
        // No direction at all stands for the default, as other readers take it; it is written back as read.
        {"ARC\n10\n1\n20\n2\n40\n1\n50\n0\n51\n90\n210\n0\n220\n0\n230\n0\n",
         [](const EntityData& e) {
             EXPECT_EQ(e.center, (Point{1, 2, 0}));
             EXPECT_EQ(e.rare->extrusion, (Point{0, 0, 0}));
         }},
        // A direction of any length down mirrors; a direction off the axis by rounding alone too.
        {"CIRCLE\n10\n1\n20\n2\n30\n3\n40\n1\n230\n-2\n",
         [](const EntityData& e) {
             EXPECT_EQ(e.center, (Point{-1, 2, -3}));
         }},
        {"CIRCLE\n10\n1\n20\n2\n40\n1\n210\n1e-14\n230\n-1\n", [](const EntityData& e) { EXPECT_EQ(e.center[0], -1); }},
        // Off the axis by 1e-8 and more, as other programs' rounding leaves it: placed by the axis's
        // rule where the exact rule puts it no farther off than rounding, the direction kept as read.
        {"CIRCLE\n10\n1000\n20\n2000\n40\n1\n210\n1e-8\n230\n-1\n",
         [](const EntityData& e) {
             EXPECT_EQ(e.center, (Point{-1000, 2000, 0}));
             EXPECT_EQ(e.rare->extrusion, (Point{1e-8, 0, -1}));
         }},
        {"ARC\n10\n5\n20\n5\n40\n1\n50\n0\n51\n90\n220\n3e-6\n230\n1\n",
         [](const EntityData& e) {
             EXPECT_EQ(e.center, (Point{5, 5, 0}));
         }},
        // High above the plan, the same direction would move it by more than rounding: tilted.
        {"CIRCLE\n10\n1\n20\n2\n30\n1000\n40\n1\n210\n1e-8\n230\n-1\n", nullptr, 1},
        {"CIRCLE\n10\n1\n20\n2\n40\n1\n210\n1e-3\n230\n-1\n", nullptr, 1},
        {"LWPOLYLINE\n90\n2\n10\n0\n20\n0\n40\n-5\n41\n-3\n10\n1\n20\n0\n40\n2\n",
         [](const EntityData& e) {
             EXPECT_EQ(e.rare->widths, (std::vector<SegmentWidth>{{0, 0}, {2, 0}}));
         }},
        {"TEXT\n10\n0\n20\n0\n40\n1\n1\nA\n71\n255\n51\n1e300\n",
         [](const EntityData& e) {
             EXPECT_EQ(e.rare->textFlags, 6);
             EXPECT_EQ(e.rare->oblique, 1e300); // kept as read; the painter holds its slant within reason
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entity);
        const QByteArray dxf = QByteArray("0\nSECTION\n2\nENTITIES\n0\n") + c.entity + "0\nENDSEC\n0\nEOF\n";
        DocumentModel model(nullptr);
        try {
            readDxf(dxf, model);
        } catch (...) {
            ADD_FAILURE() << "refused";
            continue;
        }
        EXPECT_EQ(model.notKeptOnRead(), c.counted);
        ASSERT_EQ(model.count(), c.check ? 1u : 0u);
        if (c.check)
            c.check(entities(model)[0]);
    }
}

// A line weight, shadow mode or line spacing beyond what CAD programs offer: kept as read where the
// second reader takes it, else written as readers repair it and counted.
TEST(DxfEntityLook, ValuesBeyondTheirRangeAreKeptOrCounted)
{
    const struct {
        const char* entity;
        int counted;
        const char* saved; // the attribute as the second reader reads the saved file
    } cases[] = {
        {"LINE\n8\n0\n370\n17\n11\n1\n", 1, "lineweight 18"},
        {"LINE\n8\n0\n370\n-7\n11\n1\n", 1, "lineweight -1"},
        {"LINE\n8\n0\n370\n211\n11\n1\n", 0, "lineweight 211"},
        {"LINE\n8\n0\n284\n7\n11\n1\n", 0, "shadow_mode 7"},
        {"MTEXT\n8\n0\n40\n2\n1\nA\n44\n9.5\n", 0, "line_spacing_factor 9.5"},
        {"MTEXT\n8\n0\n40\n2\n1\nA\n44\n0.1\n", 0, "line_spacing_factor 0.1"},
    };
    QTemporaryDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entity);
        DocumentModel model(nullptr);
        readDxf(QByteArray("0\nSECTION\n2\nENTITIES\n0\n") + c.entity + "0\nENDSEC\n0\nEOF\n", model);
        EXPECT_EQ(model.notKeptOnRead(), c.counted);
        const QString attribute = QString::fromLatin1(c.saved).section(QLatin1Char(' '), 0, 0);
        const QString out = cadtest::saveTwiceAndAudit(
            model, dir.filePath(QStringLiteral("range.dxf")),
            QStringLiteral("e = audit(sys.argv[1]).modelspace()[0]\nprint('%1', e.dxf.get('%1'))\n").arg(attribute));
        if (cadtest::secondReaderInstalled()) {
            EXPECT_EQ(out.trimmed(), QLatin1String(c.saved));
        }
    }
}

// What is shown of an entity whose file gives more than saving can write back, and whether it is
// counted (so that saving over its file asks for a new name first). A text's columns and embedded
// object reuse the codes of its own groups: they must not move or resize it.
TEST(DxfEntityLook, WhatCannotBeWrittenBackIsShownAsCADProgramsShowItAndCounted)
{
    const char* const kMText = "MTEXT\n8\n0\n10\n3\n20\n4\n40\n2\n41\n30\n71\n5\n1\nAB\n50\n30\n";
    const char* const kEmbedded =
        "101\nEmbedded Object\n70\n1\n10\n1\n20\n0\n30\n0\n11\n9\n21\n9\n31\n0\n40\n5\n41\n10\n"
        "42\n11\n43\n10\n71\n%1\n72\n2\n44\n5\n45\n1\n73\n0\n74\n0\n46\n10\n46\n10\n";
    auto sameText = [](const EntityData& e) {
        EXPECT_EQ(e.insertion, (Point{3, 4, 0}));
        EXPECT_EQ(e.height, 2);
        EXPECT_EQ(e.mtextWidth, 30);
        EXPECT_EQ(e.attachment, 5);
        EXPECT_NEAR(e.rotation, M_PI / 6, 1e-12);
        EXPECT_EQ(e.text, QStringLiteral("AB"));
        EXPECT_FALSE(e.rare); // the column width (48) is no line type scale
    };
    auto xs = [](const EntityData& e) {
        std::vector<double> out;
        for (const PolyVertex& v : e.vertices)
            out.push_back(v.x);
        return out;
    };
    const struct {
        QByteArray entity;
        int counted;
        std::function<void(const EntityData&)> check;
    } cases[] = {
        {QByteArray(kMText) + QString::fromLatin1(kEmbedded).arg(1).toLatin1(), 1, sameText},
        {QByteArray(kMText) + QString::fromLatin1(kEmbedded).arg(0).toLatin1(), 0, sameText}, // no columns
        {QByteArray(kMText) + "75\n1\n76\n2\n78\n0\n79\n0\n48\n5\n49\n1\n50\n10\n50\n10\n", 1, sameText},
        // A spline on a polyline: the frame's control points (16) are not drawn, the spline's (8) are.
        {"POLYLINE\n8\n0\n66\n1\n70\n4\n"
         "0\nVERTEX\n8\n0\n10\n0\n20\n0\n70\n16\n"
         "0\nVERTEX\n8\n0\n10\n10\n20\n10\n70\n16\n"
         "0\nVERTEX\n8\n0\n10\n0\n20\n0\n70\n8\n"
         "0\nVERTEX\n8\n0\n10\n5\n20\n3\n70\n8\n"
         "0\nVERTEX\n8\n0\n10\n9\n20\n0\n70\n8\n"
         "0\nSEQEND\n",
         1,
         [&](const EntityData& e) {
             EXPECT_EQ(xs(e), (std::vector<double>{0, 5, 9}));
         }},
        // A curve fitted through the vertices: the points it adds (1) and their bulges are drawn.
        {"POLYLINE\n8\n0\n66\n1\n70\n2\n"
         "0\nVERTEX\n8\n0\n10\n0\n20\n0\n42\n0.3\n"
         "0\nVERTEX\n8\n0\n10\n5\n20\n2\n42\n0.2\n70\n1\n"
         "0\nVERTEX\n8\n0\n10\n9\n20\n0\n"
         "0\nSEQEND\n",
         1,
         [&](const EntityData& e) {
             EXPECT_EQ(xs(e), (std::vector<double>{0, 5, 9}));
             EXPECT_EQ(e.vertices[1].bulge, 0.2);
         }},
        // Extended data of a vertex has no record to be kept in.
        {"POLYLINE\n8\n0\n66\n1\n"
         "0\nVERTEX\n8\n0\n10\n0\n20\n0\n1001\nAPP\n1000\nx\n"
         "0\nVERTEX\n8\n0\n10\n9\n20\n0\n"
         "0\nSEQEND\n",
         1,
         [&](const EntityData& e) {
             EXPECT_EQ(xs(e), (std::vector<double>{0, 9}));
         }},
        // A group before any application's name belongs to none; the application after it is kept.
        {"LINE\n8\n0\n11\n1\n1000\nstray\n1001\nAPP\n1000\nkept\n", 1,
         [](const EntityData& e) {
             ASSERT_EQ(e.rare->extendedData.size(), 2u);
             EXPECT_EQ(e.rare->extendedData[1].text, QStringLiteral("kept"));
         }},
        // A handle cannot stay right: that application is left out, the others kept in their order.
        {"LINE\n8\n0\n11\n1\n1001\nA\n1070\n1\n1001\nH\n1000\nx\n1005\n2F\n1001\nB\n1040\n0.5\n", 1,
         [](const EntityData& e) {
             std::vector<std::int16_t> codes;
             for (const ExtendedGroup& g : e.rare->extendedData)
                 codes.push_back(g.code);
             EXPECT_EQ(codes, (std::vector<std::int16_t>{1001, 1070, 1001, 1040}));
             EXPECT_EQ(e.rare->extendedData[2].text, QStringLiteral("B"));
         }},
        // A 3D polyline keeps each vertex's height; it has no bulges or widths.
        {"POLYLINE\n8\n0\n66\n1\n70\n9\n40\n2\n0\nVERTEX\n8\n0\n10\n1\n20\n2\n30\n3\n42\n1\n70\n32\n"
         "0\nVERTEX\n8\n0\n10\n4\n20\n5\n30\n-6\n40\n1\n70\n32\n0\nSEQEND\n",
         0,
         [&](const EntityData& e) {
             EXPECT_EQ(xs(e), (std::vector<double>{1, 4}));
             EXPECT_TRUE(e.closed);
             EXPECT_EQ(e.vertices[0].bulge, 0);
             EXPECT_EQ(e.rare->vertexZ, (std::vector<double>{3, -6}));
             EXPECT_TRUE(e.rare->widths.empty());
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entity.toStdString());
        const QByteArray dxf = "0\nSECTION\n2\nENTITIES\n0\n" + c.entity + "0\nENDSEC\n0\nEOF\n";
        DocumentModel model(nullptr);
        readDxf(dxf, model);
        EXPECT_EQ(model.notKeptOnRead(), c.counted);
        ASSERT_EQ(model.count(), 1u);
        c.check(entities(model)[0]);
    }
    // An entity left out (tilted out of the plan) is counted once, whatever else it carries.
    DocumentModel tilted(nullptr);
    readDxf(
        "0\nSECTION\n2\nENTITIES\n0\nCIRCLE\n8\n0\n40\n1\n210\n0.6\n230\n0.8\n1001\nH\n1005\n2F\n0\nENDSEC\n0\nEOF\n",
        tilted);
    EXPECT_EQ(tilted.count(), 0u);
    EXPECT_EQ(tilted.notKeptOnRead(), 1);
}
