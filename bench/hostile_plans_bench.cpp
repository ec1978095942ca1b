// Plans that once opened in quadratic time or flooded the first paint: very many blocks, many coincident circles, a long text.
#include "first_paint.h"
#include "offscreen_benchmarks.h"

#include "platform/cad/dxf/dxf_file.h"
#include "platform/cad/model/document_model.h"

#include <QFile>
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <random>

namespace {

// `blocks` block definitions of one line each, and one reference to each, as R2000 text.
QByteArray manyBlocks(int blocks)
{
    QByteArray dxf = "0\nSECTION\n2\nBLOCKS\n";
    for (int i = 0; i < blocks; ++i)
        dxf += "0\nBLOCK\n8\n0\n2\nB" + QByteArray::number(i)
               + "\n70\n0\n10\n0\n20\n0\n30\n0\n0\nLINE\n8\n0\n10\n0\n20\n0\n30\n0\n11\n1\n21\n1\n31\n0\n0\nENDBLK\n8\n"
                 "0\n";
    dxf += "0\nENDSEC\n0\nSECTION\n2\nENTITIES\n";
    for (int i = 0; i < blocks; ++i)
        dxf += "0\nINSERT\n8\n0\n2\nB" + QByteArray::number(i) + "\n10\n" + QByteArray::number(i % 300 * 3) + "\n20\n"
               + QByteArray::number(i / 300 * 3) + "\n30\n0\n";
    dxf += "0\nENDSEC\n0\nEOF\n";
    return dxf;
}

// Linear means the 100k plan within 15x the time of the 10k one: compare the two rows.
void BM_OpenManyBlocks(benchmark::State& state)
{
    const QByteArray dxf = manyBlocks(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        cad::DocumentModel model(nullptr);
        cad::readDxf(dxf, model);
        benchmark::DoNotOptimize(model.tables().blocks.size());
    }
    state.SetItemsProcessed(state.range(0) * state.iterations());
}
BENCHMARK(BM_OpenManyBlocks)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// 200 000 circles of radius 5: all at one centre, or scattered over a 20 km site.
QByteArray circles(bool coincident, int count)
{
    std::mt19937 rng(3);
    std::uniform_real_distribution<double> pos(0, 20000);
    QByteArray dxf = "0\nSECTION\n2\nENTITIES\n";
    dxf.reserve(count * 64);
    for (int i = 0; i < count; ++i) {
        const double x = coincident ? 100 : pos(rng), y = coincident ? 100 : pos(rng);
        dxf += "0\nCIRCLE\n8\n0\n10\n" + QByteArray::number(x, 'f', 3) + "\n20\n" + QByteArray::number(y, 'f', 3)
               + "\n30\n0\n40\n5\n";
    }
    dxf += "0\nENDSEC\n0\nEOF\n";
    return dxf;
}

// A number from /proc/self/status, in MiB.
double statusMib(const char* key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(static_cast<qsizetype>(qstrlen(key))).trimmed().split(' ').value(0).toDouble() / 1024;
    return 0;
}

// Opening and the first paint at extents, as the drawing window does for a plan; peak_MiB is what
// the process held at most above where it stood before. At most 5x the time and 2x the memory of
// the spread plan: compare the rows.
void BM_OpenAndFirstPaintCircles(benchmark::State& state)
{
    const bool coincident = state.range(0) != 0;
    const QByteArray dxf = circles(coincident, static_cast<int>(state.range(1)));
    double peak = 0;
    for (auto _ : state) {
        state.PauseTiming();
        malloc_trim(0);
        QFile clear(QStringLiteral("/proc/self/clear_refs")); // resets the peak to what is resident now
        if (clear.open(QIODevice::WriteOnly))
            clear.write("5");
        clear.close();
        const double before = statusMib("VmRSS:");
        state.ResumeTiming();
        {
            cad::DocumentModel model(nullptr);
            cad::readDxf(dxf, model);
            benchmark::DoNotOptimize(bench::firstPaint(model));
            state.PauseTiming();
            peak = std::max(peak, statusMib("VmHWM:") - before);
            state.ResumeTiming();
        }
    }
    state.counters["peak_MiB"] = peak;
}
BENCHMARK(BM_OpenAndFirstPaintCircles)
    ->ArgNames({"coincident", "circles"})
    ->ArgsProduct({{0, 1}, {200000}})
    ->Unit(benchmark::kMillisecond);

// `count` lines scattered over a 20 km site, as R2000 text.
QByteArray lines(int count)
{
    std::mt19937 rng(5);
    std::uniform_real_distribution<double> pos(0, 20000);
    QByteArray dxf = "0\nSECTION\n2\nENTITIES\n";
    dxf.reserve(count * 80);
    for (int i = 0; i < count; ++i) {
        const double x = pos(rng), y = pos(rng);
        dxf += "0\nLINE\n8\n0\n10\n" + QByteArray::number(x, 'f', 3) + "\n20\n" + QByteArray::number(y, 'f', 3)
               + "\n30\n0\n11\n" + QByteArray::number(x + 10, 'f', 3) + "\n21\n" + QByteArray::number(y, 'f', 3)
               + "\n31\n0\n";
    }
    dxf += "0\nENDSEC\n0\nEOF\n";
    return dxf;
}

// One MTEXT of about `bytes` bytes on one line, in chunks (3) of Korean, which the Song face lacks
// and so falls back to another font for, broken by Chinese, as UTF-8 (R2007). Its reference width
// of 100 keeps it readable when the view is fitted to it; `attachment` (71) is where it stands by
// its insertion point.
QByteArray longMText(qsizetype bytes, int attachment = 1)
{
    QByteArray chunk;
    while (chunk.size() < 240)
        chunk += QStringLiteral("가나다라마바사아자 综合楼 ").toUtf8();
    QByteArray dxf =
        "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1021\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n0\nMTEXT\n8\n0\n"
        "10\n0\n20\n0\n30\n0\n40\n2.5\n41\n100\n71\n"
        + QByteArray::number(attachment) + "\n";
    dxf.reserve(bytes + chunk.size() * 2);
    while (dxf.size() < bytes)
        dxf += "3\n" + chunk + "\n";
    dxf += "1\nEND\n0\nENDSEC\n0\nEOF\n";
    return dxf;
}

// Opening and the first paint of a plan of `lines` lines beside one MTEXT of the same file size: a
// long text costs at most a few times the lines. Then repaints of that first view.
QByteArray linesOrText(const benchmark::State& state)
{
    const QByteArray plan = lines(static_cast<int>(state.range(1)));
    return state.range(0) == 0 ? plan : longMText(plan.size());
}

void BM_OpenAndFirstPaintLongText(benchmark::State& state)
{
    const QByteArray dxf = linesOrText(state);
    for (auto _ : state) {
        cad::DocumentModel model(nullptr);
        cad::readDxf(dxf, model);
        benchmark::DoNotOptimize(bench::firstPaint(model));
    }
    state.counters["MB"] = static_cast<double>(dxf.size()) / 1e6;
}
BENCHMARK(BM_OpenAndFirstPaintLongText)
    ->ArgNames({"text", "lines"})
    ->ArgsProduct({{0, 1}, {6000, 200000}})
    ->Unit(benchmark::kMillisecond);

void BM_RepaintLongText(benchmark::State& state)
{
    cad::DocumentModel model(nullptr);
    cad::readDxf(linesOrText(state), model);
    for (auto _ : state)
        benchmark::DoNotOptimize(bench::firstPaint(model));
}
BENCHMARK(BM_RepaintLongText)
    ->ArgNames({"text", "lines"})
    ->ArgsProduct({{0, 1}, {6000, 200000}})
    ->Unit(benchmark::kMillisecond);

// The same text centred on its insertion point, so placed by its width: too long to measure in one
// paint, it stands by a measured sample of its pieces. Compare with BM_RepaintLongText/text:1.
void BM_RepaintLongCentredText(benchmark::State& state)
{
    cad::DocumentModel model(nullptr);
    cad::readDxf(longMText(lines(static_cast<int>(state.range(0))).size(), 2), model);
    for (auto _ : state)
        benchmark::DoNotOptimize(bench::firstPaint(model));
}
BENCHMARK(BM_RepaintLongCentredText)->ArgName("lines")->Arg(6000)->Arg(200000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    bench::runOffscreen(argc, argv);
    return 0;
}
