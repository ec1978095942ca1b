// Speed and size of the drawing engine on a 100 000-entity drawing: DXF load and save, crossings, nearest and snap; plans with many layers or text styles.
#include "offscreen_benchmarks.h"

#include "platform/cad/application.h"
#include "platform/cad/dxf/dxf_file.h"
#include "platform/cad/engine.h"
#include "platform/cad/model/document_model.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cmath>
#include <random>

namespace {

constexpr int kEntities = 100000;
constexpr double kExtent = 20000;   // drawing units: a large site at 1:500

QTemporaryDir& workDir()
{
    static QTemporaryDir dir;
    return dir;
}

// A drawing of lines, arcs, circles and Chinese texts scattered over the site.
void fill(cad::ModelSpace ms)
{
    std::mt19937 rng(42);
    std::uniform_real_distribution<double> pos(0, kExtent), len(5, 60), angle(0, 6.283185307179586);
    for (int i = 0; i < kEntities; ++i) {
        const cad::Point p{pos(rng), pos(rng), 0};
        switch (i % 20) {
        case 0: case 1: case 2: case 3: case 4: case 5: case 6: case 7: {
            const double a = angle(rng), l = len(rng);
            ms.AddLine(p, {p[0] + l * std::cos(a), p[1] + l * std::sin(a), 0});
            break;
        }
        case 8: case 9: case 10: case 11: case 12:
            ms.AddArc(p, len(rng), angle(rng), angle(rng));
            break;
        case 13: case 14: case 15: case 16:
            ms.AddCircle(p, len(rng) / 2);
            break;
        default:
            ms.AddText(QStringLiteral("避雷针保护范围 %1").arg(i), p, 2.5);
        }
    }
}

cad::Application& engine()
{
    static cad::Application app = cad::Application::CreateObject();
    return app;
}

// The generated drawing, saved once as the file the load benchmark reads.
cad::Document& drawing()
{
    static cad::Document doc = [] {
        cad::Document d = engine().Documents().Add();
        fill(d.ModelSpace());
        d.SaveAs(workDir().filePath(QStringLiteral("site100k.dxf")));
        return d;
    }();
    return doc;
}

// Resident memory of the process in megabytes.
double residentMB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const auto fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * 4096 / 1e6 : 0;
}

void BM_DxfLoad100k(benchmark::State& state)
{
    drawing();
    const QString path = workDir().filePath(QStringLiteral("site100k.dxf"));
    double held = 0;
    for (auto _ : state) {
        const double before = residentMB();
        cad::DocumentModel model(nullptr);
        cad::readDxfFile(path, model);
        held = residentMB() - before;   // what the loaded drawing keeps (the file's text is gone by now)
        benchmark::DoNotOptimize(model.count());
    }
    state.counters["entities"] = kEntities;
    state.counters["drawing_MB"] = held;
    state.counters["file_MB"] = double(QFileInfo(path).size()) / 1e6;
}
BENCHMARK(BM_DxfLoad100k)->Unit(benchmark::kMillisecond);

void BM_DxfSave100k(benchmark::State& state)
{
    auto model = drawing().model();
    const QString path = workDir().filePath(QStringLiteral("saved100k.dxf"));
    for (auto _ : state)
        cad::writeDxfFile(path, *model);
    state.counters["file_MB"] = double(QFileInfo(path).size()) / 1e6;
}
BENCHMARK(BM_DxfSave100k)->Unit(benchmark::kMillisecond);

// A plan with many layers, one line on each: open and save must grow linearly with them.
void BM_DxfLayers(benchmark::State& state)
{
    const int layers = static_cast<int>(state.range(0));
    cad::DocumentModel model(nullptr);
    model.setDefaultTables();
    for (int i = 0; i < layers; ++i) {
        const QString name = QStringLiteral("图层%1").arg(i);
        model.tables().layers.push_back({name, static_cast<short>(1 + i % 255), QStringLiteral("CONTINUOUS"), 0, -3});
        cad::EntityData line;
        line.layer = name;
        line.end = {double(i), 1, 0};
        model.add(line);
    }
    const QString path = workDir().filePath(QStringLiteral("layers.dxf"));
    for (auto _ : state) {
        cad::writeDxfFile(path, model);
        cad::DocumentModel again(nullptr);
        cad::readDxfFile(path, again);
        benchmark::DoNotOptimize(again.tables().layers.size());
    }
    state.counters["layers"] = layers;
}
BENCHMARK(BM_DxfLayers)->Arg(10000)->Arg(30000)->Arg(100000)->Unit(benchmark::kMillisecond);

// A plan with as many text styles as texts, each text in its own style: saving must grow linearly
// (each text finds its style by hash, not by a walk through the table).
void BM_DxfSaveTextStyles(benchmark::State& state)
{
    const int styles = static_cast<int>(state.range(0));
    cad::DocumentModel model(nullptr);
    model.setDefaultTables();
    for (int i = 0; i < styles; ++i) {
        cad::TextStyleData style;
        style.name = QStringLiteral("样式%1").arg(i);
        style.font = QStringLiteral("simsun.ttf");
        model.tables().styles.push_back(style);
        cad::EntityData text;
        text.kind = cad::EntityKind::Text;
        text.text = QStringLiteral("文字%1").arg(i);
        text.style = style.name;
        text.height = 2.5;
        text.insertion = {double(i), 0, 0};
        model.add(text);
    }
    const QString path = workDir().filePath(QStringLiteral("styles.dxf"));
    for (auto _ : state)
        cad::writeDxfFile(path, model);
    state.counters["styles"] = styles;
}
BENCHMARK(BM_DxfSaveTextStyles)->Arg(2000)->Arg(20000)->Arg(40000)->Unit(benchmark::kMillisecond);

// 10 000 IntersectWith calls through the automation references, on pairs of the drawing's curves.
void BM_IntersectWith10k(benchmark::State& state)
{
    cad::ModelSpace ms = drawing().ModelSpace();
    std::vector<cad::Entity> curves;
    for (int i = 0; curves.size() < 2000; ++i) {
        cad::Entity e = ms.Item(i);
        if (e.kind() != cad::EntityKind::Text)
            curves.push_back(e);
    }
    const int option = static_cast<int>(state.range(0));
    std::size_t crossings = 0;
    for (auto _ : state) {
        for (int q = 0; q < 10000; ++q)
            crossings += curves[q % curves.size()].IntersectWith(curves[(q * 7 + 1) % curves.size()], option).size();
    }
    benchmark::DoNotOptimize(crossings);
    state.SetItemsProcessed(10000 * state.iterations());   // items/s: queries per second
}
BENCHMARK(BM_IntersectWith10k)->Arg(0)->Arg(3)->Unit(benchmark::kMillisecond);

// 10 000 nearest-entity and snap queries with OSMODE 7 at random places of the drawing.
void BM_NearestAndSnap10k(benchmark::State& state)
{
    drawing().SetVariable(QStringLiteral("OSMODE"), 7);
    auto model = drawing().model();
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> pos(0, kExtent);
    std::vector<cad::Point> cursors(10000);
    for (auto& c : cursors)
        c = {pos(rng), pos(rng), 0};
    const double aperture = static_cast<double>(state.range(0));
    std::size_t found = 0;
    for (auto _ : state) {
        for (const auto& c : cursors) {
            found += model->nearestEntity(c, aperture) != 0;
            found += model->snapPoint(c, aperture).has_value();
        }
    }
    benchmark::DoNotOptimize(found);
    state.SetItemsProcessed(10000 * state.iterations());   // items/s: queries per second
    state.counters["hits_per_10k"] = double(found) / double(state.iterations());
}
// Apertures of 5, 50 and 200 drawing units (a few pixels up to a zoomed-out view).
BENCHMARK(BM_NearestAndSnap10k)->Arg(5)->Arg(50)->Arg(200)->Unit(benchmark::kMillisecond);

// Building the spatial index of n items at the density of a site plan (one item per 40 x 40 units),
// as a drawing read from a file does (deferred, one build), and item by item as the drawing code adds.
std::vector<cad::Box> siteBoxes(std::size_t n)
{
    std::mt19937 rng(11);
    const double side = 40 * std::sqrt(static_cast<double>(n));
    std::uniform_real_distribution<double> pos(0, side), size(0.5, 30);
    std::vector<cad::Box> boxes(n);
    for (auto& b : boxes) {
        const double x = pos(rng), y = pos(rng);
        b = {x, y, x + size(rng), y + size(rng)};
    }
    return boxes;
}

void BM_IndexBuild(benchmark::State& state)
{
    const auto boxes = siteBoxes(static_cast<std::size_t>(state.range(0)));
    const bool deferred = state.range(1) != 0;
    for (auto _ : state) {
        cad::SpatialIndex index;
        index.setDeferred(deferred);
        for (std::size_t i = 0; i < boxes.size(); ++i)
            index.insert(0x30 + i, boxes[i]);
        index.setDeferred(false);
        benchmark::DoNotOptimize(index.size());
    }
    state.SetItemsProcessed(state.range(0) * state.iterations());
}
// Linear means 1M within 10x of 100k: compare the items/s figures.
BENCHMARK(BM_IndexBuild)->ArgsProduct({{10000, 100000, 1000000}, {1, 0}})->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    bench::runOffscreen(argc, argv, [] { engine().Quit(); });
    return 0;
}
