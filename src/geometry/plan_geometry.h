// Plan-geometry tests of the drawing flows: direction of a vector, side of a line, signed distance.
// Only x and y are read; exact comparisons, no tolerance; no state, no drawing engine.
#pragma once

#include "platform/cad/geometry/point.h"

#include <QString>

namespace geometry {

// The direction of a -> b in radians, 0 <= result < 6.2831851: level right and a == b give 0.
double DirectionAngle(const cad::Point& a, const cad::Point& b);

// Where c lies against the directed line a -> b: "LEFT", "RIGHT", or "ABOVE" when on the line
// (also when a == b).
inline const QString kLeft = QStringLiteral("LEFT");
inline const QString kRight = QStringLiteral("RIGHT");
inline const QString kAbove = QStringLiteral("ABOVE");
QString SideOfLine(const cad::Point& a, const cad::Point& b, const cad::Point& c);

// The plan distance of a and b, negative when b lies left of a or straight below it.
double SignedDistance(const cad::Point& a, const cad::Point& b);

} // namespace geometry
