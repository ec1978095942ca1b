// From entity handle to a slot number: one flat table, so that a million entities cost neither a
// million allocations nor the pointers between them.
#pragma once

#include <cstdint>
#include <vector>

namespace cad {

class SlotMap {
public:
    std::size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    // The slot of id, or null.
    const std::uint32_t* find(std::uint64_t id) const;
    // Sets the slot of id, adding it when absent.
    void set(std::uint64_t id, std::uint32_t slot);
    // Removes id; false when it was absent.
    bool erase(std::uint64_t id);

private:
    // A slot number of these marks an entry empty, or erased (probing goes on past it).
    static constexpr std::uint32_t kEmpty = UINT32_MAX, kErased = UINT32_MAX - 1;
    std::size_t home(std::uint64_t id) const;
    std::size_t next(std::size_t i) const { return (i + 1) & (m_slots.size() - 1); }
    void grow();
    // Entry i is m_ids[i], m_slots[i]: a power of two long, at most two thirds used or erased.
    std::vector<std::uint64_t> m_ids;
    std::vector<std::uint32_t> m_slots;
    std::size_t m_size = 0, m_erased = 0;
};

} // namespace cad
