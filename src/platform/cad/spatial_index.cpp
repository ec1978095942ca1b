// The uniform grid behind window, nearest-entity and snap queries.
#include "platform/cad/spatial_index.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace cad {

namespace {
// An item spanning more cells than this in either direction goes to the list of large items.
constexpr double kMaxCellsAcross = 16;
// A window covering more cells than this is answered by a scan of all boxes.
constexpr double kMaxCellsScanned = 4096;
} // namespace

std::int64_t SpatialIndex::cellOf(double v) const
{
    const double c = std::floor(v / m_cell);
    // Far-off or broken coordinates land in the outermost cells rather than overflow.
    return static_cast<std::int64_t>(std::clamp(c, -1e15, 1e15));
}

bool SpatialIndex::oversize(const Box& b) const
{
    return !(std::isfinite(b.minX) && std::isfinite(b.minY) && std::isfinite(b.maxX) && std::isfinite(b.maxY))
        || (b.maxX - b.minX) > kMaxCellsAcross * m_cell || (b.maxY - b.minY) > kMaxCellsAcross * m_cell;
}

void SpatialIndex::place(std::uint64_t id, const Box& b)
{
    if (oversize(b)) {
        m_large.push_back(id);
        return;
    }
    for (auto x = cellOf(b.minX); x <= cellOf(b.maxX); ++x)
        for (auto y = cellOf(b.minY); y <= cellOf(b.maxY); ++y)
            m_cells[{x, y}].push_back(id);
}

void SpatialIndex::unplace(std::uint64_t id, const Box& b)
{
    auto drop = [id](std::vector<std::uint64_t>& v) {
        auto it = std::find(v.begin(), v.end(), id);
        if (it != v.end()) {
            *it = v.back();
            v.pop_back();
        }
    };
    if (oversize(b)) {
        drop(m_large);
        return;
    }
    for (auto x = cellOf(b.minX); x <= cellOf(b.maxX); ++x)
        for (auto y = cellOf(b.minY); y <= cellOf(b.maxY); ++y) {
            auto it = m_cells.find({x, y});
            if (it == m_cells.end())
                continue;
            drop(it->second);
            if (it->second.empty())
                m_cells.erase(it);
        }
}

void SpatialIndex::rebuild()
{
    m_cells.clear();
    m_large.clear();
    // Cell size: about the typical item, but no finer than the extent shared out among the items.
    double minX = std::numeric_limits<double>::infinity(), minY = minX, maxX = -minX, maxY = -minX;
    double sizes = 0;
    std::size_t counted = 0;
    for (const auto& [id, b] : m_boxes) {
        if (!(std::isfinite(b.minX) && std::isfinite(b.minY) && std::isfinite(b.maxX) && std::isfinite(b.maxY)))
            continue;
        minX = std::min(minX, b.minX);
        minY = std::min(minY, b.minY);
        maxX = std::max(maxX, b.maxX);
        maxY = std::max(maxY, b.maxY);
        sizes += std::max(b.maxX - b.minX, b.maxY - b.minY);
        ++counted;
    }
    double cell = 1;
    if (counted > 0) {
        const double extent = std::max(maxX - minX, maxY - minY);
        const double spread = extent / std::sqrt(static_cast<double>(counted));
        const double typical = sizes / static_cast<double>(counted);
        cell = std::max(spread, typical);
        if (!(cell > 0) || !std::isfinite(cell))
            cell = std::max(1.0, extent);
        if (!(cell > 0) || !std::isfinite(cell))
            cell = 1;
    }
    m_cell = cell;
    m_sizedFor = m_boxes.size();
    for (const auto& [id, b] : m_boxes)
        place(id, b);
}

void SpatialIndex::insert(std::uint64_t id, const Box& box)
{
    if (auto it = m_boxes.find(id); it != m_boxes.end())
        remove(id);
    m_boxes.emplace(id, box);
    if (m_deferred)
        return;
    if (m_cell == 0 || m_boxes.size() > 2 * m_sizedFor + 64)
        rebuild();
    else
        place(id, box);
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
    auto it = m_boxes.find(id);
    if (it == m_boxes.end())
        return;
    if (m_cell > 0 && !m_deferred)
        unplace(id, it->second);
    m_boxes.erase(it);
}

void SpatialIndex::clear()
{
    m_boxes.clear();
    m_cells.clear();
    m_large.clear();
    m_cell = 0;
    m_sizedFor = 0;
}

std::vector<std::uint64_t> SpatialIndex::query(const Box& w) const
{
    std::vector<std::uint64_t> out;
    if (m_boxes.empty() || !(w.minX <= w.maxX && w.minY <= w.maxY))
        return out;
    const double across = (w.maxX - w.minX) / m_cell + 1, up = (w.maxY - w.minY) / m_cell + 1;
    if (!std::isfinite(across * up) || across * up > kMaxCellsScanned || across * up > double(m_cells.size())) {
        for (const auto& [id, b] : m_boxes)
            if (b.intersects(w))
                out.push_back(id);
        return out;
    }
    for (auto x = cellOf(w.minX); x <= cellOf(w.maxX); ++x)
        for (auto y = cellOf(w.minY); y <= cellOf(w.maxY); ++y) {
            auto it = m_cells.find({x, y});
            if (it == m_cells.end())
                continue;
            for (auto id : it->second)
                if (m_boxes.at(id).intersects(w))
                    out.push_back(id);
        }
    for (auto id : m_large)
        if (m_boxes.at(id).intersects(w))
            out.push_back(id);
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

std::vector<std::uint64_t> SpatialIndex::near(double x, double y, double radius) const
{
    auto ids = query({x - radius, y - radius, x + radius, y + radius});
    std::vector<std::pair<double, std::uint64_t>> ranked;
    ranked.reserve(ids.size());
    for (auto id : ids) {
        const double d = m_boxes.at(id).distanceTo(x, y);
        if (d <= radius)
            ranked.emplace_back(d, id);
    }
    std::sort(ranked.begin(), ranked.end());
    std::vector<std::uint64_t> out;
    out.reserve(ranked.size());
    for (const auto& r : ranked)
        out.push_back(r.second);
    return out;
}

const Box* SpatialIndex::box(std::uint64_t id) const
{
    auto it = m_boxes.find(id);
    return it == m_boxes.end() ? nullptr : &it->second;
}

} // namespace cad
