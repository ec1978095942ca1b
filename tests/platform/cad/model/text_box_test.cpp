// A text's box lies where the text stands: about its alignment point or attachment, over all its lines.
#include "platform/cad/model/document_model.h"

#include <gtest/gtest.h>
#include <numbers>

using namespace cad;

namespace {

EntityData text(EntityKind kind, const QString& s, double height)
{
    EntityData t;
    t.kind = kind;
    t.text = s;
    t.height = height;
    return t;
}

// Four characters 2 high at (10, 5), justified by `hAlign` and `vAlign`; as files written by
// scripts have it, the insertion point is the alignment point.
EntityData justified(int hAlign, int vAlign, double rotation = 0)
{
    EntityData t = text(EntityKind::Text, QStringLiteral("综合楼A"), 2);
    t.insertion = t.alignment = {10, 5, 0};
    t.hAlign = hAlign;
    t.vAlign = vAlign;
    t.rotation = rotation;
    return t;
}

// Lines 3 high (each 5 below the last), 30 wide, attached to (0, 0) by `attachment`: by default two.
EntityData paragraph(int attachment, const QString& s = QStringLiteral("一号门卫室\\P第二行"))
{
    EntityData t = text(EntityKind::MText, s, 3);
    t.mtextWidth = 30;
    t.attachment = attachment;
    return t;
}

// A text as a mirroring CAD program leaves it: its generation flags, oblique angle or, for a
// paragraph, its direction.
EntityData mirrored(EntityData t, int flags, double oblique = 0, double extrusionZ = 1)
{
    RareProperties& r = t.rare.edit();
    r.textFlags = static_cast<std::uint8_t>(flags);
    r.oblique = oblique;
    r.extrusion = {0, 0, extrusionZ};
    return t;
}

TEST(TextBox, StandsWhereTheTextIsDrawn)
{
    EntityData fitted = justified(5, 0);
    fitted.insertion = {0, 0, 0};
    struct Row {
        const char* what;
        EntityData entity;
        Box box;
    };
    const Row rows[] = {
        {"left on the baseline", justified(0, 0), {10, 5, 18, 7}},
        {"centred", justified(1, 0), {6, 5, 14, 7}},
        {"right-aligned", justified(2, 0), {2, 5, 10, 7}},
        {"middle", justified(4, 0), {6, 4, 14, 6}},
        {"top right", justified(2, 3), {2, 3, 10, 5}},
        {"middle left", justified(0, 2), {10, 4, 18, 6}},
        {"centred, turned a quarter", justified(1, 0, std::numbers::pi / 2), {8, 1, 10, 9}},
        {"fitted, from its insertion point", fitted, {0, 0, 8, 2}},
        {"paragraph hanging from its top left", paragraph(1), {0, -8, 30, 0}},
        {"paragraph about its middle", paragraph(5), {-15, -4, 15, 4}},
        {"paragraph standing on its bottom right", paragraph(9), {-30, 0, 0, 8}},
        {"paragraph of three lines", paragraph(1, QStringLiteral("1\\P2\\P3")), {0, -13, 30, 0}},
        {"a backslash written out breaks no line", paragraph(1, QStringLiteral("C:\\\\Plan")), {0, -3, 30, 0}},
        {"backwards, to the left of its start", mirrored(justified(0, 0), 2), {2, 5, 10, 7}},
        {"upside down, below its baseline", mirrored(justified(0, 0), 4), {10, 3, 18, 5}},
        {"slanted 45 degrees, its top leaning right", mirrored(justified(0, 0), 0, 45), {10, 5, 20, 7}},
        {"paragraph seen from below, standing on its anchor", mirrored(paragraph(1), 0, 0, -1), {0, 0, 30, 8}},
    };
    for (const auto& r : rows) {
        const Box b = boundingBox(r.entity);
        EXPECT_NEAR(b.minX, r.box.minX, 1e-9) << r.what;
        EXPECT_NEAR(b.minY, r.box.minY, 1e-9) << r.what;
        EXPECT_NEAR(b.maxX, r.box.maxX, 1e-9) << r.what;
        EXPECT_NEAR(b.maxY, r.box.maxY, 1e-9) << r.what;
    }
}

} // namespace
