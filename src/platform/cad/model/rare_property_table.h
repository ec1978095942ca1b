// The rare properties of a store's compact entities, each distinct record kept once.
#pragma once

#include "platform/cad/model/rare_properties.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

namespace cad {

// Plans from other programs give most entities one of a handful of looks (a true colour, a
// lineweight, the same extended data, a mirrored system): an entity names its record by a number, and
// entities with equal properties share one. Records are counted and let go with their last entity.
class RarePropertyTable {
public:
    static constexpr std::uint32_t kNone = 0;

    RarePropertyTable();
    // The number of a record equal to `rare` (kNone when it is null), one more use of it.
    std::uint32_t add(RarePropertiesPtr&& rare);
    // One use of the record fewer; the last lets it go.
    void release(std::uint32_t id);
    // The record; kNone gives null.
    const RareProperties* get(std::uint32_t id) const { return m_records[id].properties.get(); }
    // The record to share with a whole entity built from it; kNone gives null.
    const RarePropertiesPtr& shared(std::uint32_t id) const { return m_records[id].properties; }
    // How many distinct records are in use.
    std::size_t distinct() const { return m_records.size() - 1 - m_free.size(); }

private:
    struct Record {
        RarePropertiesPtr properties;
        std::size_t hash = 0;
        std::uint32_t uses = 0;
    };
    std::vector<Record> m_records;
    std::vector<std::uint32_t> m_free;
    std::unordered_multimap<std::size_t, std::uint32_t> m_byHash;
    // Records lately filed or found, by where they lie: an entity that shares a record kept is
    // found without hashing and comparing its properties. A slot names a record only while that
    // record still lies there, which add() checks.
    std::array<std::uint32_t, 1024> m_byAddress{};
    std::uint32_t& slotOf(const RareProperties* p)
    {
        return m_byAddress[(reinterpret_cast<std::uintptr_t>(p) >> 4) % m_byAddress.size()];
    }
};

} // namespace cad
