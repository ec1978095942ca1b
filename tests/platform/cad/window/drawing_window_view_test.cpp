// What the drawing view shows: colours, hidden entities and layers, texts, blocks, changes; typed coordinates.
#include "drawing_window_fixture.h"

#include "platform/cad/dxf/dxf_file.h"
#include "platform/cad/window/command_line_input.h"
#include "platform/cad/window/drawing_view_colors.h"
#include "platform/cad/window/drawing_view_renderer.h"

#include <QImage>
#include <QPainter>
#include <cmath>

using namespace cad;

namespace {

TEST(TypedPoint, AbsoluteRelativeAndRefused)
{
    const Point from{10, 20, 5};
    struct Row {
        const char* text;
        std::optional<Point> expected;
    };
    const Row rows[] = {
        {"1,2", Point{1, 2, 0}},
        {" 1.5 , -2 ", Point{1.5, -2, 0}},
        {"1,2,3", Point{1, 2, 3}},
        {"1e3,2", Point{1000, 2, 0}},
        {"@1,2", Point{11, 22, 5}},
        {"@-1,-2,-5", Point{9, 18, 0}},
        {"1", std::nullopt},
        {"1,2,3,4", std::nullopt},
        {"a,b", std::nullopt},
        {"1,,2", std::nullopt},
        {"1;2", std::nullopt},
        {"nan,1", std::nullopt},
        {"inf,1", std::nullopt},
        {"@", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& r : rows)
        EXPECT_EQ(parseTypedPoint(QString::fromUtf8(r.text), from), r.expected) << r.text;
}

// True when a pixel near `at` shows `color` over the background (fully or blended by antialiasing).
bool shows(const QImage& image, QPointF at, const QColor& color, int radius = 2)
{
    const QColor bg = drawingBackground();
    const double ex = color.red() - bg.red(), ey = color.green() - bg.green(), ez = color.blue() - bg.blue();
    const double elen = std::sqrt(ex * ex + ey * ey + ez * ez);
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx) {
            const QPoint p(qFloor(at.x()) + dx, qFloor(at.y()) + dy);
            if (!image.rect().contains(p))
                continue;
            const QColor c = image.pixelColor(p);
            const double x = c.red() - bg.red(), y = c.green() - bg.green(), z = c.blue() - bg.blue();
            const double len = std::sqrt(x * x + y * y + z * z);
            if (len > 0.3 * elen && (x * ex + y * ey + z * ez) / (len * elen) > 0.97)
                return true;
        }
    return false;
}

bool blank(const QImage& image, QPointF at, int radius = 2)
{
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx) {
            const QPoint p(qFloor(at.x()) + dx, qFloor(at.y()) + dy);
            if (image.rect().contains(p) && image.pixelColor(p) != drawingBackground())
                return false;
        }
    return true;
}

QImage render(const DocumentModel& model, const ViewTransform& view)
{
    QImage image(view.size.toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(drawingBackground());
    QPainter p(&image);
    DrawingRenderer(model, view).paintView(p, placedReferences(model));
    return image;
}

TEST(DrawingRenderer, SitePlanShowsColoursLayersBlocksAndHidesWhatIsHidden)
{
    DocumentModel model(nullptr);
    readDxfFile(QStringLiteral(RIDE_TEST_DATA_DIR "/cad/site_plan.dxf"), model);
    ViewTransform view;
    view.size = QSizeF(600, 600);
    view.fit(*drawingExtents(model, placedReferences(model)));
    const QImage image = render(model, view);
    auto at = [&](double x, double y) { return view.toScreen(x, y); };

    EXPECT_TRUE(shows(image, at(50, 20), colorOfIndex(1)));          // colour 1 on its own
    EXPECT_TRUE(shows(image, at(50, 0), colorOfIndex(8)));           // by layer ROAD (8)
    EXPECT_TRUE(shows(image, at(25, 30), colorOfIndex(5)));          // polyline by layer 建筑 (5)
    EXPECT_TRUE(shows(image, at(65, 30), colorOfIndex(4)));          // 2D polyline in colour 4
    EXPECT_TRUE(shows(image, at(60, 90), colorOfIndex(6)));          // top of the arc, colour 6
    EXPECT_TRUE(shows(image, at(25, 80), colorOfIndex(7)));          // circle by layer 0 (7)
    EXPECT_TRUE(shows(image, at(96.5, 70), colorOfIndex(3)));        // block TREE: its circle in colour 3
    EXPECT_TRUE(blank(image, at(5, 100)));                          // invisible, on a layer switched off
    // The edge (40,30)->(40,60) with bulge 0.5 bows out to the right by half the bulge times the chord.
    EXPECT_TRUE(shows(image, at(47.5, 45), colorOfIndex(5)));
}

TEST(DrawingRenderer, CurvesStayRoundAtAnyZoomAndArcsKeepToTheirSweep)
{
    const double r = 100, kDeg = 3.14159265358979323846 / 180;
    struct Case {
        double scale;        // pixels per drawing unit
        double viewAngle;    // the view is centred on the circle at this angle (degrees)
        double start, end;   // an arc's angles (degrees); equal: a whole circle
        bool shown;
    };
    const Case cases[] = {
        {2, 30, 0, 0, true},            // the whole circle on screen
        {40, 31.3, 0, 0, true},         // larger than the view
        {50000, 31.3, 0, 0, true},      // a few pixels of a circle ten million pixels across
        {50000, 31.3, 350, 40, true},   // an arc through 0 degrees, seen inside its sweep
        {50000, 0.7, 350, 40, true},
        {50000, 31.3, 0, 20, false},    // seen beyond its end
        {50000, 200, 350, 40, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "scale " << c.scale << " at " << c.viewAngle << " arc " << c.start << "-" << c.end);
        DocumentModel model(nullptr);
        model.setDefaultTables();
        EntityData e;
        e.kind = c.start == c.end ? EntityKind::Circle : EntityKind::Arc;
        e.radius = r;
        e.startAngle = c.start * kDeg;
        e.endAngle = c.end * kDeg;
        e.color = 2;
        model.add(e);
        ViewTransform view;
        view.size = QSizeF(400, 300);
        view.scale = c.scale;
        view.cx = c.scale < 5 ? 0 : r * std::cos(c.viewAngle * kDeg);
        view.cy = c.scale < 5 ? 0 : r * std::sin(c.viewAngle * kDeg);
        const QImage image = render(model, view);

        int lit = 0;
        double worst = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixelColor(x, y) == drawingBackground())
                    continue;
                ++lit;
                const Point p = view.toDrawing(QPointF(x + 0.5, y + 0.5));
                worst = std::max(worst, std::abs(std::hypot(p[0], p[1]) - r) * c.scale);
            }
        EXPECT_EQ(lit > 0, c.shown);
        // Every pixel drawn lies on the true curve, give or take the line's own width.
        EXPECT_LT(worst, 1.6);
        if (c.shown) {
            EXPECT_TRUE(shows(image, view.toScreen(r * std::cos(c.viewAngle * kDeg), r * std::sin(c.viewAngle * kDeg)),
                              colorOfIndex(2), 1));
        }
    }
}

TEST(DrawingRenderer, TextsTakeTheirHeightWidthFactorAndChineseCharacters)
{
    auto extent = [](double widthFactor, double height) {
        DocumentModel model(nullptr);
        model.setDefaultTables();
        EntityData t;
        t.kind = EntityKind::Text;
        t.text = QStringLiteral("综合楼");
        t.insertion = t.alignment = {0, 0, 0};
        t.height = height;
        t.widthFactor = widthFactor;
        t.color = 3;
        model.add(t);
        ViewTransform view;
        view.size = QSizeF(400, 200);
        view.scale = 10;
        view.cx = 15;
        view.cy = 2;
        const QImage image = render(model, view);
        QRect box;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) != drawingBackground())
                    box |= QRect(x, y, 1, 1);
        return box;
    };
    const QRect wide = extent(1.0, 3), narrow = extent(0.5, 3), tall = extent(1.0, 6);
    ASSERT_FALSE(wide.isEmpty());
    // Three Song characters about as wide as high each, standing on the insertion point.
    EXPECT_NEAR(wide.height(), 30, 10);
    EXPECT_NEAR(wide.width(), 90, 25);
    EXPECT_NEAR(narrow.width(), wide.width() / 2.0, 4);
    EXPECT_NEAR(narrow.height(), wide.height(), 2);
    EXPECT_NEAR(tall.height(), 2.0 * wide.height(), 4);
}

TEST_F(DrawingWindowTest, AddedChangedAndErasedEntitiesShowAtOnce)
{
    auto shot = [&] { return view->grab().toImage(); };
    const QPointF mid = QPointF(pixelOf(5, 2));
    shot();   // the cached picture is painted
    Entity line = doc.ModelSpace().AddLine({0, 2, 0}, {10, 2, 0});
    line.setColor(1);
    EXPECT_TRUE(shows(shot(), mid, colorOfIndex(1)));
    line.setColor(3);
    EXPECT_TRUE(shows(shot(), mid, colorOfIndex(3)));
    line.setVisible(false);
    EXPECT_TRUE(blank(shot(), mid));
    line.setVisible(true);
    line.Erase();
    EXPECT_TRUE(blank(shot(), mid));
}

} // namespace
