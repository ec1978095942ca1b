// Lines and dots drawn straight into an image's pixels: the very pixels QPainter draws for them, awkward lines included.
#include "platform/cad/model/document_model.h"
#include "platform/cad/window/drawing_view_colors.h"
#include "platform/cad/window/drawing_view_raster.h"
#include "platform/cad/window/drawing_view_renderer.h"

#include <QImage>
#include <QPainter>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <numeric>
#include <random>

using namespace cad;

namespace {

constexpr QSize kSize(40, 30);
const QRgb kBackground = qRgb(20, 30, 40);
const QRgb kInk = qRgb(250, 200, 10);

QImage blankImage(QSize size = kSize)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(kBackground);
    return image;
}

// What the painter draws: one drawLines call with a 1-pixel flat-ended pen, then the dots.
QImage byPainter(const std::vector<QLineF>& lines, const std::vector<QPointF>& dots = {}, bool antialiased = false,
                 QSize size = kSize)
{
    QImage image = blankImage(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, antialiased);
    QPen pen(QColor(kInk), 1);
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    p.drawLines(lines.data(), static_cast<int>(lines.size()));
    pen.setCapStyle(Qt::SquareCap);
    p.setPen(pen);
    p.drawPoints(dots.data(), static_cast<int>(dots.size()));
    return image;
}

struct Queued {
    DeviceLines lines;
    DeviceDots dots;
    Queued(const std::vector<QLineF>& ls, const std::vector<QPointF>& ds, QSize size)
    {
        const RasterWindow window{QSizeF(size)};
        lines.setWindow(window);
        dots.setWindow(window);
        for (const QLineF& l : ls)
            lines.push_back(l);
        for (const QPointF& d : ds)
            dots.push_back(d);
    }
};

QImage direct(const std::vector<QLineF>& lines, const std::vector<QPointF>& dots = {}, QSize size = kSize)
{
    const Queued q(lines, dots, size);
    QImage image = blankImage(size);
    drawDirect(image, {{&q.lines, &q.dots, kInk}});
    return image;
}

// The painter's own drawing of what was kept, as the renderer gives it when it cannot draw directly.
QImage keptByPainter(const std::vector<QLineF>& lines, const std::vector<QPointF>& dots, bool antialiased,
                     QSize size = kSize)
{
    const Queued q(lines, dots, size);
    return byPainter(q.lines.toLines(), q.dots.toPoints(), antialiased, size);
}

// The pixels that differ, a few of them spelled out.
std::string differences(const QImage& expected, const QImage& actual)
{
    std::string out;
    int count = 0;
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            if (expected.pixel(x, y) != actual.pixel(x, y) && ++count <= 6)
                out += " (" + std::to_string(x) + "," + std::to_string(y) + ")";
    return count == 0 ? std::string() : std::to_string(count) + " pixels differ:" + out;
}

const double kNan = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

// No difference is accepted anywhere: the lines are cut to the image, rounded to 1/64 pixel and
// stepped exactly as the painter does it, so any pixel that differs is a fault.
TEST(DirectRaster, AwkwardLinesGiveThePaintersPixels)
{
    struct Case {
        const char* what;
        std::vector<QLineF> lines;
    };
    const std::vector<Case> cases = {
        {"shallow, on pixel centres", {{2.5, 3.5, 20.5, 3.5}}},
        {"shallow, on pixel edges", {{2, 3, 20, 3}, {20, 6, 2, 6}}},
        {"steep, both ways", {{5, 2, 5, 20}, {9.5, 20.5, 9.5, 2.5}}},
        {"exact diagonals", {{2, 2, 12, 12}, {12, 2, 2, 12}, {30, 20, 20, 10}, {20.5, 20.5, 30.5, 10.5}}},
        {"sub-pixel ends",
         {{3.3, 1.7, 5.9, 25.2}, {1.1, 4.49, 38.7, 6.51}, {36.99, 28.01, 0.51, 0.49}, {7.03125, 9.984375, 33.5, 10.5}}},
        {"shorter than a pixel", {{5.2, 5.2, 5.7, 5.4}, {10.4, 10.6, 10.6, 10.4}, {15.49, 15.5, 15.51, 15.5}}},
        {"zero and almost zero length", {{7, 7, 7, 7}, {9, 7, 9 + 1e-14, 7}, {11.5, 7.5, 11.5, 7.5}, {0, 0, 0, 0}}},
        {"wholly outside", {{-10, -10, -5, -3}, {50, 5, 60, 8}, {5, 31.5, 30, 45}, {-3, 10, -3, 20}}},
        {"across the edges", {{-10, 5, 50, 20}, {20, -10, 25, 40}, {-5, -5, 45, 35}, {45, -2, -7, 33}}},
        {"along and on the edges", {{-1, 5, 10, 5}, {0, 0, 0, 30}, {40, 0, 40, 30}, {-0.5, -0.5, 10.5, 10.5}, {0, 30, 40, 30}}},
        {"huge coordinates",
         {{-1e9, 3, 1e9, 17}, {1e15, -1e15, -1e15, 1e15}, {-3e12, 12.3, 3e12, 12.3}, {17.2, -4e11, 18.9, 5e11}, {1e300, 1, 2, 3}}},
        {"not a number or infinite", {{kNan, 1, 5, 5}, {kInf, 3, 4, 4}, {-kInf, 3, kInf, 3}, {3, 3, 8, kNan}}},
        {"folding back on itself", {{5, 2, 5, 20}, {8, 20, 8, 2}, {2, 25, 30, 25}, {30, 27, 2, 27}, {4.3, 8.2, 4.6, 1.1}}},
        {"a polyline of short chords",
         {{10, 10, 11.2, 10.3}, {11.2, 10.3, 12.1, 11.4}, {12.1, 11.4, 12.4, 12.9}, {12.4, 12.9, 12.1, 14.3},
          {12.1, 14.3, 11.2, 15.4}, {11.2, 15.4, 10, 15.7}, {10, 15.7, 8.8, 15.4}, {8.8, 15.4, 8, 14.3}}},
    };
    for (const Case& c : cases) {
        const QImage expected = byPainter(c.lines);
        EXPECT_EQ(differences(expected, direct(c.lines)), "") << c.what;
        EXPECT_EQ(differences(expected, keptByPainter(c.lines, {}, false)), "") << c.what << ", given back";
        EXPECT_EQ(differences(byPainter(c.lines, {}, true), keptByPainter(c.lines, {}, true)), "")
            << c.what << ", antialiased";
    }
}

TEST(DirectRaster, RandomLinesAndDotsGiveThePaintersPixels)
{
    std::mt19937 rng(22);
    const QSize size(97, 61);
    struct Spread {
        const char* what;
        double from, to;   // both axes, in image widths
        double chord;      // 0: free ends; else chained chords this long, in pixels
    };
    const Spread spreads[] = {
        {"inside", 0, 1, 0},
        {"around", -1, 2, 0},
        {"far out", -1e4, 1e4, 0},
        {"chords", 0, 1, 2.5},
        {"chords across the edges", -0.1, 1.1, 7},
        {"pixel-sized chords", 0, 1, 0.8},
    };
    for (const Spread& s : spreads)
        for (int round = 0; round < 20; ++round) {
            std::uniform_real_distribution<double> at(s.from, s.to);
            std::uniform_real_distribution<double> turn(0, 6.283185307179586);
            auto point = [&] { return QPointF(at(rng) * size.width(), at(rng) * size.width()); };
            std::vector<QLineF> lines;
            std::vector<QPointF> dots;
            QPointF last = point();
            for (int i = 0; i < 300; ++i) {
                if (s.chord == 0) {
                    lines.emplace_back(point(), point());
                } else {
                    const double a = turn(rng);
                    const QPointF next = last + s.chord * QPointF(std::cos(a), std::sin(a));
                    lines.emplace_back(last, next);
                    last = next;
                }
                dots.push_back(point());
            }
            const QImage expected = byPainter(lines, dots, false, size);
            EXPECT_EQ(differences(expected, direct(lines, dots, size)), "") << s.what << " " << round;
            EXPECT_EQ(differences(byPainter(lines, dots, true, size), keptByPainter(lines, dots, true, size)), "")
                << s.what << " " << round << ", antialiased";
        }
}

TEST(DirectRaster, DotsLandOnTheNearestPixel)
{
    const std::vector<QPointF> dots = {{0, 0},       {0.49, 0.5},  {-0.5, 3},  {-0.49, 4},  {39.49, 29.49},
                                       {39.5, 10},   {10, 29.5},   {-0.51, 8}, {12.5, 12.5}, {kNan, 3},
                                       {3, kInf},    {1e20, 5},    {-1e20, 5}, {20.25, -0.5}, {20.75, -0.499}};
    EXPECT_EQ(differences(byPainter({}, dots), direct({}, dots)), "");
    EXPECT_EQ(differences(byPainter({}, dots, true), keptByPainter({}, dots, true)), "");
}

// Whatever size a view claims, the window is whole pixels that 1/1024-pixel counts can hold.
TEST(DirectRaster, WindowSizesAreWholePixelsInRange)
{
    struct Case {
        QSizeF size;
        int width, height;
    };
    const Case cases[] = {{{40, 30}, 40, 30},         {{39.6, 30.4}, 40, 30}, {{}, 0, 0},
                          {{kNan, 5}, 0, 5},          {{kInf, -kInf}, 0, 0},  {{1e300, 10}, 1000000, 10}};
    for (const Case& c : cases) {
        const RasterWindow w(c.size);
        EXPECT_EQ(w.width, c.width) << c.size.width();
        EXPECT_EQ(w.height, c.height) << c.size.height();
        DeviceLines lines;
        lines.setWindow(w);
        lines.push_back({-1e9, -1e9, 1e9, 1e9});
        lines.kept().forEach([&](const FixedLine& l) {
            EXPECT_LE(std::abs(static_cast<double>(l.x2) - l.x1), 1024.0 * (c.width + 2));
        });
    }
}

// Lists moved onto one another keep every item in order, and keep growing after.
TEST(DirectRaster, ChunkedListsAppendInOrder)
{
    for (const std::size_t first : {0, 1, 64, 65, 300})
        for (const std::size_t second : {0, 1, 63, 64, 5000}) {
            ChunkedList<int> a, b;
            int next = 0;
            for (std::size_t i = 0; i < first; ++i)
                a.push_back(next++);
            for (std::size_t i = 0; i < second; ++i)
                b.push_back(next++);
            a.append(std::move(b));
            for (int i = 0; i < 100; ++i)
                a.push_back(next++);
            std::vector<int> seen;
            a.forEach([&](int v) { seen.push_back(v); });
            std::vector<int> expected(static_cast<std::size_t>(next));
            std::iota(expected.begin(), expected.end(), 0);
            EXPECT_EQ(seen, expected) << first << " then " << second;
            EXPECT_EQ(a.size(), expected.size());
            EXPECT_TRUE(b.empty());
        }
}

// Colours drawn later lie over those before, as one drawLines call after another.
TEST(DirectRaster, LaterColoursLieOverEarlierOnes)
{
    const std::vector<QLineF> across = {{0, 10.5, 40, 10.5}, {3, 0, 33, 30}};
    const std::vector<QLineF> down = {{20.5, 0, 20.5, 30}, {33, 0, 3, 30}};
    const QRgb second = qRgb(0, 255, 255);
    QImage expected = blankImage();
    {
        QPainter p(&expected);
        QPen pen(QColor(kInk), 1);
        pen.setCapStyle(Qt::FlatCap);
        p.setPen(pen);
        p.drawLines(across.data(), static_cast<int>(across.size()));
        pen.setColor(QColor(second));
        p.setPen(pen);
        p.drawLines(down.data(), static_cast<int>(down.size()));
    }
    const Queued first(across, {}, kSize), then(down, {}, kSize);
    QImage image = blankImage();
    drawDirect(image, {{&first.lines, nullptr, kInk}, {&then.lines, nullptr, second}});
    EXPECT_EQ(differences(expected, image), "");
}

// Only where the painter itself would step 1-pixel lines into the image's pixels.
TEST(DirectRaster, DrawsDirectlyOnlyWhereThePainterWouldGiveTheSame)
{
    struct Case {
        const char* what;
        bool direct;
        QImage::Format format = QImage::Format_ARGB32_Premultiplied;
        QSize size = kSize;
        double ratio = 1;
        std::function<void(QPainter&)> set = [](QPainter&) {};
    };
    const Case cases[] = {
        {"plain", true},
        {"opaque 32-bit", true, QImage::Format_RGB32},
        {"antialiased", false, QImage::Format_ARGB32_Premultiplied, kSize, 1,
         [](QPainter& p) { p.setRenderHint(QPainter::Antialiasing); }},
        {"moved", false, QImage::Format_ARGB32_Premultiplied, kSize, 1, [](QPainter& p) { p.translate(1, 0); }},
        {"clipped", false, QImage::Format_ARGB32_Premultiplied, kSize, 1,
         [](QPainter& p) { p.setClipRect(0, 0, 10, 10); }},
        {"half see-through", false, QImage::Format_ARGB32_Premultiplied, kSize, 1,
         [](QPainter& p) { p.setOpacity(0.5); }},
        {"another composition", false, QImage::Format_ARGB32_Premultiplied, kSize, 1,
         [](QPainter& p) { p.setCompositionMode(QPainter::CompositionMode_Plus); }},
        {"another pixel format", false, QImage::Format_RGB888},
        {"another size than the lines were cut to", false, QImage::Format_ARGB32_Premultiplied, QSize(41, 30)},
        {"high density", false, QImage::Format_ARGB32_Premultiplied, kSize * 2, 2},
    };
    const RasterWindow window{QSizeF(kSize)};
    for (const Case& c : cases) {
        QImage image(c.size, c.format);
        image.setDevicePixelRatio(c.ratio);
        QPainter p(&image);
        c.set(p);
        EXPECT_EQ(directTarget(p, window) != nullptr, c.direct) << c.what;
    }
}

// The renderer with many entities in view draws without antialiasing: drawn directly, the picture
// is the painter's own (which it takes once a clip is set) to the pixel, texts and all.
TEST(DirectRaster, RendererDrawsABusyViewAsThePainterWould)
{
    DocumentModel model(nullptr);
    model.setDefaultTables();
    std::mt19937 rng(5);
    std::uniform_real_distribution<double> at(0, 1000);
    model.setBulkLoading(true);
    for (int i = 0; i < 60000; ++i) {
        EntityData e;
        e.color = static_cast<short>(1 + i % 9);
        const double x = at(rng), y = at(rng);
        switch (i % 5) {
        case 0:
            e.kind = EntityKind::Line;
            e.start = {x, y, 0};
            e.end = {x + at(rng) / 20, y + at(rng) / 30, 0};
            break;
        case 1:
            e.kind = EntityKind::Circle;
            e.center = {x, y, 0};
            e.radius = at(rng) / 100;
            break;
        case 2:
            e.kind = EntityKind::Polyline;
            e.closed = true;
            e.vertices = {{x, y, 0}, {x + 9, y, 0.4}, {x + 9, y + 5, 0}, {x, y + 5, 0}};
            break;
        case 3:
            e.kind = EntityKind::Text;
            e.text = QStringLiteral("A%1").arg(i);
            e.insertion = e.alignment = {x, y, 0};
            e.height = 1 + at(rng) / 100;
            break;
        default:
            e.kind = EntityKind::Arc;
            e.center = {x, y, 0};
            e.radius = at(rng) / 50;
            e.startAngle = 0.3;
            e.endAngle = 4;
            break;
        }
        model.add(e);
    }
    model.setBulkLoading(false);
    ViewTransform view;
    view.size = QSizeF(300, 200);
    view.fit(*drawingExtents(model, placedReferences(model)));
    auto render = [&](bool clipped) {
        QImage image(view.size.toSize(), QImage::Format_ARGB32_Premultiplied);
        image.fill(drawingBackground());
        QPainter p(&image);
        if (clipped)
            p.setClipRect(image.rect());
        DrawingRenderer renderer(model, view);
        renderer.paintView(p, {});
        return image;
    };
    const QImage painters = render(true);
    EXPECT_EQ(differences(painters, render(false)), "");
    QImage empty(painters.size(), painters.format());
    empty.fill(drawingBackground());
    EXPECT_NE(differences(empty, painters), "");
}

} // namespace
