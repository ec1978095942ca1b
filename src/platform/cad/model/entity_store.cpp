// Filing entities into the compact per-kind arrays and building their whole records back.
#include "platform/cad/model/entity_store.h"

#include <algorithm>

namespace cad {

namespace {

bool zero(const Point& p) { return p[0] == 0 && p[1] == 0 && p[2] == 0; }

// True when none of the fields that only texts and block references use differs from a new record.
bool noTextOrInsertFields(const EntityData& e)
{
    return e.hAlign == 0 && e.vAlign == 0 && e.attachment == 1 && e.columns == 1 && e.rows == 1
        && zero(e.insertion) && zero(e.alignment) && e.text.isNull() && e.style.isNull() && e.height == 0
        && e.widthFactor == 1 && e.rotation == 0 && e.mtextWidth == 0 && e.blockName.isNull() && e.scaleX == 1
        && e.scaleY == 1 && e.scaleZ == 1 && e.columnSpacing == 0 && e.rowSpacing == 0;
}

bool noArcFields(const EntityData& e) { return zero(e.center) && e.radius == 0 && e.startAngle == 0 && e.endAngle == 0; }
bool noLineFields(const EntityData& e) { return zero(e.start) && zero(e.end); }
bool noPolylineFields(const EntityData& e) { return e.vertices.empty() && e.elevation == 0 && !e.closed; }

// Where an entity can be kept without losing any field it carries.
EntityStorage storageFor(const EntityData& e)
{
    if (!noTextOrInsertFields(e))
        return EntityStorage::Whole;
    switch (e.kind) {
    case EntityKind::Line:
        return noArcFields(e) && noPolylineFields(e) ? EntityStorage::Line : EntityStorage::Whole;
    case EntityKind::Arc:
    case EntityKind::Circle:
        return noLineFields(e) && noPolylineFields(e) ? EntityStorage::Arc : EntityStorage::Whole;
    case EntityKind::Polyline:
        return noLineFields(e) && noArcFields(e) ? EntityStorage::Polyline : EntityStorage::Whole;
    default:
        return EntityStorage::Whole;
    }
}

} // namespace

EntityStore::EntityStore()
{
    m_names.emplace_back();
    m_nameIds.insert(QString(), 0);
}

std::uint32_t EntityStore::nameId(const QString& name)
{
    if (name.isEmpty())
        return 0;
    auto it = m_nameIds.constFind(name);
    if (it != m_nameIds.constEnd())
        return it.value();
    const auto id = static_cast<std::uint32_t>(m_names.size());
    m_names.push_back(name);
    m_nameIds.insert(name, id);
    return id;
}

void EntityStore::place(EntityData&& e, StoredEntity& s, bool inPlace)
{
    s.handle = e.handle;
    s.layer = nameId(e.layer);
    s.linetype = nameId(e.linetype);
    s.color = e.color;
    s.kind = e.kind;
    s.visible = e.visible;
    s.closed = e.closed;
    s.storage = storageFor(e);
    s.rare = s.storage == EntityStorage::Whole ? RarePropertyTable::kNone : m_rare.add(std::move(e.rare));
    // In place: over the entity's own slot in the same array; else in a new slot at the end.
    auto put = [&](auto& array, auto&& value) {
        if (inPlace) {
            array[s.slot] = std::move(value);
        } else {
            s.slot = static_cast<std::uint32_t>(array.push(std::move(value)));
        }
    };
    switch (s.storage) {
    case EntityStorage::Line:
        put(m_lines, LineGeometry{e.start, e.end});
        break;
    case EntityStorage::Arc:
        put(m_arcs, ArcGeometry{e.center, e.radius, e.startAngle, e.endAngle});
        break;
    case EntityStorage::Polyline:
        put(m_polylines, PolylineGeometry{std::move(e.vertices), e.elevation});
        break;
    case EntityStorage::Whole:
        // The names live in the name table already; the copy here shares them.
        e.layer = m_names[s.layer];
        e.linetype = m_names[s.linetype];
        put(m_whole, std::move(e));
        break;
    }
}

void EntityStore::push(EntityData&& entity, const Box& box)
{
    StoredEntity s;
    s.box = box;
    place(std::move(entity), s, false);
    m_records.push(std::move(s));
}

std::size_t EntityStore::position(std::uint64_t handle) const
{
    // Records lie in rising handle order.
    std::size_t lo = 0, hi = m_records.size();
    while (lo < hi) {
        const std::size_t mid = lo + (hi - lo) / 2;
        if (m_records[mid].handle < handle)
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo < m_records.size() && m_records[lo].handle == handle ? lo : npos;
}

void EntityStore::fill(const StoredEntity& s, EntityData& out) const
{
    if (s.storage == EntityStorage::Whole) {
        out = m_whole[s.slot];
        return;
    }
    out = EntityData();
    out.handle = s.handle;
    out.layer = m_names[s.layer];
    out.linetype = m_names[s.linetype];
    out.color = s.color;
    out.kind = s.kind;
    out.visible = s.visible;
    out.closed = s.closed;
    out.rare = m_rare.shared(s.rare);
    switch (s.storage) {
    case EntityStorage::Line:
        out.start = m_lines[s.slot].start;
        out.end = m_lines[s.slot].end;
        break;
    case EntityStorage::Arc: {
        const ArcGeometry& a = m_arcs[s.slot];
        out.center = a.center;
        out.radius = a.radius;
        out.startAngle = a.startAngle;
        out.endAngle = a.endAngle;
        break;
    }
    case EntityStorage::Polyline:
        out.vertices = m_polylines[s.slot].vertices;
        out.elevation = m_polylines[s.slot].elevation;
        break;
    case EntityStorage::Whole:
        break;
    }
}

EntityData EntityStore::entity(const StoredEntity& s) const
{
    EntityData e;
    fill(s, e);
    return e;
}

void EntityStore::release(const StoredEntity& s)
{
    // Lines and arcs are small: their slots simply stay unused.
    if (s.storage == EntityStorage::Polyline)
        m_polylines[s.slot] = PolylineGeometry();
    else if (s.storage == EntityStorage::Whole)
        m_whole[s.slot] = EntityData();
}

void EntityStore::replace(std::size_t position, EntityData entity, const Box& box)
{
    StoredEntity& s = m_records[position];
    entity.handle = s.handle;
    const bool sameArray = storageFor(entity) == s.storage;
    if (!sameArray)
        release(s);
    // The old properties go after the new are filed: an edit that keeps them keeps their record.
    const std::uint32_t oldRare = s.rare;
    place(std::move(entity), s, sameArray);
    m_rare.release(oldRare);
    s.box = box;
}

void EntityStore::erase(std::size_t position)
{
    StoredEntity& s = m_records[position];
    release(s);
    m_rare.release(s.rare);
    s.rare = RarePropertyTable::kNone;
    s.erased = true;
}

} // namespace cad
