// Lines and arcs of a zone drawing in a local frame, in metres, before they are placed in the drawing.
#pragma once

#include "platform/cad/geometry/point.h"

#include <vector>

namespace geometry {

struct FramePoint {
    double x = 0.0;
    double y = 0.0;
};

// A frame point as the engine's plane geometry takes it (z 0).
inline cad::Point toPoint(FramePoint p) { return {p.x, p.y, 0.0}; }

// An arc as the arc-drawing routine takes it: counter-clockwise about the centre, from the
// direction of `from` to the direction of `to`.
struct FrameArc {
    FramePoint centre;
    double radius = 0.0;
    FramePoint from;
    FramePoint to;
};

struct FrameLine {
    FramePoint from;
    FramePoint to;
    // Lines of the ground and the target height take their own colour; the others take the step's.
    bool groundOrTarget = false;
};

// One entity of a section view, in drawing order.
struct FrameItem {
    enum class Kind { Line, Arc } kind = Kind::Line;
    FrameLine line;
    FrameArc arc;
};

inline FrameItem lineItem(FramePoint from, FramePoint to, bool groundOrTarget = false)
{
    FrameItem item;
    item.kind = FrameItem::Kind::Line;
    item.line = {from, to, groundOrTarget};
    return item;
}

inline FrameItem arcItem(FramePoint centre, double radius, FramePoint from, FramePoint to)
{
    FrameItem item;
    item.kind = FrameItem::Kind::Arc;
    item.arc = {centre, radius, from, to};
    return item;
}

using FrameItems = std::vector<FrameItem>;

} // namespace geometry
