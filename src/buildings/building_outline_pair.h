// The tests a pair of outline points must pass before the rolling sphere is set on them.
#pragma once

#include "platform/cad/geometry/point.h"

#include <QString>
#include <optional>

namespace buildings {

inline const QString kPairTooFar = QStringLiteral("两点之间距离已经超出保护半径的两倍,中间应加设一处避雷装置!");
inline const QString kPairSamePoint = QStringLiteral("所选两点为同一点!");
inline const QString kPairSameVertical = QStringLiteral("所选两点在同一竖线!");

// The message of the first test the pair fails, in this order: farther apart than the sphere's
// diameter 2R (exactly 2R passes), the same point twice, both on one vertical; nothing when the
// sphere can rest on both. Only x and y count; the comparisons are exact.
std::optional<QString> PairRefusal(const cad::Point& p1, const cad::Point& p2, double sphereRadius);

// The sphere's arc runs counter-clockwise from the left point of the pair to the right one, whichever
// was picked first: the first of the two returned points is where it starts.
struct ArcEnds {
    cad::Point from;
    cad::Point to;
};
ArcEnds LeftToRight(const cad::Point& p1, const cad::Point& p2);

} // namespace buildings
