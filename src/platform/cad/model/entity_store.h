// The entities of a drawing in compact per-kind form: a small record each in drawing order, the
// geometry of lines, arcs and polylines in arrays of their own, layer and line type names shared.
#pragma once

#include "platform/cad/model/entity_data.h"
#include "platform/cad/model/rare_property_table.h"
#include "platform/cad/model/spatial_index.h"

#include <QHash>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

namespace cad {

// An array that grows in fixed blocks: elements never move, and growing never copies the whole of it
// (a million entities read from a file would otherwise pass through twice their memory).
template <typename T> class BlockArray {
public:
    std::size_t size() const { return m_size; }
    T& operator[](std::size_t i) { return m_blocks[i >> kShift][i & kMask]; }
    const T& operator[](std::size_t i) const { return m_blocks[i >> kShift][i & kMask]; }
    std::size_t push(T&& value)
    {
        if ((m_size & kMask) == 0 && (m_size >> kShift) == m_blocks.size())
            m_blocks.push_back(std::make_unique<T[]>(kBlock));
        (*this)[m_size] = std::move(value);
        return m_size++;
    }
    void clear()
    {
        m_blocks.clear();
        m_size = 0;
    }

private:
    static constexpr std::size_t kShift = 12, kBlock = std::size_t(1) << kShift, kMask = kBlock - 1;
    std::vector<std::unique_ptr<T[]>> m_blocks;
    std::size_t m_size = 0;
};

// Where an entity's fields are kept. Lines, arcs, circles and polylines that use no field beyond
// their geometry and rare properties are kept compactly, their rare properties in the store's table;
// anything else (texts, block references, and the odd curve that carries more) keeps its whole
// record, rare properties and all, so that reading an entity back gives what was stored.
enum class EntityStorage : std::uint8_t { Line, Arc, Polyline, Whole };

struct LineGeometry {
    Point start{}, end{};
};

struct ArcGeometry {
    Point center{};
    double radius = 0, startAngle = 0, endAngle = 0;
};

struct PolylineGeometry {
    std::vector<PolyVertex> vertices;
    double elevation = 0;
};

// What every entity has, in the order a redraw reads it.
struct StoredEntity {
    Box box;                           // the entity's bounding box, as indexed
    std::uint64_t handle = 0;
    std::uint32_t slot = 0;            // in the array of its storage
    std::uint32_t layer = 0;           // name ids
    std::uint32_t linetype = 0;
    short color = kColorByLayer;
    EntityKind kind = EntityKind::Line;
    EntityStorage storage = EntityStorage::Whole;
    bool visible = true;
    bool closed = false;
    bool erased = false;
    std::uint32_t rare = RarePropertyTable::kNone; // a compact entity's rare properties in the store's table
};
static_assert(sizeof(StoredEntity) <= 64, "every entity has one: keep it to a cache line");

class EntityStore {
public:
    EntityStore();

    // Appends an entity; handles must come in rising order (they are handed out so).
    void push(EntityData&& entity, const Box& box);
    // The position of a handle's record, live or erased, or npos.
    static constexpr std::size_t npos = SIZE_MAX;
    std::size_t position(std::uint64_t handle) const;
    std::size_t size() const { return m_records.size(); }
    const StoredEntity& operator[](std::size_t position) const { return m_records[position]; }

    // The whole record of a stored entity.
    EntityData entity(const StoredEntity& s) const;
    void fill(const StoredEntity& s, EntityData& out) const;
    void replace(std::size_t position, EntityData entity, const Box& box);
    // Marks it erased and lets its geometry go; the record stays so the handle is known.
    void erase(std::size_t position);

    const LineGeometry& line(const StoredEntity& s) const { return m_lines[s.slot]; }
    const ArcGeometry& arc(const StoredEntity& s) const { return m_arcs[s.slot]; }
    const PolylineGeometry& polyline(const StoredEntity& s) const { return m_polylines[s.slot]; }
    const EntityData& whole(const StoredEntity& s) const { return m_whole[s.slot]; }
    // The entity's rare properties, whichever way it is kept; null when it has none.
    const RareProperties* rare(const StoredEntity& s) const
    {
        return s.storage == EntityStorage::Whole ? m_whole[s.slot].rare.get() : m_rare.get(s.rare);
    }
    // How many distinct records of rare properties the compact entities share.
    std::size_t distinctRareProperties() const { return m_rare.distinct(); }

    // Layer and line type names, each kept once; id 0 is the empty name.
    const QString& name(std::uint32_t id) const { return m_names[id]; }
    std::size_t nameCount() const { return m_names.size(); }

private:
    std::uint32_t nameId(const QString& name);
    // Files the entity's own fields into the arrays and fills in the record.
    void place(EntityData&& entity, StoredEntity& s, bool inPlace);
    void release(const StoredEntity& s);

    BlockArray<StoredEntity> m_records;
    BlockArray<LineGeometry> m_lines;
    BlockArray<ArcGeometry> m_arcs;
    BlockArray<PolylineGeometry> m_polylines;
    BlockArray<EntityData> m_whole;
    RarePropertyTable m_rare;
    std::vector<QString> m_names;
    QHash<QString, std::uint32_t> m_nameIds;
};

} // namespace cad
