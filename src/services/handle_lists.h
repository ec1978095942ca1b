// The handle lists that the pair engine files and the union outlines read, with no index outside a list.
#pragma once

#include "services/acad_refs.h"
#include "services/subscript.h"

#include <array>
#include <utility>
#include <vector>

namespace services {

// A growable list of entity handles, indexed from 0 to count() − 1. Filing appends; every other read
// or write outside the list raises "subscript out of range".
class HandleList {
public:
    int count() const { return static_cast<int>(m_entries.size()); }
    void file(const EntityHandle& handle) { m_entries.push_back(handle); }
    const EntityHandle& at(int index) const
    {
        checkSubscript(index, count());
        return m_entries[static_cast<std::size_t>(index)];
    }
    void set(int index, const EntityHandle& handle)
    {
        checkSubscript(index, count());
        m_entries[static_cast<std::size_t>(index)] = handle;
    }
    // Back to no entries: the count is 0 and the next filing starts at index 0.
    void reset() { m_entries.clear(); }

private:
    std::vector<EntityHandle> m_entries;
};

// A fixed number of slots filed at a counter that the caller keeps (the four-rod lists share theirs).
template <int N>
class HandleSlots {
public:
    static constexpr int size() { return N; }
    const EntityHandle& at(int index) const
    {
        checkSubscript(index, N);
        return m_slots[static_cast<std::size_t>(index)];
    }
    void set(int index, const EntityHandle& handle)
    {
        checkSubscript(index, N);
        m_slots[static_cast<std::size_t>(index)] = handle;
    }
    // Exchanges two entries (through a copy, as the outlines reorder them).
    void swapEntries(int a, int b)
    {
        checkSubscript(a, N);
        checkSubscript(b, N);
        std::swap(m_slots[static_cast<std::size_t>(a)], m_slots[static_cast<std::size_t>(b)]);
    }

private:
    std::array<EntityHandle, N> m_slots{};
};

// Files a handle at slot `counter` and advances the counter. A counter outside the list files nothing,
// advances all the same, and then raises "subscript out of range" for the caller's error object.
template <int N>
void fileAtCounter(HandleSlots<N>& list, int& counter, const EntityHandle& handle)
{
    const int slot = counter;
    ++counter;
    list.set(slot, handle);
}

} // namespace services
