// Snap candidates of entities and the pure choice of the nearest one.
#include "platform/cad/model/snap.h"

#include "platform/cad/geometry/geometry_transform.h"

#include <cmath>

namespace cad {

void snapCandidates(const EntityData& e, int osmode, std::vector<SnapCandidate>& out)
{
    auto add = [&](SnapMode mode, const Point& p) {
        if (osmode & mode)
            out.push_back({p, mode, e.handle});
    };
    switch (e.kind) {
    case EntityKind::Line:
        add(SnapEnd, e.start);
        add(SnapEnd, e.end);
        add(SnapMid, {(e.start[0] + e.end[0]) / 2, (e.start[1] + e.end[1]) / 2, (e.start[2] + e.end[2]) / 2});
        break;
    case EntityKind::Arc:
        add(SnapEnd, geom::pointAtAngle(e.center, e.radius, e.startAngle));
        add(SnapEnd, geom::pointAtAngle(e.center, e.radius, e.endAngle));
        add(SnapMid, geom::pointAtAngle(e.center, e.radius, e.startAngle + geom::arcSweep(e.startAngle, e.endAngle) / 2));
        add(SnapCenter, e.center);
        break;
    case EntityKind::Circle:
        add(SnapCenter, e.center);
        break;
    case EntityKind::Polyline: {
        const std::size_t n = e.vertices.size();
        for (const auto& v : e.vertices)
            add(SnapEnd, {v.x, v.y, e.elevation});
        const std::size_t segments = e.closed ? n : (n ? n - 1 : 0);
        for (std::size_t i = 0; i < segments; ++i) {
            const PolyVertex& a = e.vertices[i];
            const PolyVertex& b = e.vertices[(i + 1) % n];
            // The arc's middle lies off the chord's middle by the sagitta, to the right for a positive bulge.
            const double mx = (a.x + b.x) / 2, my = (a.y + b.y) / 2;
            const double sag = std::isfinite(a.bulge) ? a.bulge / 2 : 0;
            add(SnapMid, {mx + sag * (b.y - a.y), my - sag * (b.x - a.x), e.elevation});
        }
        break;
    }
    case EntityKind::Text:
    case EntityKind::MText:
    case EntityKind::Insert:
        add(SnapEnd, e.insertion);
        break;
    }
}

std::optional<SnapCandidate> snap(const std::vector<SnapCandidate>& candidates, const Point& cursor, double aperture, int osmode)
{
    std::optional<SnapCandidate> best;
    double bestDistance = 0;
    for (const auto& c : candidates) {
        if (!(osmode & c.mode))
            continue;
        const double d = std::hypot(c.point[0] - cursor[0], c.point[1] - cursor[1]);
        if (!(d <= aperture))
            continue;
        if (!best || d < bestDistance || (d == bestDistance && c.mode < best->mode)) {
            best = c;
            bestDistance = d;
        }
    }
    return best;
}

} // namespace cad
