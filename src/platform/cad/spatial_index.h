// A uniform grid over the model space for window, nearest-entity and snap queries on large drawings.
#pragma once

#include "platform/cad/point.h"

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace cad {

struct Box {
    double minX = 0, minY = 0, maxX = 0, maxY = 0;
    bool intersects(const Box& o) const { return minX <= o.maxX && o.minX <= maxX && minY <= o.maxY && o.minY <= maxY; }
    double distanceTo(double x, double y) const;
};

// Items are entity handles with their bounding boxes. The cell size adapts when the index is
// rebuilt; items much larger than a cell are kept in a short list of their own, so one huge
// outline does not fill thousands of cells.
class SpatialIndex {
public:
    void insert(std::uint64_t id, const Box& box);
    // While deferred, inserts only note the box; the grid is built once when deferring ends
    // (a drawing read from a file is indexed in one pass).
    void setDeferred(bool deferred);
    void remove(std::uint64_t id);
    void update(std::uint64_t id, const Box& box) { remove(id); insert(id, box); }
    void clear();
    std::size_t size() const { return m_boxes.size(); }

    // Handles whose boxes meet `window`.
    std::vector<std::uint64_t> query(const Box& window) const;
    // Handles whose boxes lie within `radius` of (x, y), nearest box first.
    std::vector<std::uint64_t> near(double x, double y, double radius) const;
    const Box* box(std::uint64_t id) const;

private:
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
    void rebuild();
    bool oversize(const Box& box) const;
    void place(std::uint64_t id, const Box& box);
    void unplace(std::uint64_t id, const Box& box);
    std::int64_t cellOf(double v) const;

    bool m_deferred = false;
    double m_cell = 0;                   // 0: not yet sized
    std::size_t m_sizedFor = 0;          // item count the cell size was chosen for
    std::unordered_map<std::uint64_t, Box> m_boxes;
    std::unordered_map<CellKey, std::vector<std::uint64_t>, CellHash> m_cells;
    std::vector<std::uint64_t> m_large;
};

} // namespace cad
