// The refusals that both the one-wire and the two-wire panels show, each text written once.
#pragma once

#include <QString>

#include "services/zone_messages.h"

namespace wires {

// The computations' refusals: a target at or above the wire (h' = h − f), a wire at or above 2·Hr.
inline const QString kTargetAboveWire = QStringLiteral("被保护物的高度超过了避雷线的高度!");
inline const QString kWireAboveTwiceRadius = QStringLiteral("避雷线高度超过保护半径的两倍,无保护范围!");
// A target-height drawing with nothing to draw: the target at or above the zone's top, where bx is 0.
using services::kNoTargetZone;

} // namespace wires
