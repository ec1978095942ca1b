// The arc a bulged polyline segment is drawn along.
#pragma once

#include "platform/cad/model/entity_data.h"

#include <cmath>

namespace cad {

// Centre, radius, start angle and sweep (4 atan(bulge)) of the segment from `a` to `b`: the centre
// lies on the left of a->b for a positive bulge. The segment must have a bulge and a length.
struct BulgeArc {
    double cx, cy, r, start, sweep;
};

inline BulgeArc bulgeArcOf(const PolyVertex& a, const PolyVertex& b)
{
    const double dx = b.x - a.x, dy = b.y - a.y, len = std::hypot(dx, dy);
    const double sweep = 4 * std::atan(a.bulge);
    const double d = (len / 2) / std::tan(sweep / 2);
    const double cx = (a.x + b.x) / 2 - dy / len * d, cy = (a.y + b.y) / 2 + dx / len * d;
    return {cx, cy, std::hypot(a.x - cx, a.y - cy), std::atan2(a.y - cy, a.x - cx), sweep};
}

} // namespace cad
