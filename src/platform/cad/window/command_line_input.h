// What the engineer types or points at when asked for a point: typed coordinates and the ortho constraint.
#pragma once

#include "platform/cad/geometry/point.h"

#include <QString>
#include <optional>

namespace cad {

// A typed point: "x,y" or "x,y,z" absolute, "@dx,dy" or "@dx,dy,dz" relative to `from`. Blanks
// around the numbers are allowed; anything else (a missing or extra number, text, not a finite
// number) gives nothing.
std::optional<Point> parseTypedPoint(const QString& text, const Point& from);

// A point as the engineer would type it ("x,y", or "x,y,z" off the ground plane), to four decimals
// without trailing zeros; parseTypedPoint reads it back.
QString pointText(const Point& p);

// The cursor held to the horizontal or the vertical through `base`, whichever lies nearer the cursor.
Point orthoPoint(const Point& base, const Point& cursor);

} // namespace cad
