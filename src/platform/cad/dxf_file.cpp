// Reading and writing DXF through dxflib.
#include "platform/cad/dxf_file.h"

#include "platform/automation/automation_error.h"
#include "platform/cad/document_model.h"

namespace cad {

using automation::AutomationError;
namespace errors = automation::errors;

bool looksLikeDxf(const QByteArray&) { return false; }
void readDxf(const QByteArray&, DocumentModel&) { throw AutomationError(errors::FileError); }
void readDxfFile(const QString&, DocumentModel&) { throw AutomationError(errors::FileError); }
void writeDxfFile(const QString&, const DocumentModel&) { throw AutomationError(errors::FileError); }

} // namespace cad
