// Why a drawing file could not be written, in the words the drawing window shows.
#pragma once

#include <QString>

namespace cad {

// The cause of a failed write of `bytes` bytes into `folder`, from the system error `err`: disk
// full, file too large, no permission, or the error's number. A write that only came up short
// sets no error (err 0); its cause is then found from the file-size limit, the free space and the
// folder's permission. Never an empty or "unknown" cause.
QString saveFailureCause(int err, qint64 bytes, const QString& folder);

} // namespace cad
