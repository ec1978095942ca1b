// Speed of the drawing window on 100 000- and 1 000 000-entity site plans: full redraw, working-zoom redraw, added entity, extents, snap under the cursor;
// the same plans with every entity in a true colour with extended data, or mirrored; polylines thin and wide.
#include "platform/cad/model/document_model.h"
#include "platform/cad/window/drawing_view_colors.h"
#include "platform/cad/window/drawing_view_renderer.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cmath>
#include <map>
#include <memory>
#include <random>

namespace {

// 100 x 100 lots of 40 x 40 units (a 4 km site at 1:500 in millimetres), ten entities each:
// a building outline, its name, road edges, a kerb arc, a lamp circle, a tree (block reference)
// and three boundary lines.
constexpr double kLot = 40;
constexpr QSize kScreen(1600, 1000);

cad::EntityData line(double x1, double y1, double x2, double y2, short color)
{
    cad::EntityData e;
    e.kind = cad::EntityKind::Line;
    e.start = {x1, y1, 0};
    e.end = {x2, y2, 0};
    e.color = color;
    return e;
}

// What every entity of a plan carries beyond its geometry, as plans from other programs do.
enum class Dress { Plain, Look, Mirrored };

// A true colour, a lineweight and three groups of extended data, from a handful of styles that many
// entities share; or the mirrored system the file gave the entity in.
cad::EntityData dressed(cad::EntityData e, Dress dress, std::size_t n)
{
    static const std::int32_t palette[] = {0x2E8B57, 0xB22222, 0x4169E1, 0xDAA520, 0x708090, 0x8B4513, 0x20B2AA, 0x9932CC};
    static const std::int16_t lineweights[] = {13, 18, 25, 35, 50};
    static const char* const categories[] = {"ROAD", "BOUNDARY", "LAMP", "TREE", "KERB", "BUILDING"};
    if (dress == Dress::Look) {
        cad::RareProperties& r = e.rare.edit();
        r.trueColor = palette[n % 8];
        r.lineweight = lineweights[n % 5];
        r.extendedData = {{1001, QStringLiteral("SITEDATA"), 0},
                          {1000, QString::fromLatin1(categories[n % 6]), 0},
                          {1070, QString(), double(n % 4)},
                          {1040, QString(), 0.5 * double(n % 3)}};
    } else if (dress == Dress::Mirrored) {
        e.rare.edit().extrusion = {0, 0, -1};
    }
    return e;
}

struct Plan {
    cad::DocumentModel model{nullptr};
    std::vector<cad::PlacedReference> references;
    int lots;   // lots along each side

    explicit Plan(int lotsAcross, Dress dress = Dress::Plain) : lots(lotsAcross)
    {
        model.setDefaultTables();
        cad::BlockDefinition tree;
        tree.name = QStringLiteral("TREE");
        cad::EntityData crown;
        crown.kind = cad::EntityKind::Circle;
        crown.radius = 1.5;
        crown.color = 3;
        tree.entities.push_back(crown);
        tree.entities.push_back(line(-1.5, 0, 1.5, 0, 3));
        model.tables().blocks.push_back(tree);

        std::mt19937 rng(7);
        std::uniform_real_distribution<double> jitter(0, 6);
        model.setBulkLoading(true);
        std::size_t added = 0;
        auto add = [&](const cad::EntityData& e) { model.add(dressed(e, dress, added++)); };
        for (int i = 0; i < lots; ++i)
            for (int j = 0; j < lots; ++j) {
                const double x = i * kLot, y = j * kLot, w = 18 + jitter(rng), h = 14 + jitter(rng);
                cad::EntityData outline;
                outline.kind = cad::EntityKind::Polyline;
                outline.closed = true;
                outline.color = 5;
                outline.vertices = {{x + 8, y + 8, 0}, {x + 8 + w, y + 8, 0}, {x + 8 + w, y + 8 + h, 0.2}, {x + 8, y + 8 + h, 0}};
                add(outline);
                cad::EntityData name;
                name.kind = cad::EntityKind::Text;
                name.text = QStringLiteral("%1号楼").arg(i * lots + j);
                name.insertion = name.alignment = {x + 10, y + 12, 0};
                name.height = 2.5;
                name.color = 7;
                add(name);
                add(line(x, y + 2, x + kLot, y + 2, 8));
                add(line(x + 2, y, x + 2, y + kLot, 8));
                cad::EntityData kerb;
                kerb.kind = cad::EntityKind::Arc;
                kerb.center = {x + 6, y + 6, 0};
                kerb.radius = 4;
                kerb.startAngle = 3.14159;
                kerb.endAngle = 4.71239;
                kerb.color = 8;
                add(kerb);
                cad::EntityData lamp;
                lamp.kind = cad::EntityKind::Circle;
                lamp.center = {x + 34, y + 34, 0};
                lamp.radius = 0.6;
                lamp.color = 2;
                add(lamp);
                cad::EntityData ref;
                ref.kind = cad::EntityKind::Insert;
                ref.blockName = QStringLiteral("TREE");
                ref.insertion = {x + 34, y + 20, 0};
                add(ref);
                add(line(x + 4, y + 36, x + 36, y + 36, 1));
                add(line(x + 36, y + 4, x + 36, y + 36, 1));
                add(line(x + 4, y + 4, x + 4, y + 36, 1));
            }
        model.setBulkLoading(false);
        references = cad::placedReferences(model);
    }
};

// 100 x 100 lots: 100 000 entities; 316 x 316 lots: 998 560 entities. Built once, on first use.
Plan& plan(int lots = 100, Dress dress = Dress::Plain)
{
    static std::map<std::pair<int, Dress>, std::unique_ptr<Plan>> built;
    auto& p = built[{lots, dress}];
    if (!p)
        p = std::make_unique<Plan>(lots, dress);
    return *p;
}

cad::ViewTransform extentsView(int lots = 100, Dress dress = Dress::Plain)
{
    cad::ViewTransform v;
    v.size = kScreen;
    v.fit(*cad::drawingExtents(plan(lots, dress).model, plan(lots, dress).references));
    return v;
}

// The zoom an engineer picks at: about five lots across the screen.
cad::ViewTransform workingView()
{
    cad::ViewTransform v;
    v.size = kScreen;
    v.scale = kScreen.width() / (5 * kLot);
    v.cx = v.cy = plan().lots * kLot / 2;
    return v;
}

void paintModel(benchmark::State& state, const cad::DocumentModel& model,
                const std::vector<cad::PlacedReference>& references, const cad::ViewTransform& view,
                double pixelRatio = 1)
{
    // As the window paints its picture: as many pixels as the screen has for it.
    QImage image(kScreen * pixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(pixelRatio);
    std::size_t drawn = 0;
    for (auto _ : state) {
        image.fill(cad::drawingBackground());
        QPainter p(&image);
        cad::DrawingRenderer renderer(model, view);
        renderer.paintView(p, references);
        drawn = renderer.drawnCount();
    }
    state.counters["entities"] = double(model.count());
    state.counters["drawn"] = double(drawn);
}

void paint(benchmark::State& state, const cad::ViewTransform& view, int lots = 100, double pixelRatio = 1,
           Dress dress = Dress::Plain)
{
    paintModel(state, plan(lots, dress).model, plan(lots, dress).references, view, pixelRatio);
}

// Goals: one frame (16 ms) at 100k, 100 ms at 1M.
void BM_FullRedraw100kExtents(benchmark::State& state) { paint(state, extentsView()); }
BENCHMARK(BM_FullRedraw100kExtents)->Unit(benchmark::kMillisecond);

void BM_FullRedraw1MExtents(benchmark::State& state) { paint(state, extentsView(316), 316); }
BENCHMARK(BM_FullRedraw1MExtents)->Unit(benchmark::kMillisecond);

// The same plans with every entity in a true colour with a lineweight and extended data, or every
// entity mirrored: goals 1.3x and 1x the plain plan's time.
void BM_FullRedrawExtentsDressed(benchmark::State& state, int lots, Dress dress)
{
    paint(state, extentsView(lots, dress), lots, 1, dress);
}
BENCHMARK_CAPTURE(BM_FullRedrawExtentsDressed, 100kLook, 100, Dress::Look)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FullRedrawExtentsDressed, 1MLook, 316, Dress::Look)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FullRedrawExtentsDressed, 100kMirrored, 100, Dress::Mirrored)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FullRedrawExtentsDressed, 1MMirrored, 316, Dress::Mirrored)->Unit(benchmark::kMillisecond);

// 100 000 polylines, the site plan's shapes (roads, boundaries, lamps and trees as bulged circles,
// kerbs, buildings), thin or with the widths a plan gives them (roads wider than a pixel at the
// fit), or with widths and in true colours too. Goal: wide in at most twice the thin time.
enum class Widths { Thin, Wide, WideInTrueColours };

struct PolylinePlan {
    cad::DocumentModel model{nullptr};

    explicit PolylinePlan(Widths widths)
    {
        model.setDefaultTables();
        std::mt19937 rng(7);
        std::uniform_real_distribution<double> jitter(0, 6);
        std::size_t n = 0;
        auto add = [&](std::vector<cad::PolyVertex> vertices, bool closed, double width) {
            cad::EntityData e;
            e.kind = cad::EntityKind::Polyline;
            e.vertices = std::move(vertices);
            e.closed = closed;
            e.color = static_cast<short>(1 + n % 7);
            if (widths != Widths::Thin)
                e.rare.edit().widths.assign(e.vertices.size(), {width, width});
            if (widths == Widths::WideInTrueColours)
                e.rare.edit().trueColor = dressed(e, Dress::Look, n).rare->trueColor;
            ++n;
            model.add(e);
        };
        model.setBulkLoading(true);
        for (int i = 0; i < 100; ++i)
            for (int j = 0; j < 100; ++j) {
                const double x = i * kLot, y = j * kLot, w = 18 + jitter(rng), h = 14 + jitter(rng);
                add({{x, y + 2, 0}, {x + kLot, y + 2, 0}}, false, 4);
                add({{x + 2, y, 0}, {x + 2, y + kLot, 0}}, false, 4);
                add({{x + 4, y + 36, 0}, {x + 36, y + 36, 0}}, false, 0.2);
                add({{x + 36, y + 4, 0}, {x + 36, y + 36, 0}}, false, 0.2);
                add({{x + 33.4, y + 34, 1}, {x + 34.6, y + 34, 1}}, true, 0.3);
                add({{x + 32.5, y + 20, 1}, {x + 35.5, y + 20, 1}}, true, 0.3);
                add({{x + 2, y + 6, 0.41421356}, {x + 6, y + 2, 0}}, false, 1);
                add({{x + 33, y + 10, 0.66817864}, {x + 27.87867966, y + 12.12132034, 0}}, false, 1);
                add({{x + 8, y + 8, 0}, {x + 8 + w, y + 8, 0}, {x + 8 + w, y + 8 + h, 0}, {x + 8, y + 8 + h, 0}}, true, 0.5);
                add({{x + 10, y + 24, 0}, {x + 16, y + 24, 0}, {x + 16, y + 30, 0}, {x + 10, y + 30, 0}}, true, 0.5);
            }
        model.setBulkLoading(false);
    }
};

PolylinePlan& polylinePlan(Widths widths)
{
    static std::map<Widths, std::unique_ptr<PolylinePlan>> built;
    auto& p = built[widths];
    if (!p)
        p = std::make_unique<PolylinePlan>(widths);
    return *p;
}

void paintPolylines(benchmark::State& state, Widths widths)
{
    cad::ViewTransform v;
    v.size = kScreen;
    v.fit(*cad::drawingExtents(polylinePlan(widths).model, {}));
    paintModel(state, polylinePlan(widths).model, {}, v);
}

void BM_FullRedraw100kPolylinesThin(benchmark::State& state) { paintPolylines(state, Widths::Thin); }
BENCHMARK(BM_FullRedraw100kPolylinesThin)->Unit(benchmark::kMillisecond);

void BM_FullRedraw100kPolylinesWide(benchmark::State& state) { paintPolylines(state, Widths::Wide); }
BENCHMARK(BM_FullRedraw100kPolylinesWide)->Unit(benchmark::kMillisecond);

void BM_FullRedraw100kPolylinesWideInTrueColours(benchmark::State& state)
{
    paintPolylines(state, Widths::WideInTrueColours);
}
BENCHMARK(BM_FullRedraw100kPolylinesWideInTrueColours)->Unit(benchmark::kMillisecond);

// One mirrored polyline of 100 000 bulged vertices, a meander: its repaint after one zoom step in
// from the fit, as the wheel gives it, thin, 0.4 wide (narrower than a pixel there) and 3 wide.
void BM_ZoomStepLongBulgedPolyline(benchmark::State& state)
{
    const double width = double(state.range(0)) / 10;
    cad::DocumentModel model(nullptr);
    model.setDefaultTables();
    cad::EntityData e;
    e.kind = cad::EntityKind::Polyline;
    for (int i = 0; i < 100000; ++i)
        e.vertices.push_back({double(i % 1000) * 2, double(i / 1000) * 4 + (i % 2) * 0.5, i % 2 ? -0.6 : 0.6});
    e.rare.edit().extrusion = {0, 0, -1};
    if (width > 0)
        e.rare.edit().widths.assign(e.vertices.size(), {width, width});
    model.add(e);
    cad::ViewTransform v;
    v.size = kScreen;
    v.fit(*cad::drawingExtents(model, {}));
    v.scale *= 1.25;
    paintModel(state, model, {}, v);
}
BENCHMARK(BM_ZoomStepLongBulgedPolyline)->ArgName("tenths")->Arg(0)->Arg(4)->Arg(30)->Unit(benchmark::kMillisecond);

// The same on a screen of twice the pixel density.
void BM_FullRedraw100kExtentsDenseScreen(benchmark::State& state) { paint(state, extentsView(), 100, 2); }
BENCHMARK(BM_FullRedraw100kExtentsDenseScreen)->Unit(benchmark::kMillisecond);

void BM_Redraw100kWorkingZoom(benchmark::State& state) { paint(state, workingView()); }
BENCHMARK(BM_Redraw100kWorkingZoom)->Unit(benchmark::kMillisecond);

// What an added entity costs: drawn over the cached picture, nothing else repainted.
void BM_DrawAddedEntity(benchmark::State& state)
{
    QImage image(kScreen, QImage::Format_ARGB32_Premultiplied);
    image.fill(cad::drawingBackground());
    const cad::ViewTransform view = workingView();
    const std::vector<std::uint64_t> added{plan().model.handleAt(plan().model.count() / 2)};
    for (auto _ : state) {
        QPainter p(&image);
        cad::DrawingRenderer renderer(plan().model, view);
        renderer.paintEntities(p, added);
    }
}
BENCHMARK(BM_DrawAddedEntity)->Unit(benchmark::kMicrosecond);

void BM_ZoomExtents100k(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(cad::drawingExtents(plan().model, plan().references));
}
BENCHMARK(BM_ZoomExtents100k)->Unit(benchmark::kMillisecond);

// The snap under the cursor on every mouse move: a 10-pixel aperture at the working zoom, OSMODE 7.
// Goal: below 10 us at 1M.
void BM_SnapUnderCursor(benchmark::State& state)
{
    const int lots = static_cast<int>(state.range(0));
    plan(lots);   // built before timing starts
    const cad::ViewTransform view = workingView();
    const double aperture = 10 / view.scale;
    std::mt19937 rng(3);
    std::uniform_real_distribution<double> pos(0, lots * kLot);
    std::size_t found = 0, asked = 0;
    for (auto _ : state) {
        const auto s = plan(lots).model.snapPoint({pos(rng), pos(rng), 0}, aperture, 7);
        found += s.has_value();
        ++asked;
        benchmark::DoNotOptimize(s);
    }
    state.counters["hit_ratio"] = asked ? double(found) / double(asked) : 0;
}
BENCHMARK(BM_SnapUnderCursor)->Arg(100)->Arg(316)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);   // fonts for the texts
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
