// Messages that the rod and the wire drawings both show, each text written once.
#pragma once

#include <QString>

namespace services {

// Told instead of a target-height outline when nothing is protected at the target height.
inline const QString kNoTargetZone = QStringLiteral("目标高度无保护范围!");

} // namespace services
