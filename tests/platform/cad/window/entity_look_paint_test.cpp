// Polyline widths, true colours and mirrored texts are painted as other CAD programs show them.
#include "platform/cad/model/document_model.h"
#include "platform/cad/window/drawing_view_colors.h"
#include "platform/cad/window/drawing_view_renderer.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace cad;

namespace {

// A 400 x 400 view at 4 pixels a unit, centred on the origin.
ViewTransform view()
{
    ViewTransform v;
    v.size = QSizeF(400, 400);
    v.scale = 4;
    return v;
}

QImage paint(const std::vector<EntityData>& entities)
{
    DocumentModel model(nullptr);
    model.setDefaultTables();
    for (const EntityData& e : entities)
        model.add(e);
    QImage image(QSize(400, 400), QImage::Format_ARGB32_Premultiplied);
    image.fill(drawingBackground());
    QPainter p(&image);
    DrawingRenderer(model, view()).paintView(p, placedReferences(model));
    return image;
}

bool lit(const QImage& image, int x, int y) { return image.pixel(x, y) != drawingBackground().rgb(); }

// Lit pixels of the column at drawing x, and the box of all lit pixels.
int litInColumn(const QImage& image, double x)
{
    const int column = static_cast<int>(view().toScreen(x, 0).x());
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        n += lit(image, column, y) ? 1 : 0;
    return n;
}

QRect litBox(const QImage& image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (lit(image, x, y))
                box |= QRect(x, y, 1, 1);
    return box;
}

EntityData polyline(std::vector<PolyVertex> vertices, std::vector<SegmentWidth> widths, bool closed = false)
{
    EntityData e;
    e.kind = EntityKind::Polyline;
    e.vertices = std::move(vertices);
    e.closed = closed;
    if (!widths.empty())
        e.rare.edit().widths = std::move(widths);
    return e;
}

EntityData text(std::uint8_t flags, bool fromBelow = false)
{
    EntityData e;
    e.kind = fromBelow ? EntityKind::MText : EntityKind::Text;
    e.insertion = e.alignment = {0, 0, 0};
    e.text = QStringLiteral("一号避雷针");
    e.height = 5;
    if (flags)
        e.rare.edit().textFlags = flags;
    if (fromBelow)
        e.rare.edit().extrusion = {0, 0, -1};
    return e;
}

} // namespace

// A band as wide as the polyline's width, tapering where its two widths differ; a plain one stays a line.
TEST(EntityLookPaint, PolylinesAreFilledToTheirWidths)
{
    const struct {
        const char* what;
        EntityData entity;
        double x;     // where across it is measured
        double width; // how wide it must show there
    } cases[] = {
        {"plain", polyline({{-40, 0, 0}, {40, 0, 0}}, {}), 0, 0},
        {"constant", polyline({{-40, 0, 0}, {40, 0, 0}}, {{10, 10}, {10, 10}}), 0, 10},
        {"tapering, a quarter along", polyline({{-40, 0, 0}, {40, 0, 0}}, {{0, 8}, {0, 0}}), -20, 2},
        {"tapering, three quarters along", polyline({{-40, 0, 0}, {40, 0, 0}}, {{0, 8}, {0, 0}}), 20, 6},
        {"a bulged segment", polyline({{-40, 0, 1}, {40, 0, 0}}, {{6, 6}, {6, 6}}), 0, 6},
        // Segments whose ends lie far outside the view, crossing it.
        {"a segment across the view", polyline({{-4000, 0, 0}, {4000, 0, 0}}, {{10, 10}, {10, 10}}), 0, 10},
        {"an arc through the view", polyline({{-400, 400, 1}, {400, 400, 0}}, {{10, 10}, {10, 10}}), 0, 10},
    };
    for (const auto& c : cases) {
        const int n = litInColumn(paint({c.entity}), c.x);
        EXPECT_NEAR(n, std::max(c.width * view().scale, 1.5), 2.5) << c.what;
    }
    // The corners of a wide frame are square: their outer corner is filled.
    const QImage frame = paint(
        {polyline({{-30, -30, 0}, {30, -30, 0}, {30, 30, 0}, {-30, 30, 0}}, {{4, 4}, {4, 4}, {4, 4}, {4, 4}}, true)});
    const QPointF corner = view().toScreen(31.6, 31.6);
    EXPECT_TRUE(lit(frame, static_cast<int>(corner.x()), static_cast<int>(corner.y())));
    EXPECT_FALSE(lit(frame, 200, 200));
}

// A true colour is painted in its own RGB, not in the colour index the entity also has.
TEST(EntityLookPaint, TrueColoursArePaintedInTheirRgb)
{
    EntityData band = polyline({{-40, 0, 0}, {40, 0, 0}}, {{6, 6}, {6, 6}});
    band.color = 1; // red, were the true colour not shown
    band.rare.edit().trueColor = 0x0AC878;
    EntityData line;
    line.kind = EntityKind::Line;
    line.start = {-40, 20, 0};
    line.end = {40, 20.3, 0};
    line.rare.edit().trueColor = 0x0AC878;
    const QImage image = paint({band, line});
    const QPointF middle = view().toScreen(0, 0);
    EXPECT_EQ(QColor(image.pixel(static_cast<int>(middle.x()), static_cast<int>(middle.y()))),
              QColor(0x0A, 0xC8, 0x78));
    bool green = false;
    const int column = static_cast<int>(view().toScreen(0, 0).x());
    for (int y = 0; y < 200; ++y) {
        const QColor c(image.pixel(column, y));
        green = green || c.green() - c.red() > 100;
    }
    EXPECT_TRUE(green); // the line too, though antialiased
}

// A text drawn backwards lies to the left of where it hangs from, one upside down below it; a
// multi-line text hanging from its top left corner lies above it when seen from below (mirrored in
// the plan).
TEST(EntityLookPaint, MirroredTextsArePaintedMirrored)
{
    const QPointF at = view().toScreen(0, 0);
    const QRect plain = litBox(paint({text(0)}));
    const QRect backward = litBox(paint({text(2)}));
    const QRect upsideDown = litBox(paint({text(4)}));
    EntityData below = text(0, true), mtext = below;
    mtext.rare.reset();
    const QRect hanging = litBox(paint({mtext})), fromBelow = litBox(paint({below}));
    ASSERT_FALSE(plain.isEmpty());
    EXPECT_GE(plain.left(), at.x() - 2);
    EXPECT_LE(plain.bottom(), at.y() + 3);
    EXPECT_LE(backward.right(), at.x() + 2);
    EXPECT_NEAR(backward.width(), plain.width(), 3);
    EXPECT_GE(upsideDown.top(), at.y() - 3);
    EXPECT_GE(upsideDown.left(), at.x() - 2);
    EXPECT_GE(hanging.top(), at.y() - 3);
    EXPECT_LE(fromBelow.bottom(), at.y() + 3);
    EXPECT_NEAR(fromBelow.height(), hanging.height(), 3);
}
