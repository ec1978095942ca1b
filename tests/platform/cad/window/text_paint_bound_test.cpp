// Texts cost a paint only what the view shows of them, and a bounded number of characters in all;
// what the view shows of them is drawn.
#include "platform/cad/model/document_model.h"
#include "platform/cad/window/drawing_view_colors.h"
#include "platform/cad/window/drawing_view_renderer.h"
#include "platform/cad/window/drawing_view_text.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace cad;

namespace {

constexpr short kGreen = 3;

EntityData text(EntityKind kind, const QString& s, double height)
{
    EntityData t;
    t.kind = kind;
    t.text = s;
    t.insertion = t.alignment = {0, 0, 0};
    t.height = height;
    t.color = kGreen;
    return t;
}

// A justified text standing by its alignment point at the origin.
EntityData aligned(EntityKind kind, const QString& s, double height, int hAlign, int attachment = 1)
{
    EntityData t = text(kind, s, height);
    t.hAlign = hAlign;
    t.attachment = attachment;
    return t;
}

// A view `width` x 200 pixels, `scale` pixels to the unit, with its left edge at x = `left` and the
// drawing's y = 0 a little below its top.
ViewTransform viewFrom(double left, double scale, double width = 800)
{
    ViewTransform v;
    v.size = QSizeF(width, 200);
    v.scale = scale;
    v.cx = left + width / 2 / scale;
    v.cy = -(100 - 40) / scale;
    return v;
}

struct Painted {
    std::size_t laidOut;
    QImage image;
};

Painted paint(const EntityData& e, const ViewTransform& view)
{
    DocumentModel model(nullptr);
    model.setDefaultTables();
    model.add(e);
    Painted out{0, QImage(view.size.toSize(), QImage::Format_ARGB32_Premultiplied)};
    out.image.fill(drawingBackground());
    QPainter p(&out.image);
    DrawingRenderer renderer(model, view);
    renderer.paintView(p, placedReferences(model));
    out.laidOut = renderer.laidOutCharacters();
    return out;
}

// How many pixels of row `y` show anything.
int litInRow(const QImage& image, int y)
{
    int lit = 0;
    for (int x = 0; x < image.width(); ++x)
        lit += image.pixelColor(x, y) != drawingBackground();
    return lit;
}

// The first and last columns of the image that show anything.
std::pair<int, int> inkColumns(const QImage& image)
{
    int first = image.width(), last = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != drawingBackground()) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    return {first, last};
}

// The most pixels lit in one of the rows from `y0` to `y1`.
int widestRow(const QImage& image, int y0, int y1)
{
    int most = 0;
    for (int y = y0; y <= y1; ++y)
        most = std::max(most, litInRow(image, y));
    return most;
}

TEST(TextPaintBound, OnlyWhatTheViewShowsIsLaidOut)
{
    QString tallParagraph;
    for (int i = 0; i < 1000; ++i)
        tallParagraph += QStringLiteral("综合楼避雷针保护范围\\P");
    const QString longLine = QString(100000, QChar(0x7EFC)); // 综, each as wide as high
    // 270 characters, laid out in two pieces, about 300 units long at height 1: at 4 pixels to the
    // unit a view of 2600 pixels about the origin shows all of it, however it is aligned.
    const QString alignedLine = QStringLiteral("防雷保护范围计算").repeated(34).left(270);
    const ViewTransform wide = viewFrom(-325, 4, 2600);
    // Where the ink of a row stands about the alignment point: a long aligned line stands by its
    // measured width, as it would laid out whole.
    enum class Ink { Anywhere, CentredOnIt, EndingAtIt };
    struct Row {
        const char* what;
        EntityData entity;
        ViewTransform view;
        std::size_t least, most;
        Ink ink = Ink::Anywhere;
    };
    const Row rows[] = {
        {"a readable text is laid out whole", text(EntityKind::Text, QStringLiteral("综合楼 A-1"), 2), viewFrom(-1, 10),
         7, 7},
        {"a text too small to read is a bar", text(EntityKind::Text, QStringLiteral("综合楼 A-1"), 2), viewFrom(-1, 1),
         0, 0},
        // 20 pixels high, a line every 33 pixels: five lines reach into the view.
        {"lines of a paragraph below the view are not", text(EntityKind::MText, tallParagraph, 2), viewFrom(-1, 10), 10,
         100},
        // 40 characters of 20 pixels fill the width.
        {"a long line is laid out as far as the view reaches", text(EntityKind::MText, longLine, 2), viewFrom(-1, 10),
         40, 40 + 2 * 256},
        {"a long line seen far along is laid out up to the bound", text(EntityKind::MText, longLine, 2),
         viewFrom(2 * 90000, 10), kTextCharactersPerPaint - 256, kTextCharactersPerPaint},
        // Measured once (the first time, at the cost of laying it out) and laid out whole.
        {"a long centred line", aligned(EntityKind::Text, alignedLine, 1, 1), wide, 270, 2 * 270, Ink::CentredOnIt},
        {"a long middle-aligned line", aligned(EntityKind::Text, alignedLine, 1, 4), wide, 270, 2 * 270,
         Ink::CentredOnIt},
        {"a long right-aligned line", aligned(EntityKind::Text, alignedLine, 1, 2), wide, 270, 2 * 270,
         Ink::EndingAtIt},
        {"a long top-centre paragraph line", aligned(EntityKind::MText, alignedLine, 1, 0, 2), wide, 270, 2 * 270,
         Ink::CentredOnIt},
        {"a long bottom-right paragraph line", aligned(EntityKind::MText, alignedLine, 1, 0, 9), wide, 270, 2 * 270,
         Ink::EndingAtIt},
        // Too long to measure whole in one paint: it stands by a measured sample of its pieces, and
        // reaching its end from its start takes what is left of the bound.
        {"a right-aligned line too long to measure whole",
         aligned(EntityKind::Text, QString(16000, QChar(0x7EFC)), 1, 2), viewFrom(-100, 4), 16000,
         kTextCharactersPerPaint, Ink::EndingAtIt},
    };
    for (const auto& r : rows) {
        const Painted p = paint(r.entity, r.view);
        EXPECT_GE(p.laidOut, r.least) << r.what;
        EXPECT_LE(p.laidOut, r.most) << r.what;
        EXPECT_GT(widestRow(p.image, 0, p.image.height() - 1), 0) << r.what << " shows nothing";
        // Within half a unit: estimated, these lines stood 13 and 27 units off.
        const auto [first, last] = inkColumns(p.image);
        const double at = r.view.toScreen(0, 0).x();
        if (r.ink == Ink::CentredOnIt) {
            EXPECT_NEAR((first + last) / 2.0, at, 2) << r.what << " stands off centre";
        } else if (r.ink == Ink::EndingAtIt) {
            EXPECT_NEAR(last, at, 2) << r.what << " ends off its alignment point";
        }
    }
    // Measured once: a repaint lays out no more than it draws.
    const EntityData centred = aligned(EntityKind::Text, alignedLine, 1, 1);
    paint(centred, wide);
    EXPECT_EQ(paint(centred, wide).laidOut, 270u);
}

TEST(TextPaintBound, WhateverPartOfATextIsInViewIsDrawn)
{
    // Texts that stand left of or below the point they are placed by, seen where they stand away
    // from it: the view (20 x 2 units) holds only the part named.
    EntityData rightAligned = aligned(EntityKind::Text, QStringLiteral("综合楼避雷针保护范围"), 2, 2);
    EntityData centred = aligned(EntityKind::Text, QStringLiteral("防雷保护范围计算").repeated(34).left(270), 1, 1);
    EntityData paragraph = text(EntityKind::MText, QStringLiteral("一号门卫室\\P第二行"), 2);
    struct Row {
        const char* what;
        EntityData entity;
        double x, y; // the middle of the view
    };
    const Row rows[] = {
        {"the start of a right-aligned text", rightAligned, -14, 1},
        {"the start of a long centred line", centred, -130, 0.5},
        {"the second line of a paragraph", paragraph, 10, -4.3},
    };
    for (const auto& r : rows) {
        ViewTransform view;
        view.size = QSizeF(400, 40);
        view.scale = 20;
        view.cx = r.x;
        view.cy = r.y;
        EXPECT_GT(widestRow(paint(r.entity, view).image, 0, 39), 20) << r.what;
    }
}

TEST(TextPaintBound, WhatTheBoundLeavesOutIsOutlined)
{
    // Far along a long line, past what one paint lays out: the line's box shows as two edges
    // across the whole view, along the top (y = 0, row 40) and the foot (row 60) of its characters,
    // with nothing between.
    const EntityData line = text(EntityKind::MText, QString(100000, QChar(0x7EFC)), 2);
    const Painted far = paint(line, viewFrom(2 * 90000, 10));
    EXPECT_GT(widestRow(far.image, 37, 43), 780);
    EXPECT_GT(widestRow(far.image, 57, 63), 780);
    EXPECT_LT(litInRow(far.image, 50), 10);

    // Right-aligned, the outline of what the bound leaves out ends at the alignment point (x = 0,
    // column 400 at 4 pixels to the unit), where the glyphs would.
    const Painted end = paint(aligned(EntityKind::Text, QString(100000, QChar(0x7EFC)), 1, 2), viewFrom(-100, 4));
    EXPECT_LE(end.laidOut, kTextCharactersPerPaint);
    EXPECT_GT(litInRow(end.image, 40 - 4), 390);
    EXPECT_NEAR(inkColumns(end.image).second, 400, 2);

    // Many readable texts in view, 4 pixels high, 8 pixels apart: those the bound leaves out are
    // outlined where they stand, the others drawn; no text is left without a trace.
    DocumentModel model(nullptr);
    model.setDefaultTables();
    const int texts = 160;
    for (int i = 0; i < texts; ++i) {
        EntityData t = text(EntityKind::Text, QString(200, QChar(0x7EFC)), 0.4);
        t.insertion = t.alignment = {1, -i * 0.8, 0};
        model.add(t);
    }
    ViewTransform view;
    view.size = QSizeF(800, texts * 8 + 20);
    view.scale = 10;
    view.cx = 40;
    view.cy = -(texts * 0.8) / 2 + 0.4;
    QImage image(view.size.toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(drawingBackground());
    QPainter p(&image);
    DrawingRenderer renderer(model, view);
    renderer.paintView(p, placedReferences(model));
    p.end();
    EXPECT_LE(renderer.laidOutCharacters(), kTextCharactersPerPaint);
    EXPECT_GT(renderer.laidOutCharacters(), kTextCharactersPerPaint - 200);
    for (int i = 0; i < texts; ++i) {
        const int middle = qRound(view.toScreen(0, -i * 0.8 + 0.2).y());
        EXPECT_GT(widestRow(image, middle - 1, middle + 1), 0) << "text " << i;
    }
    // The first text is drawn: glyphs fill the middle of its box. The last is only outlined: the
    // top of its box is one lit row from its start across the view, its middle empty but for its
    // left end.
    auto rowAt = [&](int i, double up) { return qRound(view.toScreen(0, -i * 0.8 + up).y()); };
    EXPECT_GT(litInRow(image, rowAt(0, 0.2)), 200);
    EXPECT_GT(widestRow(image, rowAt(texts - 1, 0.4) - 1, rowAt(texts - 1, 0.4) + 1), 700);
    EXPECT_LT(litInRow(image, rowAt(texts - 1, 0.2)), 10);
}

} // namespace
