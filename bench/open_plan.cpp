// Opens the DXF named on the command line headlessly and paints it once as the drawing window would; prints time and peak memory.
#include "first_paint.h"

#include "platform/automation/automation_error.h"
#include "platform/cad/dxf/dxf_file.h"
#include "platform/cad/model/document_model.h"

#include <QGuiApplication>
#include <QImage>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

// The most memory the process has held (VmHWM), in MiB.
double peakMib()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmHWM:") {
            double kib = 0;
            status >> kib;
            return kib / 1024;
        }
        status.ignore(1 << 12, '\n');
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s plan.dxf\n", argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const auto started = std::chrono::steady_clock::now();
    QGuiApplication app(argc, argv);   // fonts for the texts
    cad::DocumentModel model(nullptr);
    try {
        cad::readDxfFile(QString::fromLocal8Bit(argv[1]), model);
    } catch (const automation::AutomationError& e) {
        std::fprintf(stderr, "cannot read %s: %s\n", argv[1], qPrintable(e.description()));
        return 1;
    }
    const QImage picture = bench::firstPaint(model);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    if (const QByteArray out = qgetenv("RIDE_OPEN_PNG"); !out.isEmpty())
        picture.save(QString::fromLocal8Bit(out));
    std::printf("open_s=%.3f peak_mib=%.1f\n", seconds, peakMib());
    // Opening is what is measured: the process ends here rather than take the drawing apart.
    std::fflush(stdout);
    std::_Exit(0);
}
