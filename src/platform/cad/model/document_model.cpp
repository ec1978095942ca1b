// The store of one drawing: handles, drawing order, erased entities, spatial queries, changes told to its listener.
#include "platform/cad/model/document_model.h"

#include "platform/cad/geometry/geometry_transform.h"
#include "platform/cad/model/text_justification.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace cad {

const char* objectName(EntityKind kind)
{
    switch (kind) {
    case EntityKind::Line: return "AcDbLine";
    case EntityKind::Arc: return "AcDbArc";
    case EntityKind::Circle: return "AcDbCircle";
    case EntityKind::Text: return "AcDbText";
    case EntityKind::Polyline: return "AcDbPolyline";
    case EntityKind::MText: return "AcDbMText";
    case EntityKind::Insert: return "AcDbBlockReference";
    }
    return "AcDbEntity";
}

DocumentModel::DocumentModel(DocumentListener* listener) : m_listener(listener) {}

void DocumentModel::setFileName(const QString& fullName, const QString& name)
{
    m_fullName = fullName;
    m_name = name;
}

std::uint64_t DocumentModel::add(EntityData entity)
{
    const std::uint64_t h = m_nextHandle++;
    entity.handle = h;
    const Box box = boundingBox(entity);
    m_index.insert(h, box);
    m_store.push(std::move(entity), box);
    m_saved = false;
    if (m_listener)
        m_listener->entityAddedTo(*this, h);
    return h;
}

const StoredEntity* DocumentModel::stored(std::uint64_t handle) const
{
    const std::size_t i = m_store.position(handle);
    if (i == EntityStore::npos || m_store[i].erased)
        return nullptr;
    return &m_store[i];
}

std::optional<EntityData> DocumentModel::find(std::uint64_t handle) const
{
    if (const StoredEntity* s = stored(handle))
        return m_store.entity(*s);
    return std::nullopt;
}

bool DocumentModel::wasErased(std::uint64_t handle) const
{
    const std::size_t i = m_store.position(handle);
    return i != EntityStore::npos && m_store[i].erased;
}

void DocumentModel::replace(std::uint64_t handle, const EntityData& entity)
{
    const std::size_t i = m_store.position(handle);
    if (i == EntityStore::npos || m_store[i].erased)
        return;
    const Box box = boundingBox(entity);
    m_store.replace(i, entity, box);
    m_index.update(handle, box);
    m_saved = false;
    if (m_listener)
        m_listener->entityChangedIn(*this, handle);
}

void DocumentModel::erase(std::uint64_t handle)
{
    const std::size_t i = m_store.position(handle);
    if (i == EntityStore::npos || m_store[i].erased)
        return;
    // The record stays so the handle is known as erased and never reused.
    m_store.erase(i);
    ++m_erasedCount;
    m_index.remove(handle);
    m_saved = false;
    if (m_listener)
        m_listener->entityErasedFrom(*this, handle);
}

void DocumentModel::reserveHandles(std::uint64_t next) { m_nextHandle = std::max(m_nextHandle, next); }

std::uint64_t DocumentModel::handleAt(std::size_t index) const
{
    if (m_erasedCount == 0)
        return index < m_store.size() ? m_store[index].handle : 0;
    std::size_t live = 0;
    for (std::size_t i = 0; i < m_store.size(); ++i) {
        if (m_store[i].erased)
            continue;
        if (live++ == index)
            return m_store[i].handle;
    }
    return 0;
}

std::vector<std::uint64_t> DocumentModel::entitiesIn(const Box& window) const { return m_index.query(window); }

std::vector<std::uint64_t> DocumentModel::sortedIn(const Box& window) const
{
    // Handles are handed out in drawing order.
    std::vector<std::uint64_t> handles = m_index.query(window);
    std::sort(handles.begin(), handles.end());
    return handles;
}

std::uint64_t DocumentModel::nearestEntity(const Point& p, double radius) const
{
    std::uint64_t best = 0;
    double bestDistance = std::numeric_limits<double>::infinity();
    for (auto h : m_index.near(p[0], p[1], radius)) {
        const auto e = find(h);
        if (!e)
            continue;
        const double d = distanceToEntity(*e, p);
        if (d <= radius && d < bestDistance) {
            bestDistance = d;
            best = h;
        }
    }
    return best;
}

int DocumentModel::osmode() const
{
    auto it = m_tables.variables.find(QStringLiteral("OSMODE"));
    return it == m_tables.variables.end() ? 0 : it->toInt();
}

std::optional<SnapCandidate> DocumentModel::snapPoint(const Point& p, double aperture, int mode) const
{
    if (mode < 0)
        mode = osmode();
    if (mode == 0)
        return std::nullopt;
    std::vector<SnapCandidate> candidates;
    for (auto h : m_index.near(p[0], p[1], aperture)) {
        if (const auto e = find(h))
            snapCandidates(*e, mode, candidates);
    }
    return snap(candidates, p, aperture, mode);
}

void DocumentModel::adopt(DocumentModel&& other)
{
    m_store = std::move(other.m_store);
    m_erasedCount = other.m_erasedCount;
    m_tables = std::move(other.m_tables);
    m_index = std::move(other.m_index);
    m_nextHandle = std::max(m_nextHandle, other.m_nextHandle);
    m_saved = true;
}

namespace {
void grow(Box& b, double x, double y)
{
    b.minX = std::min(b.minX, x);
    b.maxX = std::max(b.maxX, x);
    b.minY = std::min(b.minY, y);
    b.maxY = std::max(b.maxY, y);
}

Box pointBox(double x, double y) { return {x, y, x, y}; }

// The box of an arc: its ends and whichever axis directions it sweeps over.
Box arcBox(const Point& c, double r, double start, double end)
{
    const Point s = geom::pointAtAngle(c, r, start), e = geom::pointAtAngle(c, r, end);
    Box b = pointBox(s[0], s[1]);
    grow(b, e[0], e[1]);
    for (int q = 0; q < 4; ++q) {
        const double a = q * geom::kTwoPi / 4;
        if (geom::angleOnArc(a, start, end)) {
            const Point p = geom::pointAtAngle(c, r, a);
            grow(b, p[0], p[1]);
        }
    }
    return b;
}

double segmentDistance(double ax, double ay, double bx, double by, double px, double py)
{
    const double dx = bx - ax, dy = by - ay;
    const double len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? ((px - ax) * dx + (py - ay) * dy) / len2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(ax + t * dx - px, ay + t * dy - py);
}

double arcDistance(const Point& c, double r, double start, double end, bool full, const Point& p)
{
    const double toCentre = std::hypot(p[0] - c[0], p[1] - c[1]);
    if (full || (toCentre > 0 && geom::angleOnArc(std::atan2(p[1] - c[1], p[0] - c[0]), start, end)))
        return std::abs(toCentre - r);
    return std::min(geom::distance(p, geom::pointAtAngle(c, r, start)), geom::distance(p, geom::pointAtAngle(c, r, end)));
}

// A polyline segment with a bulge is an arc: its centre, radius and angles.
struct BulgeArc {
    Point c;
    double r, start, end;
};
BulgeArc bulgeArc(const PolyVertex& a, const PolyVertex& b)
{
    const double theta = 4 * std::atan(a.bulge);
    const double chord = std::hypot(b.x - a.x, b.y - a.y);
    const double r = chord / (2 * std::sin(std::abs(theta) / 2));
    const double mx = (a.x + b.x) / 2, my = (a.y + b.y) / 2;
    const double h = std::sqrt(std::max(0.0, r * r - chord * chord / 4));
    // Centre on the left of a->b for a counter-clockwise (positive) bulge less than a half turn.
    const double ux = (b.x - a.x) / chord, uy = (b.y - a.y) / chord;
    const double side = ((theta > 0) == (std::abs(theta) < geom::kTwoPi / 2)) ? 1.0 : -1.0;
    const Point c{mx - uy * h * side, my + ux * h * side, 0};
    double s = std::atan2(a.y - c[1], a.x - c[0]), e = std::atan2(b.y - c[1], b.x - c[0]);
    if (theta < 0)
        std::swap(s, e);
    return {c, r, geom::normalizeAngle(s), geom::normalizeAngle(e)};
}

template <typename F> void forEachPolySegment(const EntityData& e, F&& f)
{
    const std::size_t n = e.vertices.size();
    const std::size_t segments = e.closed ? n : (n ? n - 1 : 0);
    for (std::size_t i = 0; i < segments; ++i)
        f(e.vertices[i], e.vertices[(i + 1) % n]);
}

} // namespace

double Box::distanceTo(double x, double y) const
{
    const double dx = std::max({minX - x, 0.0, x - maxX});
    const double dy = std::max({minY - y, 0.0, y - maxY});
    return std::hypot(dx, dy);
}

Box boundingBox(const EntityData& e)
{
    switch (e.kind) {
    case EntityKind::Line: {
        Box b = pointBox(e.start[0], e.start[1]);
        grow(b, e.end[0], e.end[1]);
        return b;
    }
    case EntityKind::Circle:
        return {e.center[0] - e.radius, e.center[1] - e.radius, e.center[0] + e.radius, e.center[1] + e.radius};
    case EntityKind::Arc:
        return arcBox(e.center, e.radius, e.startAngle, e.endAngle);
    case EntityKind::Polyline: {
        if (e.vertices.empty())
            return pointBox(0, 0);
        Box b = pointBox(e.vertices[0].x, e.vertices[0].y);
        forEachPolySegment(e, [&](const PolyVertex& a, const PolyVertex& v) {
            grow(b, v.x, v.y);
            if (a.bulge != 0 && std::isfinite(a.bulge) && (a.x != v.x || a.y != v.y)) {
                const BulgeArc arc = bulgeArc(a, v);
                const Box ab = arcBox(arc.c, arc.r, arc.start, arc.end);
                grow(b, ab.minX, ab.minY);
                grow(b, ab.maxX, ab.maxY);
            }
        });
        // A wide polyline's band reaches half its width beyond the line.
        double half = 0;
        for (const SegmentWidth& w : e.rare->widths)
            half = std::max({half, w.start / 2, w.end / 2});
        return half > 0 ? Box{b.minX - half, b.minY - half, b.maxX + half, b.maxY + half} : b;
    }
    case EntityKind::Text:
    case EntityKind::MText:
        return textBox(e);
    case EntityKind::Insert:
        // The block's extent is not known here; the insertion point stands for it.
        return pointBox(e.insertion[0], e.insertion[1]);
    }
    return {};
}

double distanceToEntity(const EntityData& e, const Point& p)
{
    switch (e.kind) {
    case EntityKind::Line:
        return segmentDistance(e.start[0], e.start[1], e.end[0], e.end[1], p[0], p[1]);
    case EntityKind::Circle:
        return arcDistance(e.center, e.radius, 0, 0, true, p);
    case EntityKind::Arc:
        return arcDistance(e.center, e.radius, e.startAngle, e.endAngle, false, p);
    case EntityKind::Polyline: {
        double best = std::numeric_limits<double>::infinity();
        if (e.vertices.size() == 1)
            best = std::hypot(e.vertices[0].x - p[0], e.vertices[0].y - p[1]);
        forEachPolySegment(e, [&](const PolyVertex& a, const PolyVertex& b) {
            if (a.bulge != 0 && std::isfinite(a.bulge) && (a.x != b.x || a.y != b.y)) {
                const BulgeArc arc = bulgeArc(a, b);
                best = std::min(best, arcDistance(arc.c, arc.r, arc.start, arc.end, false, p));
            } else {
                best = std::min(best, segmentDistance(a.x, a.y, b.x, b.y, p[0], p[1]));
            }
        });
        return best;
    }
    case EntityKind::Text:
    case EntityKind::MText:
    case EntityKind::Insert:
        return boundingBox(e).distanceTo(p[0], p[1]);
    }
    return std::numeric_limits<double>::infinity();
}

} // namespace cad
