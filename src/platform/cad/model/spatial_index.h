// A uniform grid over the model space for window, nearest-entity and snap queries on large drawings.
#pragma once

#include "platform/cad/geometry/point.h"
#include "platform/cad/model/slot_map.h"

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace cad {

struct Box {
    double minX = 0, minY = 0, maxX = 0, maxY = 0;
    bool intersects(const Box& o) const { return minX <= o.maxX && o.minX <= maxX && minY <= o.maxY && o.minY <= maxY; }
    double distanceTo(double x, double y) const;
};

// Items are entity handles with their bounding boxes, kept in one array in the order they came.
// A rebuild sizes the cells and files every item into a packed grid in two linear passes; items
// inserted afterwards go into a small hashed grid of their own until the next rebuild. Items much
// larger than a cell, or outside the grid, are kept in a short list, so one huge outline does not
// fill thousands of cells.
class SpatialIndex {
public:
    void insert(std::uint64_t id, const Box& box);
    // While deferred, inserts only note the box; the grid is built once when deferring ends
    // (a drawing read from a file is indexed in one pass).
    void setDeferred(bool deferred);
    void remove(std::uint64_t id);
    void update(std::uint64_t id, const Box& box) { remove(id); insert(id, box); }
    void clear();
    std::size_t size() const { return m_slotOf.size(); }

    // Handles whose boxes meet `window`, each once, in no particular order.
    std::vector<std::uint64_t> query(const Box& window) const;
    // Calls f(handle, box) for each item whose box meets `window`, each once, in no particular order.
    template <typename F> void forEachIn(const Box& window, F&& f) const;
    // Handles whose boxes lie within `radius` of (x, y), nearest box first.
    std::vector<std::uint64_t> near(double x, double y, double radius) const;
    const Box* box(std::uint64_t id) const;
    // True when `window` spans so much of the grid that a walk through all items beats the cells.
    bool coversMuchOf(const Box& window) const;

private:
    struct Item {
        std::uint64_t id;
        Box box;
        bool live;
    };
    struct CellKey {
        std::int64_t x, y;
        bool operator==(const CellKey&) const = default;
    };
    struct CellHash {
        std::size_t operator()(const CellKey& k) const noexcept
        {
            return std::hash<std::int64_t>()(k.x * 73856093LL ^ k.y * 19349663LL);
        }
    };
    // The cells a box covers, clamped to the grid; false for a box that belongs in the large list.
    struct CellRange {
        std::int64_t x0, y0, x1, y1;
    };
    void rebuild();
    bool placeable(const Box& box, CellRange& cells) const;
    std::int64_t column(double x) const;
    std::int64_t row(double y) const;
    // Calls f(slot) for each live item meeting `window`, each once.
    template <typename F> void visit(const Box& window, F&& f) const;

    bool m_deferred = false;
    bool m_built = false;
    std::size_t m_sizedFor = 0;          // live item count the grid was built for
    std::size_t m_dead = 0;              // removed items still in m_items
    double m_cell = 1, m_originX = 0, m_originY = 0;
    std::int64_t m_columns = 0, m_rows = 0;
    std::vector<Item> m_items;
    SlotMap m_slotOf;
    std::vector<std::uint32_t> m_cellStart;   // packed grid: the items of cell c are m_cellItems[start[c] .. start[c+1])
    std::vector<std::uint32_t> m_cellItems;
    std::unordered_map<CellKey, std::vector<std::uint32_t>, CellHash> m_added;   // inserted since the build
    std::vector<std::uint32_t> m_large;
};

template <typename F> void SpatialIndex::visit(const Box& w, F&& f) const
{
    if (m_slotOf.empty() || !(w.minX <= w.maxX && w.minY <= w.maxY))
        return;
    if (!m_built) {
        for (std::uint32_t s = 0; s < m_items.size(); ++s)
            if (m_items[s].live && m_items[s].box.intersects(w))
                f(s);
        return;
    }
    if (coversMuchOf(w)) {
        for (std::uint32_t s = 0; s < m_items.size(); ++s)
            if (m_items[s].live && m_items[s].box.intersects(w))
                f(s);
        return;
    }
    const std::int64_t x0 = column(w.minX), x1 = column(w.maxX), y0 = row(w.minY), y1 = row(w.maxY);
    // An item covering several cells is reported from the first of them the window holds.
    auto firstHere = [&](std::uint32_t s, std::int64_t x, std::int64_t y) {
        const Item& it = m_items[s];
        return it.live && it.box.intersects(w) && std::max(column(it.box.minX), x0) == x
            && std::max(row(it.box.minY), y0) == y;
    };
    for (std::int64_t y = y0; y <= y1; ++y)
        for (std::int64_t x = x0; x <= x1; ++x) {
            const std::size_t c = static_cast<std::size_t>(y * m_columns + x);
            for (std::uint32_t k = m_cellStart[c]; k < m_cellStart[c + 1]; ++k)
                if (firstHere(m_cellItems[k], x, y))
                    f(m_cellItems[k]);
        }
    if (!m_added.empty())
        for (std::int64_t y = y0; y <= y1; ++y)
            for (std::int64_t x = x0; x <= x1; ++x)
                if (auto it = m_added.find({x, y}); it != m_added.end())
                    for (auto s : it->second)
                        if (firstHere(s, x, y))
                            f(s);
    for (auto s : m_large)
        if (m_items[s].live && m_items[s].box.intersects(w))
            f(s);
}

template <typename F> void SpatialIndex::forEachIn(const Box& window, F&& f) const
{
    visit(window, [&](std::uint32_t s) { f(m_items[s].id, m_items[s].box); });
}

} // namespace cad
