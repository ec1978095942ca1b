// The grid behind window, nearest-entity and snap queries: packed at each rebuild, hashed for later additions.
#include "platform/cad/model/spatial_index.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace cad {

namespace {
// An item spanning more cells than this in either direction goes to the list of large items.
constexpr double kMaxCellsAcross = 16;

// Boxes beyond this stay out of the grid (in the list of large items): within it, the extent of all
// boxes, the cell size and the cell counts worked out from them are finite numbers.
constexpr double kGridLimit = 1e300;

bool gridded(const Box& b)
{
    auto in = [](double v) { return std::abs(v) <= kGridLimit; }; // false for NaN
    return in(b.minX) && in(b.minY) && in(b.maxX) && in(b.maxY);
}

// The cell of an offset in cells, clamped to 0 .. count - 1: far-off, infinite or NaN coordinates
// land in the outermost cells rather than overflow.
std::int64_t cellOf(double offset, std::int64_t count)
{
    const double c = std::floor(offset);
    if (!(c > 0))
        return 0;
    return c >= static_cast<double>(count - 1) ? count - 1 : static_cast<std::int64_t>(c);
}
} // namespace

std::int64_t SpatialIndex::column(double x) const { return cellOf((x - m_originX) / m_cell, m_columns); }

std::int64_t SpatialIndex::row(double y) const { return cellOf((y - m_originY) / m_cell, m_rows); }

bool SpatialIndex::placeable(const Box& b, CellRange& cells) const
{
    if (!gridded(b) || b.maxX - b.minX > kMaxCellsAcross * m_cell || b.maxY - b.minY > kMaxCellsAcross * m_cell)
        return false;
    // Outside the grid the clamped cells would not hold it.
    if (b.minX < m_originX || b.minY < m_originY || b.maxX >= m_originX + m_cell * double(m_columns)
        || b.maxY >= m_originY + m_cell * double(m_rows))
        return false;
    cells = {column(b.minX), row(b.minY), column(b.maxX), row(b.maxY)};
    return true;
}

void SpatialIndex::rebuild()
{
    // Removed items leave; the others keep their order.
    if (m_dead > 0) {
        std::size_t kept = 0;
        for (auto& it : m_items)
            if (it.live)
                m_items[kept++] = it;
        m_items.resize(kept);
        for (std::uint32_t s = 0; s < m_items.size(); ++s)
            m_slotOf.set(m_items[s].id, s);
        m_dead = 0;
    }
    m_added.clear();
    m_large.clear();
    // Cell size: about the typical item, but no finer than the extent shared out among the items.
    double minX = std::numeric_limits<double>::infinity(), minY = minX, maxX = -minX, maxY = -minX;
    double sizes = 0;
    std::size_t counted = 0;
    for (const auto& it : m_items) {
        const Box& b = it.box;
        if (!gridded(b))
            continue;
        minX = std::min(minX, b.minX);
        minY = std::min(minY, b.minY);
        maxX = std::max(maxX, b.maxX);
        maxY = std::max(maxY, b.maxY);
        sizes += std::max(b.maxX - b.minX, b.maxY - b.minY);
        ++counted;
    }
    double cell = 1;
    if (counted == 0) {
        minX = minY = maxX = maxY = 0;
    } else {
        const double extent = std::max(maxX - minX, maxY - minY);
        // About four items to a cell: the grid stays small enough to be filled from the cache.
        const double spread = 2 * extent / std::sqrt(static_cast<double>(counted));
        const double typical = sizes / static_cast<double>(counted);
        cell = std::max(spread, typical);
        if (!(cell > 0) || !std::isfinite(cell))
            cell = std::max(1.0, extent);
        if (!(cell > 0) || !std::isfinite(cell))
            cell = 1;
    }
    // A margin of one cell all round leaves room for what is drawn next to the site.
    const double maxCells = 4.0 * double(counted) + 64;
    auto across = [&](double c) { return std::floor((maxX - minX) / c) + 3; };
    auto up = [&](double c) { return std::floor((maxY - minY) / c) + 3; };
    // The extent is finite, so doubling ends once the cell is about as large as it: at most some
    // two thousand doublings from the smallest double, and the count caps even that.
    for (int doubled = 0; doubled < 4096 && !(across(cell) * up(cell) <= maxCells); ++doubled)
        cell *= 2;
    if (!(across(cell) * up(cell) <= maxCells))
        cell = std::max({maxX - minX, maxY - minY, 1.0});
    m_cell = cell;
    m_originX = minX - cell;
    m_originY = minY - cell;
    m_columns = static_cast<std::int64_t>(across(cell));
    m_rows = static_cast<std::int64_t>(up(cell));
    m_sizedFor = m_items.size();
    m_built = true;

    // Two passes: count the items of each cell, then file them where the counts put them.
    const std::size_t cells = static_cast<std::size_t>(m_columns * m_rows);
    m_cellStart.assign(cells + 1, 0);
    CellRange r;
    for (std::uint32_t s = 0; s < m_items.size(); ++s) {
        if (!placeable(m_items[s].box, r)) {
            m_large.push_back(s);
            continue;
        }
        for (auto y = r.y0; y <= r.y1; ++y)
            for (auto x = r.x0; x <= r.x1; ++x)
                ++m_cellStart[static_cast<std::size_t>(y * m_columns + x) + 1];
    }
    for (std::size_t c = 0; c < cells; ++c)
        m_cellStart[c + 1] += m_cellStart[c];
    m_cellItems.resize(m_cellStart[cells]);
    std::vector<std::uint32_t> fill(m_cellStart.begin(), m_cellStart.end() - 1);
    for (std::uint32_t s = 0; s < m_items.size(); ++s) {
        if (!placeable(m_items[s].box, r))
            continue;
        for (auto y = r.y0; y <= r.y1; ++y)
            for (auto x = r.x0; x <= r.x1; ++x)
                m_cellItems[fill[static_cast<std::size_t>(y * m_columns + x)]++] = s;
    }
}

void SpatialIndex::insert(std::uint64_t id, const Box& box)
{
    if (m_slotOf.find(id))
        remove(id);
    const auto slot = static_cast<std::uint32_t>(m_items.size());
    m_items.push_back({id, box, true});
    m_slotOf.set(id, slot);
    if (m_deferred)
        return;
    // Rebuilt as the drawing doubles (or half of what is kept is gone): linear over many inserts.
    if (!m_built || m_items.size() > 2 * m_sizedFor + 64 || m_dead > m_items.size() / 2 + 64) {
        rebuild();
        return;
    }
    CellRange r;
    if (!placeable(box, r)) {
        m_large.push_back(slot);
        return;
    }
    for (auto y = r.y0; y <= r.y1; ++y)
        for (auto x = r.x0; x <= r.x1; ++x)
            m_added[{x, y}].push_back(slot);
}

void SpatialIndex::setDeferred(bool deferred)
{
    if (m_deferred == deferred)
        return;
    m_deferred = deferred;
    if (!deferred)
        rebuild();
}

void SpatialIndex::remove(std::uint64_t id)
{
    const std::uint32_t* slot = m_slotOf.find(id);
    if (!slot)
        return;
    // The slot stays (skipped by every query) until the next rebuild packs the items.
    m_items[*slot].live = false;
    ++m_dead;
    m_slotOf.erase(id);
}

void SpatialIndex::clear()
{
    const bool deferred = m_deferred;
    *this = SpatialIndex();
    m_deferred = deferred;
}

std::vector<std::uint64_t> SpatialIndex::query(const Box& w) const
{
    std::vector<std::uint64_t> out;
    visit(w, [&](std::uint32_t s) { out.push_back(m_items[s].id); });
    return out;
}

std::vector<std::uint64_t> SpatialIndex::near(double x, double y, double radius) const
{
    std::vector<std::pair<double, std::uint64_t>> ranked;
    visit({x - radius, y - radius, x + radius, y + radius}, [&](std::uint32_t s) {
        const double d = m_items[s].box.distanceTo(x, y);
        if (d <= radius)
            ranked.emplace_back(d, m_items[s].id);
    });
    std::sort(ranked.begin(), ranked.end());
    std::vector<std::uint64_t> out;
    out.reserve(ranked.size());
    for (const auto& r : ranked)
        out.push_back(r.second);
    return out;
}

bool SpatialIndex::coversMuchOf(const Box& w) const
{
    if (!(w.minX <= w.maxX && w.minY <= w.maxY))
        return false;
    if (!m_built)
        return true;
    const double cells = double(column(w.maxX) - column(w.minX) + 1) * double(row(w.maxY) - row(w.minY) + 1);
    return cells * 4 > double(m_items.size());
}

const Box* SpatialIndex::box(std::uint64_t id) const
{
    const std::uint32_t* slot = m_slotOf.find(id);
    return slot ? &m_items[*slot].box : nullptr;
}

} // namespace cad
