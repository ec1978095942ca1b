// Fuzz target of the DXF reader: any bytes either read or fail with an automation error, the same
// whatever the size of the chunks they are read in; what reads saves and reads again.
#include "platform/automation/automation_error.h"
#include "platform/cad/dxf/dxf_file.h"
#include "platform/cad/model/document_model.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

// The number of entities read, or the message refusing the bytes (and `refused` set).
QString readIn(const QByteArray& bytes, std::size_t chunk, cad::DocumentModel& model, bool& refused)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    refused = false;
    try {
        cad::readDxf(buffer, model, chunk);
    } catch (const automation::AutomationError& e) {
        refused = true;
        return e.description();
    }
    return QString::number(model.count());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    cad::DocumentModel model(nullptr);
    bool refused = false, refusedInChunks = false;
    const QString whole = readIn(bytes, std::size_t(1) << 20, model, refused);
    // Lines cut anywhere by the end of a chunk read the same.
    cad::DocumentModel chunked(nullptr);
    const QString inChunks = readIn(bytes, 1 + (size ? data[size / 2] % 61 : 0), chunked, refusedInChunks);
    if (inChunks != whole) {
        std::fprintf(stderr, "whole: %s, in chunks: %s\n", whole.toUtf8().constData(), inChunks.toUtf8().constData());
        std::abort();
    }
    if (refused)
        return 0;
    // Whatever was read must survive a save and a second reading with as many entities.
    static const QString path = QDir::temp().filePath(QStringLiteral("fuzz-dxf-%1.dxf").arg(getpid()));
    // Removed after each input (a run forks hundreds of processes); an abort leaves it to look at.
    struct RemovedAfter {
        ~RemovedAfter() { QFile::remove(path); }
    } removedAfter;
    try {
        cad::writeDxfFile(path, model);
        cad::DocumentModel again(nullptr);
        cad::readDxfFile(path, again);
        if (again.count() != model.count()) {
            std::fprintf(stderr, "saved %zu entities, read back %zu\n", model.count(), again.count());
            std::abort();
        }
    } catch (const automation::AutomationError& e) {
        // A name that fits a line in the file's own code page can outgrow it in UTF-8: the save
        // refuses it by name rather than cutting it, and the drawing stays open.
        if (cad::refusesOverlongName(e.description()))
            return 0;
        std::fprintf(stderr, "own file failed: %s\n", e.description().toUtf8().constData());
        std::abort();
    }
    return 0;
}
