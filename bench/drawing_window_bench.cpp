// Speed of the drawing window on 100 000- and 1 000 000-entity site plans: full redraw, working-zoom redraw, added entity, extents, snap under the cursor.
#include "platform/cad/model/document_model.h"
#include "platform/cad/window/drawing_view_colors.h"
#include "platform/cad/window/drawing_view_renderer.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cmath>
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

struct Plan {
    cad::DocumentModel model{nullptr};
    std::vector<cad::PlacedReference> references;
    int lots;   // lots along each side

    explicit Plan(int lotsAcross) : lots(lotsAcross)
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
        for (int i = 0; i < lots; ++i)
            for (int j = 0; j < lots; ++j) {
                const double x = i * kLot, y = j * kLot, w = 18 + jitter(rng), h = 14 + jitter(rng);
                cad::EntityData outline;
                outline.kind = cad::EntityKind::Polyline;
                outline.closed = true;
                outline.color = 5;
                outline.vertices = {{x + 8, y + 8, 0}, {x + 8 + w, y + 8, 0}, {x + 8 + w, y + 8 + h, 0.2}, {x + 8, y + 8 + h, 0}};
                model.add(outline);
                cad::EntityData name;
                name.kind = cad::EntityKind::Text;
                name.text = QStringLiteral("%1号楼").arg(i * lots + j);
                name.insertion = name.alignment = {x + 10, y + 12, 0};
                name.height = 2.5;
                name.color = 7;
                model.add(name);
                model.add(line(x, y + 2, x + kLot, y + 2, 8));
                model.add(line(x + 2, y, x + 2, y + kLot, 8));
                cad::EntityData kerb;
                kerb.kind = cad::EntityKind::Arc;
                kerb.center = {x + 6, y + 6, 0};
                kerb.radius = 4;
                kerb.startAngle = 3.14159;
                kerb.endAngle = 4.71239;
                kerb.color = 8;
                model.add(kerb);
                cad::EntityData lamp;
                lamp.kind = cad::EntityKind::Circle;
                lamp.center = {x + 34, y + 34, 0};
                lamp.radius = 0.6;
                lamp.color = 2;
                model.add(lamp);
                cad::EntityData ref;
                ref.kind = cad::EntityKind::Insert;
                ref.blockName = QStringLiteral("TREE");
                ref.insertion = {x + 34, y + 20, 0};
                model.add(ref);
                model.add(line(x + 4, y + 36, x + 36, y + 36, 1));
                model.add(line(x + 36, y + 4, x + 36, y + 36, 1));
                model.add(line(x + 4, y + 4, x + 4, y + 36, 1));
            }
        model.setBulkLoading(false);
        references = cad::placedReferences(model);
    }
};

// 100 x 100 lots: 100 000 entities; 316 x 316 lots: 998 560 entities. Built once, on first use.
Plan& plan(int lots = 100)
{
    static Plan small(100);
    if (lots == 100)
        return small;
    static Plan large(316);
    return large;
}

cad::ViewTransform extentsView(int lots = 100)
{
    cad::ViewTransform v;
    v.size = kScreen;
    v.fit(*cad::drawingExtents(plan(lots).model, plan(lots).references));
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

void paint(benchmark::State& state, const cad::ViewTransform& view, int lots = 100, double pixelRatio = 1)
{
    // As the window paints its picture: as many pixels as the screen has for it.
    QImage image(kScreen * pixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(pixelRatio);
    std::size_t drawn = 0;
    for (auto _ : state) {
        image.fill(cad::drawingBackground());
        QPainter p(&image);
        cad::DrawingRenderer renderer(plan(lots).model, view);
        renderer.paintView(p, plan(lots).references);
        drawn = renderer.drawnCount();
    }
    state.counters["entities"] = double(plan(lots).model.count());
    state.counters["drawn"] = double(drawn);
}

// Goals: one frame (16 ms) at 100k, 100 ms at 1M.
void BM_FullRedraw100kExtents(benchmark::State& state) { paint(state, extentsView()); }
BENCHMARK(BM_FullRedraw100kExtents)->Unit(benchmark::kMillisecond);

void BM_FullRedraw1MExtents(benchmark::State& state) { paint(state, extentsView(316), 316); }
BENCHMARK(BM_FullRedraw1MExtents)->Unit(benchmark::kMillisecond);

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
