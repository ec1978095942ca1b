// Reading and writing drawings as DXF, recognised by content whatever the file name.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>

class QIODevice;

namespace cad {

class DocumentModel;

// Reads a DXF file into `model` (which must be empty); throws AutomationError(FileError or
// FileNotFound) for a missing, unreadable, non-DXF or malformed file.
void readDxfFile(const QString& path, DocumentModel& model);
// The same from bytes in memory.
void readDxf(const QByteArray& bytes, DocumentModel& model);
// The same from an open device, from where it stands, `chunk` bytes at a time (the whole text is never
// held at once); the device is read a second time when texts precede the header declaring their
// encoding.
void readDxf(QIODevice& device, DocumentModel& model, std::size_t chunk = std::size_t(1) << 20);
// True when the bytes look like a text DXF file.
bool looksLikeDxf(const QByteArray& head);

// Writes the model as DXF R2000 in GBK (declared ANSI_936), or as R2007 in UTF-8 when a name or
// text holds a character GBK lacks. The file is replaced only once written completely; throws
// AutomationError(FileError) with the cause (in the window's words) when it cannot be written, also
// when a name is longer than readers take (it is never cut).
void writeDxfFile(const QString& path, const DocumentModel& model);
// True when `description` is writeDxfFile's refusal of a name too long for readers: a file that
// opened can hold such a name (one byte a character in its own code page, more in UTF-8).
bool refusesOverlongName(const QString& description);

} // namespace cad
