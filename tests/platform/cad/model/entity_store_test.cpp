// The compact entity store gives back exactly what was stored, and a big drawing paints the same
// whichever way it is walked.
#include "platform/cad/model/document_model.h"
#include "platform/cad/window/drawing_view_colors.h"
#include "platform/cad/window/drawing_view_renderer.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <random>

using namespace cad;

namespace {

EntityData line(double x1, double y1, double x2, double y2)
{
    EntityData e;
    e.kind = EntityKind::Line;
    e.start = {x1, y1, 0.5};
    e.end = {x2, y2, -1};
    return e;
}

EntityData curve(EntityKind kind, double x, double y, double r)
{
    EntityData e;
    e.kind = kind;
    e.center = {x, y, 0};
    e.radius = r;
    e.startAngle = 0.25;
    e.endAngle = 4;
    return e;
}

EntityData polyline(double x, double y, bool closed)
{
    EntityData e;
    e.kind = EntityKind::Polyline;
    e.vertices = {{x, y, 0}, {x + 3, y, 0.4}, {x + 3, y + 2, 0}};
    e.closed = closed;
    e.elevation = 2;
    return e;
}

EntityData text(double x, double y)
{
    EntityData e;
    e.kind = EntityKind::Text;
    e.insertion = e.alignment = {x, y, 0};
    e.text = QStringLiteral("一号避雷针");
    e.height = 2.5;
    return e;
}

// Every kind, plain and carrying fields beyond its geometry, on shared, empty and Chinese names.
std::vector<EntityData> sample()
{
    std::vector<EntityData> all = {line(0, 0, 10, 5), curve(EntityKind::Circle, 3, 4, 2), curve(EntityKind::Arc, -3, 1, 7),
                                   polyline(1, 1, true), polyline(2, 2, false), text(5, 5)};
    EntityData insert;
    insert.kind = EntityKind::Insert;
    insert.blockName = QStringLiteral("TREE");
    insert.insertion = {8, 8, 0};
    insert.rows = 2;
    all.push_back(insert);
    EntityData odd = line(1, 2, 3, 4);
    odd.rotation = 0.5;              // a field lines do not use: kept all the same
    all.push_back(odd);
    EntityData oddCircle = curve(EntityKind::Circle, 0, 0, 1);
    oddCircle.start = {1, 1, 1};
    all.push_back(oddCircle);
    EntityData oddPolyline = polyline(0, 0, false);
    oddPolyline.radius = 3;
    all.push_back(oddPolyline);
    const QString layers[] = {QStringLiteral("0"), QStringLiteral("避雷针"), QString(), QStringLiteral("避雷针")};
    for (std::size_t i = 0; i < all.size(); ++i) {
        all[i].layer = layers[i % 4];
        all[i].linetype = i % 3 ? QString() : QStringLiteral("DASHED");
        all[i].color = static_cast<short>(i % 5 == 0 ? kColorByLayer : i);
        all[i].visible = i % 4 != 3;
    }
    return all;
}

} // namespace

TEST(EntityStore, GivesBackEveryFieldOfEveryEntity)
{
    DocumentModel model(nullptr);
    model.setDefaultTables();
    std::vector<std::uint64_t> handles;
    for (const EntityData& e : sample())
        handles.push_back(model.add(e));
    std::vector<EntityData> expected = sample();
    for (std::size_t i = 0; i < expected.size(); ++i) {
        expected[i].handle = handles[i];
        const auto found = model.find(handles[i]);
        ASSERT_TRUE(found) << i;
        EXPECT_TRUE(*found == expected[i]) << "entity " << i;
    }
    std::size_t i = 0;
    model.forEach([&](const EntityData& e) { EXPECT_TRUE(e == expected[i++]) << "entity " << i - 1; });
    EXPECT_EQ(i, expected.size());
    // Plain curves are kept compactly, the one with a foreign field whole; names are kept once.
    EXPECT_EQ(model.stored(handles[0])->storage, EntityStorage::Line);
    EXPECT_EQ(model.stored(handles[7])->storage, EntityStorage::Whole);
    EXPECT_EQ(model.stored(handles[1])->layer, model.stored(handles[3])->layer);
}

TEST(EntityStore, ReplaceAndEraseKeepHandlesAndOrder)
{
    DocumentModel model(nullptr);
    const auto a = model.add(line(0, 0, 1, 1));
    const auto b = model.add(polyline(0, 0, true));
    const auto c = model.add(text(0, 0));

    // Replacing moves an entity between the compact and the whole form and back, also to another kind.
    std::vector<EntityData> replacements = {text(4, 4), curve(EntityKind::Arc, 1, 1, 2), line(5, 5, 6, 6)};
    for (EntityData r : replacements) {
        model.replace(a, r);
        r.handle = a;
        EXPECT_TRUE(*model.find(a) == r);
        EXPECT_EQ(model.handleAt(0), a);
    }
    model.erase(b);
    EXPECT_FALSE(model.find(b));
    EXPECT_FALSE(model.stored(b));
    EXPECT_TRUE(model.wasErased(b));
    EXPECT_FALSE(model.wasErased(a));
    EXPECT_EQ(model.count(), 2u);
    EXPECT_EQ(model.handleAt(1), c);
    EXPECT_EQ(model.handleAt(2), 0u);
    model.replace(b, line(0, 0, 2, 2));   // an erased entity stays erased
    EXPECT_FALSE(model.find(b));
    EXPECT_FALSE(model.find(0));
    EXPECT_FALSE(model.find(c + 1));
    const auto d = model.add(line(1, 1, 2, 2));
    EXPECT_GT(d, c);
    EXPECT_TRUE(model.find(d));
}

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
        case 0: e = line(x, y, x + s, y + s / 2); break;
        case 1: e = curve(EntityKind::Circle, x, y, s / 3); break;
        case 2: e = curve(EntityKind::Arc, x, y, s / 2); break;
        case 3: e = polyline(x, y, i % 2); break;
        default: e = text(x, y); break;
        }
        e.color = static_cast<short>(1 + i % 9);
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
    distinct[3].color = 3;   // the same circle in another colour
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
        for (auto h : separately)   // one paint each: nothing to share with
            renderer.paintEntities(p, {h});
        return image;
    };
    const QImage single = render(once, {});
    EXPECT_TRUE(render(once, handles) == single);
    EXPECT_TRUE(render(many, {}) == single);   // antialiased edges drawn once, not 500 times over
}

