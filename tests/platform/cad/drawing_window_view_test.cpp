// What the drawing view shows: colours, hidden entities and layers, texts, blocks, changes; typed coordinates.
#include "drawing_window_fixture.h"

#include "platform/cad/window/command_line_input.h"
#include "platform/cad/window/drawing_view_colors.h"
#include "platform/cad/window/drawing_view_renderer.h"
#include "platform/cad/dxf_file.h"

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
