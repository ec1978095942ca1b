// Fuzz target of the DXF reader: any bytes either read or fail with an automation error; what reads saves and reads again.
#include "platform/automation/automation_error.h"
#include "platform/cad/document_model.h"
#include "platform/cad/dxf_file.h"

#include <QDir>
#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    cad::DocumentModel model(nullptr);
    try {
        cad::readDxf(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)), model);
    } catch (const automation::AutomationError&) {
        return 0;
    }
    // Whatever was read must survive a save and a second reading with as many entities.
    static const QString path = QDir::temp().filePath(QStringLiteral("fuzz-dxf-%1.dxf").arg(getpid()));
    try {
        cad::writeDxfFile(path, model);
        cad::DocumentModel again(nullptr);
        cad::readDxfFile(path, again);
        if (again.count() != model.count()) {
            std::fprintf(stderr, "saved %zu entities, read back %zu\n", model.count(), again.count());
            std::abort();
        }
    } catch (const automation::AutomationError& e) {
        std::fprintf(stderr, "own file failed: %s\n", e.description().toUtf8().constData());
        std::abort();
    }
    return 0;
}
