// The refusals and notices that more than one rod panel shows, each text written once.
#pragma once

#include <QString>

#include "services/zone_messages.h"

namespace rods {

// A target above 2·Hr: no sphere resting on the ground reaches it.
inline const QString kTargetTooHigh = QStringLiteral("被保护物高度不应超过所选Hr的两倍!");
// Two rods whose zone has no waist at the target height (typed and picked two rods).
inline const QString kHeightUnsuitable = QStringLiteral("避雷针高度选择不当!");
// Three rods so far apart that each is computed as a single rod (typed and picked three rods).
inline const QString kRodsApart = QStringLiteral("间距均较大, 已按单针计算!");
// The start of the warning for the lower of two rods taller than Hr.
inline const QString kLowRodTaller = QStringLiteral("低避雷针超过");
// Nothing protected at the target height (four rods, as the wires).
using services::kNoTargetZone;

} // namespace rods
