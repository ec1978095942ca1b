// The band a polyline with widths covers: quadrilaterals, arc bands and mitred corners.
#include "platform/cad/window/wide_polyline.h"

#include "platform/cad/window/bulge_arc.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace cad {

namespace {

// A segment's edges on its left and right, from its start to its end (straight segments only).
struct Edges {
    QPointF leftFrom, leftTo, rightFrom, rightTo;
};

bool straight(const PolyVertex& a, const PolyVertex& b)
{
    return a.bulge == 0 || !std::isfinite(a.bulge) || (a.x == b.x && a.y == b.y);
}

Edges edgesOf(const PolyVertex& a, const PolyVertex& b, const SegmentWidth& w)
{
    const double dx = b.x - a.x, dy = b.y - a.y, len = std::hypot(dx, dy);
    const double nx = len > 0 ? -dy / len : 0, ny = len > 0 ? dx / len : 0;
    const double s = w.start / 2, e = w.end / 2;
    return {{a.x + nx * s, a.y + ny * s},
            {b.x + nx * e, b.y + ny * e},
            {a.x - nx * s, a.y - ny * s},
            {b.x - nx * e, b.y - ny * e}};
}

// Where the line through p1, p2 crosses the line through q1, q2, unless they run (nearly) parallel.
std::optional<QPointF> crossing(const QPointF& p1, const QPointF& p2, const QPointF& q1, const QPointF& q2)
{
    const QPointF u = p2 - p1, v = q2 - q1;
    const double denominator = u.x() * v.y() - u.y() * v.x();
    const double scale = std::hypot(u.x(), u.y()) * std::hypot(v.x(), v.y());
    if (!(std::abs(denominator) > 1e-9 * scale))
        return std::nullopt;
    const QPointF d = q1 - p1;
    const double t = (d.x() * v.y() - d.y() * v.x()) / denominator;
    return p1 + u * t;
}

// A box about all a segment covers: its band's corners, or the circle of a bulged one's arc.
QRectF segmentBounds(const PolyVertex& a, const PolyVertex& b, const SegmentWidth& w, const Edges* edges)
{
    if (edges) {
        const QPointF corners[] = {edges->leftFrom, edges->leftTo, edges->rightFrom, edges->rightTo};
        double x0 = corners[0].x(), x1 = x0, y0 = corners[0].y(), y1 = y0;
        for (const QPointF& c : corners) {
            x0 = std::min(x0, c.x());
            x1 = std::max(x1, c.x());
            y0 = std::min(y0, c.y());
            y1 = std::max(y1, c.y());
        }
        return QRectF(QPointF(x0, y0), QPointF(x1, y1));
    }
    const BulgeArc arc = bulgeArcOf(a, b);
    const double reach = arc.r + std::max(w.start, w.end) / 2;
    const double cx = arc.cx, cy = arc.cy;
    return QRectF(QPointF(cx - reach, cy - reach), QPointF(cx + reach, cy + reach));
}

// QRectF::intersects, but true of a box of no width or height too (a line along an axis).
bool meets(const QRectF& a, const QRectF& b)
{
    return a.left() <= b.right() && b.left() <= a.right() && a.top() <= b.bottom() && b.top() <= a.bottom();
}

} // namespace

void widePolyline(const std::vector<PolyVertex>& v, const std::vector<SegmentWidth>& widths, bool closed,
                  const QTransform& toDevice, const QRectF& view, Polygons& fills, std::vector<QLineF>& lines)
{
    const std::size_t n = v.size();
    if (n < 2)
        return;
    const std::size_t segments = closed ? n : n - 1;
    auto widthOf = [&](std::size_t i) { return i < widths.size() ? widths[i] : SegmentWidth{}; };
    const double pixels = std::sqrt(std::abs(toDevice.determinant()));
    auto edgesAt = [&](std::size_t i) -> std::optional<Edges> {
        const PolyVertex& from = v[i];
        const PolyVertex& to = v[(i + 1) % n];
        return straight(from, to) ? std::optional<Edges>(edgesOf(from, to, widthOf(i))) : std::nullopt;
    };
    // Square corners: the edges of two straight segments meeting at a vertex end where they cross,
    // unless that lies far out (a nearly reversing turn), where they end square. Worked out a corner
    // at a time, carried from one segment to the next.
    struct Corner {
        std::optional<QPointF> left, right;
    };
    auto cornerAfter = [&](std::size_t i, const std::optional<Edges>& e) -> Corner {
        const std::size_t next = i + 1 < segments ? i + 1 : (closed ? 0 : segments);
        if (next == segments || !e)
            return {};
        const std::optional<Edges> f = edgesAt(next);
        if (!f)
            return {};
        const PolyVertex& at = v[(i + 1) % n];
        const double limit = 2 * std::max({widthOf(i).end, widthOf(next).start, 1e-12});
        auto join = [&](QPointF Edges::*from, QPointF Edges::*to) -> std::optional<QPointF> {
            const auto x = crossing((*e).*from, (*e).*to, (*f).*from, (*f).*to);
            if (x && std::hypot(x->x() - at.x, x->y() - at.y) <= limit)
                return x;
            return std::nullopt;
        };
        return {join(&Edges::leftFrom, &Edges::leftTo), join(&Edges::rightFrom, &Edges::rightTo)};
    };
    Corner before = closed ? cornerAfter(segments - 1, edgesAt(segments - 1)) : Corner{};
    // Room for a band of ten corners a segment (an arc's fewest) at once, not by doubling: a polyline
    // of many segments would otherwise pass through twice its corners' room.
    fills.points.reserve(fills.points.size() + 10 * segments);
    // What the view shows, in the polyline's own coordinates, a pixel around it.
    const QRectF seen = toDevice.inverted().mapRect(view.adjusted(-1, -1, 1, 1));
    for (std::size_t i = 0; i < segments; ++i) {
        const PolyVertex& a = v[i];
        const PolyVertex& b = v[(i + 1) % n];
        const SegmentWidth w = widthOf(i);
        const std::optional<Edges> edges = edgesAt(i);
        const Corner after = cornerAfter(i, edges);
        std::optional<Edges> mitred = edges;
        if (mitred) {
            mitred->leftFrom = before.left.value_or(mitred->leftFrom);
            mitred->rightFrom = before.right.value_or(mitred->rightFrom);
            mitred->leftTo = after.left.value_or(mitred->leftTo);
            mitred->rightTo = after.right.value_or(mitred->rightTo);
        }
        before = after;
        if (!meets(seen, segmentBounds(a, b, w, mitred ? &*mitred : nullptr)))
            continue;
        // Narrower than a pixel: its centre line (an arc's in chords) is all that shows.
        const bool narrow = std::max(w.start, w.end) * pixels < 1;
        if (narrow && straight(a, b)) {
            lines.emplace_back(toDevice.map(QPointF(a.x, a.y)), toDevice.map(QPointF(b.x, b.y)));
            continue;
        }
        if (mitred) {
            const Edges& e = *mitred;
            for (const QPointF& corner : {e.leftFrom, e.leftTo, e.rightTo, e.rightFrom})
                fills.points.push_back(toDevice.map(corner));
            fills.sizes.push_back(4);
            continue;
        }
        const BulgeArc arc = bulgeArcOf(a, b);
        const int steps =
            std::clamp(static_cast<int>(std::ceil(std::abs(arc.sweep) * std::sqrt(arc.r * pixels + 1))), 4, 1024);
        if (narrow) {
            QPointF last = toDevice.map(QPointF(a.x, a.y));
            for (int k = 1; k <= steps; ++k) {
                const double angle = arc.start + arc.sweep * k / steps;
                const QPointF next =
                    toDevice.map(QPointF(arc.cx + arc.r * std::cos(angle), arc.cy + arc.r * std::sin(angle)));
                lines.emplace_back(last, next);
                last = next;
            }
            continue;
        }
        // Along the arc on its outer edge, back on its inner one.
        const std::size_t first = fills.points.size();
        fills.points.resize(first + 2 * static_cast<std::size_t>(steps + 1));
        QPointF* band = fills.points.data() + first;
        for (int k = 0; k <= steps; ++k) {
            const double f = static_cast<double>(k) / steps, angle = arc.start + arc.sweep * f;
            const double half = (w.start + (w.end - w.start) * f) / 2;
            const double c = std::cos(angle), s = std::sin(angle);
            band[k] = toDevice.map(QPointF(arc.cx + c * (arc.r + half), arc.cy + s * (arc.r + half)));
            band[2 * steps + 1 - k] = toDevice.map(QPointF(arc.cx + c * (arc.r - half), arc.cy + s * (arc.r - half)));
        }
        fills.sizes.push_back(static_cast<std::uint32_t>(2 * (steps + 1)));
    }
}

} // namespace cad
