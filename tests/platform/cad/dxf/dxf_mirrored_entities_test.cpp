// Entities a CAD program mirrored (extrusion (0, 0, -1)) stand, snap and are saved where they stand in the world.
#include "saved_twice.h"

#include "platform/cad/dxf/dxf_file.h"
#include "platform/cad/model/document_model.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

using namespace cad;

namespace {

// Written by the second reader: one entity per row, on a layer named for it, facing up (with the
// direction written out), down (mirrored) or tilted out of the plan.
const char* kMakePlan = R"(
out, rows = sys.argv[1], sys.argv[2:]
doc = ezdxf.new("R2000")
flag = doc.blocks.new("FLAG")
flag.add_line((0, 0), (0, 2))
flag.add_lwpolyline([(0, 2), (1, 1.5), (0, 1)])
msp = doc.modelspace()
directions = {"up": (0, 0, 1), "down": (0, 0, -1), "tilted": (0.6, 0, 0.8)}
for row in rows:
    kind, facing = row.split(":")
    a = {"layer": f"{kind}_{facing}", "extrusion": directions[facing]}
    if kind == "ARC":
        msp.add_arc((10, 10), 5, 0, 90, dxfattribs=a)
    elif kind == "ARCWIDE":
        msp.add_arc((10, 10), 5, 10, 350, dxfattribs=a)
    elif kind == "CIRCLE":
        msp.add_circle((10, 10), 3, dxfattribs=a)
    elif kind == "LWPOLYLINE":
        msp.add_lwpolyline([(0, 0, 0, 0, 0.5), (5, 0), (5, 5)], dxfattribs={**a, "elevation": 1})
    elif kind == "POLYLINE":
        p = msp.add_polyline2d([(0, 0), (5, 0), (5, 5)], dxfattribs={**a, "elevation": (0, 0, 2)})
        p.vertices[0].dxf.bulge = -0.4
    elif kind == "TEXT":
        msp.add_text("MIRROR", dxfattribs={**a, "insert": (20, 5), "height": 2, "rotation": 30})
    elif kind == "INSERT":
        msp.add_blockref("FLAG", (30, 0), dxfattribs={**a, "rotation": 20, "xscale": 2, "yscale": 1.5,
                                                      "row_count": 2, "column_count": 3, "row_spacing": 4,
                                                      "column_spacing": 3})
    elif kind == "INSERTTURNED":
        msp.add_blockref("FLAG", (30, 0), dxfattribs={**a, "rotation": 350, "xscale": 1, "yscale": 1, "zscale": 2})
    elif kind == "MTEXTVECTOR":
        msp.add_mtext("AB", dxfattribs={**a, "insert": (0, 20, 0), "char_height": 2, "text_direction": (0.8, 0.6, 0)})
    elif kind == "LINE":
        msp.add_line((0, 0, 1), (5, 5, 1), dxfattribs={**a, "thickness": 2})
    elif kind == "MTEXT":
        msp.add_mtext("AB", dxfattribs={**a, "insert": (0, 20, 0), "char_height": 2, "rotation": 15})
doc.saveas(out)
)";

// For each entity of the source, by its layer: "same" when the saved one has the same world
// extents (as the second reader works them out) and the same direction, else what differs;
// "absent" when it was not saved.
const char* kComparePlans = R"(
from ezdxf import bbox
source, saved = audit(sys.argv[1]), audit(sys.argv[2])
after = {e.dxf.layer: e for e in saved.modelspace()}
for e in source.modelspace():
    layer = e.dxf.layer
    if layer not in after:
        print("ROW", layer, "absent")
        continue
    s = after[layer]
    # The second reader's extents of a multi-line text take its angle as if it faced up; its direction is
    # compared as that reader reads it.
    for t in (e, s):
        if t.dxftype() == "MTEXT":
            t.convert_rotation_to_text_direction()
    a, b = bbox.extents([e]), bbox.extents([s])
    same = a.extmin.isclose(b.extmin, abs_tol=1e-9) and a.extmax.isclose(b.extmax, abs_tol=1e-9)
    same = same and e.dxf.extrusion.isclose(s.dxf.extrusion)
    print("ROW", layer, "same" if same else f"differs {a.extmin} {a.extmax} {e.dxf.extrusion} / {b.extmin} {b.extmax} {s.dxf.extrusion}")
)";

// For each entity of the source, by its layer: its world extents as the second reader works them out.
const char* kSourceBoxes = R"(
from ezdxf import bbox
for e in ezdxf.readfile(sys.argv[1]).modelspace():
    if e.dxftype() == "MTEXT":
        e.convert_rotation_to_text_direction() # its extents take an angle as if it faced up
    b = bbox.extents([e])
    print("BOX", e.dxf.layer, repr(b.extmin.x), repr(b.extmin.y), repr(b.extmax.x), repr(b.extmax.y))
)";

struct MirrorRow {
    const char* kind;
    const char* facing;
    bool kept; // a tilted entity is left out and counted, but a line's direction only raises its thickness
};

} // namespace

TEST(DxfMirroredEntities, StandWhereTheSecondReaderHasThemBeforeAndAfterSaving)
{
    if (!cadtest::secondReaderInstalled())
        GTEST_SKIP() << "python3-ezdxf is not installed";
    std::vector<MirrorRow> rows;
    for (const char* kind : {"ARC", "ARCWIDE", "CIRCLE", "LWPOLYLINE", "POLYLINE", "TEXT", "INSERT", "INSERTTURNED",
                             "MTEXT", "MTEXTVECTOR", "LINE"})
        for (const char* facing : {"up", "down", "tilted"})
            rows.push_back({kind, facing, QByteArray(facing) != "tilted" || QByteArray(kind) == "LINE"});
    QStringList args;
    int leftOut = 0;
    for (const MirrorRow& r : rows) {
        args << QStringLiteral("%1:%2").arg(QLatin1String(r.kind), QLatin1String(r.facing));
        leftOut += r.kept ? 0 : 1;
    }
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("mirrored.dxf")),
                  saved = dir.filePath(QStringLiteral("saved.dxf"));
    cadtest::runSecondReader(QString::fromUtf8(kMakePlan), QStringList{source} + args);

    DocumentModel model(nullptr);
    readDxfFile(source, model);
    EXPECT_EQ(model.notKeptOnRead(), leftOut); // saving over the file asks for a new name
    cadtest::saveTwiceAndAudit(model, saved);
    const QString out = cadtest::runSecondReader(QString::fromUtf8(kComparePlans), {source, saved});
    EXPECT_FALSE(out.contains(QStringLiteral("AUDIT"))) << out.toStdString();
    for (const MirrorRow& r : rows) {
        const QString row = QStringLiteral("ROW %1_%2 %3")
                                .arg(QLatin1String(r.kind), QLatin1String(r.facing),
                                     r.kept ? QStringLiteral("same") : QStringLiteral("absent"));
        EXPECT_TRUE(out.contains(row + QLatin1Char('\n'))) << row.toStdString() << "\n" << out.toStdString();
    }

    // The engine's own box of each entity kept stands where the second reader has the source in the
    // world: curves exactly, a text about its box (the engine estimates a text's extent), an insert
    // at a point of its block's extents (the engine's box of it).
    std::map<QString, Box> boxes;
    for (const QString& line :
         cadtest::runSecondReader(QString::fromUtf8(kSourceBoxes), {source}).split(QLatin1Char('\n'))) {
        const QStringList f = line.split(QLatin1Char(' '));
        if (f.size() == 6 && f[0] == QLatin1String("BOX"))
            boxes[f[1]] = {f[2].toDouble(), f[3].toDouble(), f[4].toDouble(), f[5].toDouble()};
    }
    std::map<QString, EntityData> kept;
    model.forEach([&](const EntityData& e) { kept[e.layer] = e; });
    for (const MirrorRow& r : rows) {
        const QString layer = QStringLiteral("%1_%2").arg(QLatin1String(r.kind), QLatin1String(r.facing));
        if (!r.kept || !kept.count(layer))
            continue;
        SCOPED_TRACE(layer.toStdString());
        ASSERT_TRUE(boxes.count(layer));
        const Box want = boxes[layer], got = boundingBox(kept[layer]);
        const QByteArray kind(r.kind);
        if (kind.startsWith("TEXT") || kind.startsWith("MTEXT")) {
            EXPECT_NEAR((got.minX + got.maxX) / 2, (want.minX + want.maxX) / 2, 2);
            EXPECT_NEAR((got.minY + got.maxY) / 2, (want.minY + want.maxY) / 2, 2);
        } else if (kind.startsWith("INSERT")) {
            EXPECT_TRUE(got.minX >= want.minX - 1e-9 && got.maxX <= want.maxX + 1e-9 && got.minY >= want.minY - 1e-9
                        && got.maxY <= want.maxY + 1e-9)
                << got.minX << " " << got.minY << " in " << want.minX << " " << want.minY << " " << want.maxX << " "
                << want.maxY;
        } else {
            // The second reader's extents of an arc are those of its flattened curve.
            EXPECT_NEAR(got.minX, want.minX, 1e-3);
            EXPECT_NEAR(got.minY, want.minY, 1e-3);
            EXPECT_NEAR(got.maxX, want.maxX, 1e-3);
            EXPECT_NEAR(got.maxY, want.maxY, 1e-3);
        }
    }
}

// An arc mirrored in the plan (centre (10, 10) in its own coordinates, 0 to 90 degrees) spans
// x -15 to -10 in the world: its ends and centre are snapped to there, and the engine finds it there.
TEST(DxfMirroredEntities, AreSnappedToWhereTheyStand)
{
    const QByteArray dxf = "0\nSECTION\n2\nENTITIES\n"
                           "0\nARC\n8\n0\n10\n10\n20\n10\n30\n0\n40\n5\n50\n0\n51\n90\n210\n0\n220\n0\n230\n-1\n"
                           "0\nENDSEC\n0\nEOF\n";
    DocumentModel model(nullptr);
    readDxf(dxf, model);
    ASSERT_EQ(model.count(), 1u);
    const struct {
        Point cursor;
        int mode;
        Point snapped;
    } cases[] = {
        {{-15.2, 10.1, 0}, SnapEnd, {-15, 10, 0}},
        {{-10.1, 15.2, 0}, SnapEnd, {-10, 15, 0}},
        {{-10.2, 10.1, 0}, SnapCenter, {-10, 10, 0}},
    };
    for (const auto& c : cases) {
        const auto s = model.snapPoint(c.cursor, 0.5, c.mode);
        ASSERT_TRUE(s) << c.cursor[0] << " " << c.cursor[1];
        EXPECT_NEAR(s->point[0], c.snapped[0], 1e-12);
        EXPECT_NEAR(s->point[1], c.snapped[1], 1e-12);
    }
    EXPECT_FALSE(model.snapPoint({15.1, 10, 0}, 0.5, SnapEnd)); // nothing where the file's numbers stand
    EXPECT_NE(model.nearestEntity({-13.5, 13.5, 0}, 1), 0u);
    EXPECT_EQ(model.nearestEntity({13.5, 13.5, 0}, 1), 0u);
}
