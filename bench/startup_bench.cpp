// Startup of the main window to its first paint, beside a bare Qt window of the same size.
#include "app/main_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

// Notes the first paint of the watched window.
class FirstPaint : public QObject {
public:
    bool seen = false;
    bool eventFilter(QObject*, QEvent* event) override
    {
        seen = seen || event->type() == QEvent::Paint;
        return false;
    }
};

// Builds a window, shows it and pumps events until it has painted once.
template <typename Make> void untilPainted(benchmark::State& state, Make make)
{
    for (auto _ : state) {
        FirstPaint watch;
        std::unique_ptr<QWidget> window = make();
        window->installEventFilter(&watch);
        window->show();
        QElapsedTimer waited;
        waited.start();
        while (!watch.seen && waited.elapsed() < 5000)
            QApplication::processEvents(QEventLoop::AllEvents, 5);
        state.PauseTiming();
        window.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

QSize mainWindowSize()
{
    app::MainWindow w;
    return w.size();
}

void BM_MainWindowToFirstPaint(benchmark::State& state)
{
    untilPainted(state, [] { return std::make_unique<app::MainWindow>(); });
}
BENCHMARK(BM_MainWindowToFirstPaint)->Unit(benchmark::kMillisecond);

void BM_BareWindowToFirstPaint(benchmark::State& state)
{
    static const QSize size = mainWindowSize();
    untilPainted(state, [] {
        auto w = std::make_unique<QWidget>();
        w->setFixedSize(size);
        return w;
    });
}
BENCHMARK(BM_BareWindowToFirstPaint)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
