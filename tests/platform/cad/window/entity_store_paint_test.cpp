// A store's entities paint the same whichever way the store is walked, coincident curves once.
#include "platform/cad/model/entity_samples.h"

#include "platform/cad/model/document_model.h"
#include "platform/cad/window/drawing_view_colors.h"
#include "platform/cad/window/drawing_view_renderer.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <random>

using namespace cad;
using namespace cadtest;

// A drawing large enough to be walked by several threads paints exactly as when its entities are
// painted one by one in drawing order.
TEST(EntityStore, ABigDrawingPaintsTheSameWalkedInParallel)
{
    DocumentModel model(nullptr);
    model.setDefaultTables();
    LayerData off;
    off.name = QStringLiteral("关");
    off.color = -3;
    model.tables().layers.push_back(off);
    std::mt19937 rng(11);
    std::uniform_real_distribution<double> at(0, 1000), size(0, 6);
    std::vector<std::uint64_t> handles;
    model.setBulkLoading(true);
    for (int i = 0; i < 60000; ++i) {
        const double x = at(rng), y = at(rng), s = i % 7 == 0 ? 0.01 : size(rng);
        EntityData e;
        switch (i % 5) {
        case 0:
            e = line(x, y, x + s, y + s / 2);
            break;
        case 1:
            e = curve(EntityKind::Circle, x, y, s / 3);
            break;
        case 2:
            e = curve(EntityKind::Arc, x, y, s / 2);
            break;
        case 3:
            e = polyline(x, y, i % 2);
            break;
        default:
            e = text(x, y);
            break;
        }
        e.color = static_cast<short>(1 + i % 9);
        // A few in a true colour or with widths: painted apart from the threads' queues.
        if (i % 101 == 0)
            e.rare.edit().trueColor = 0x3366CC;
        if (e.kind == EntityKind::Polyline && i % 7 == 3)
            e.rare.edit().widths.assign(e.vertices.size(), {0.2, 0.6});
        if (i % 11 == 0)
            e.layer = off.name;
        e.visible = i % 13 != 0;
        handles.push_back(model.add(e));
    }
    model.setBulkLoading(false);
    for (int i = 0; i < 60000; i += 17)
        model.erase(handles[static_cast<std::size_t>(i)]);

    ViewTransform view;
    view.size = QSize(1200, 1200);
    view.fit(*drawingExtents(model, {}));
    auto render = [&](bool oneByOne) {
        QImage image(QSize(1200, 1200), QImage::Format_ARGB32_Premultiplied);
        image.fill(drawingBackground());
        QPainter p(&image);
        DrawingRenderer renderer(model, view);
        if (oneByOne)
            renderer.paintEntities(p, handles);
        else
            renderer.paintView(p, {});
        return image;
    };
    const QImage whole = render(false), oneByOne = render(true);
    EXPECT_TRUE(whole == oneByOne);
    QImage empty(whole.size(), whole.format());
    empty.fill(drawingBackground());
    EXPECT_FALSE(whole == empty);
}

// Many coincident circles are drawn as one; circles that differ in radius, colour or sweep are all drawn.
TEST(EntityStore, CoincidentCurvesPaintAsOne)
{
    std::vector<EntityData> distinct = {curve(EntityKind::Circle, 0, 0, 100), curve(EntityKind::Circle, 0, 0, 100.5),
                                        curve(EntityKind::Arc, 0, 0, 100), curve(EntityKind::Circle, 0, 0, 100)};
    distinct[0].color = distinct[1].color = distinct[2].color = 1;
    distinct[3].color = 3; // the same circle in another colour
    auto build = [&](DocumentModel& model, int copies) {
        model.setDefaultTables();
        std::vector<std::uint64_t> handles;
        for (int i = 0; i < copies; ++i)
            for (const auto& e : distinct)
                handles.push_back(model.add(e));
        return handles;
    };
    DocumentModel once(nullptr), many(nullptr);
    const auto handles = build(once, 1);
    build(many, 500);
    ViewTransform view;
    view.size = QSize(300, 300);
    view.fit(*drawingExtents(once, {}));
    auto render = [&](const DocumentModel& model, const std::vector<std::uint64_t>& separately) {
        QImage image(view.size.toSize(), QImage::Format_ARGB32_Premultiplied);
        image.fill(drawingBackground());
        QPainter p(&image);
        DrawingRenderer renderer(model, view);
        if (separately.empty())
            renderer.paintView(p, {});
        for (auto h : separately) // one paint each: nothing to share with
            renderer.paintEntities(p, {h});
        return image;
    };
    const QImage single = render(once, {});
    EXPECT_TRUE(render(once, handles) == single);
    EXPECT_TRUE(render(many, {}) == single); // antialiased edges drawn once, not 500 times over
}

// An entity's true colour, extended data, lineweight or mirrored system costs it nothing in how it is
// painted: a drawing whose every entity carries them (widths too) paints exactly as the same drawing
// in the colour index of that RGB, small (antialiased) and large (walked by several threads).
TEST(EntityStore, RarePropertiesPaintAsTheirColourIndex)
{
    const short index = 3;
    const QRgb rgb = colorOfIndex(index).rgb() & 0xFFFFFFu;
    for (int count : {40, 60000}) {
        DocumentModel plain(nullptr), dressed(nullptr);
        plain.setDefaultTables();
        dressed.setDefaultTables();
        std::mt19937 rng(5);
        std::uniform_real_distribution<double> at(0, 400), size(0, 8);
        plain.setBulkLoading(true);
        dressed.setBulkLoading(true);
        for (int i = 0; i < count; ++i) {
            const double x = at(rng), y = at(rng), s = i % 9 == 0 ? 0.01 : size(rng);
            EntityData e = i % 4 == 0   ? line(x, y, x + s, y - s)
                           : i % 4 == 1 ? curve(EntityKind::Circle, x, y, s / 2)
                           : i % 4 == 2 ? curve(EntityKind::Arc, x, y, s)
                                        : polyline(x, y, i % 3 == 0);
            if (e.kind == EntityKind::Polyline && i % 2)
                e.rare.edit().widths.assign(e.vertices.size(), {0.8, 0.3});
            e.color = index;
            plain.add(e);
            RareProperties& r = e.rare.edit();
            r.trueColor = static_cast<std::int32_t>(rgb);
            r.lineweight = static_cast<std::int16_t>(i % 2 ? 35 : 13);
            r.extendedData = {{1001, QStringLiteral("SITEDATA"), 0}, {1070, QString(), double(i % 3)}};
            if (i % 5 == 0)
                r.extrusion = {0, 0, -1};
            e.color = static_cast<short>(1 + i % 200);
            dressed.add(e);
        }
        plain.setBulkLoading(false);
        dressed.setBulkLoading(false);
        ViewTransform view;
        view.size = QSize(500, 500);
        view.fit(*drawingExtents(plain, {}));
        auto render = [&](const DocumentModel& model) {
            QImage image(QSize(500, 500), QImage::Format_ARGB32_Premultiplied);
            image.fill(drawingBackground());
            QPainter p(&image);
            DrawingRenderer(model, view).paintView(p, {});
            return image;
        };
        EXPECT_TRUE(render(plain) == render(dressed)) << count << " entities";
    }
}
