// The largest coordinate the drawing engine takes, from a file, a typed or picked point or an automation call.
#pragma once

#include "platform/cad/geometry/point.h"

#include <QString>
#include <cmath>

namespace cad {

// Far beyond any site, and small enough that spans between coordinates, and the squares and cubes
// that distances and crossings compute from them, stay finite doubles.
inline constexpr double kMaxCoordinate = 1e100;

inline bool withinLimits(double v) { return std::abs(v) <= kMaxCoordinate; } // false for NaN too

inline bool withinLimits(const Point& p) { return withinLimits(p[0]) && withinLimits(p[1]) && withinLimits(p[2]); }

// What the engineer is told about a value (`what`: a coordinate, a radius, ...) beyond the limit.
inline QString limitText(const QString& what) { return QStringLiteral("%1的绝对值不能大于 1e100").arg(what); }
inline QString coordinateLimitText() { return limitText(QStringLiteral("坐标")); }

} // namespace cad
