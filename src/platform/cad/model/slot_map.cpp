// Open addressing with linear probing over two flat arrays.
#include "platform/cad/model/slot_map.h"

#include <utility>

namespace cad {

std::size_t SlotMap::home(std::uint64_t id) const
{
    // Handles are handed out one after the other: taken as they are, a run of them fills a run of
    // the table without a collision, and filling it walks the memory in order.
    return static_cast<std::size_t>(id ^ (id >> 32)) & (m_slots.size() - 1);
}

const std::uint32_t* SlotMap::find(std::uint64_t id) const
{
    if (m_slots.empty())
        return nullptr;
    for (std::size_t i = home(id);; i = next(i)) {
        if (m_slots[i] == kEmpty)
            return nullptr;
        if (m_slots[i] != kErased && m_ids[i] == id)
            return &m_slots[i];
    }
}

void SlotMap::grow()
{
    std::vector<std::uint64_t> ids = std::move(m_ids);
    std::vector<std::uint32_t> slots = std::move(m_slots);
    // Twice what is used; erased entries are dropped on the way.
    std::size_t capacity = 16;
    while (capacity < 2 * (m_size + 1))
        capacity *= 2;
    m_ids.assign(capacity, 0);
    m_slots.assign(capacity, kEmpty);
    m_size = m_erased = 0;
    for (std::size_t i = 0; i < slots.size(); ++i)
        if (slots[i] != kEmpty && slots[i] != kErased)
            set(ids[i], slots[i]);
}

void SlotMap::set(std::uint64_t id, std::uint32_t slot)
{
    if (3 * (m_size + m_erased + 1) > 2 * m_slots.size())
        grow();
    std::size_t reuse = SIZE_MAX;
    for (std::size_t i = home(id);; i = next(i)) {
        if (m_slots[i] == kEmpty) {
            if (reuse != SIZE_MAX) {
                --m_erased;
                i = reuse;
            }
            m_ids[i] = id;
            m_slots[i] = slot;
            ++m_size;
            return;
        }
        if (m_slots[i] == kErased) {
            if (reuse == SIZE_MAX)
                reuse = i;
        } else if (m_ids[i] == id) {
            m_slots[i] = slot;
            return;
        }
    }
}

bool SlotMap::erase(std::uint64_t id)
{
    if (m_slots.empty())
        return false;
    for (std::size_t i = home(id);; i = next(i)) {
        if (m_slots[i] == kEmpty)
            return false;
        if (m_slots[i] != kErased && m_ids[i] == id) {
            m_slots[i] = kErased;
            --m_size;
            ++m_erased;
            return true;
        }
    }
}

} // namespace cad
