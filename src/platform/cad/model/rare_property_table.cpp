// Keeping each distinct record of rare properties once: hashing, finding an equal one, counting uses.
#include "platform/cad/model/rare_property_table.h"

#include <QHash>
#include <bit>

namespace cad {

namespace {

class Hasher {
public:
    void add(std::size_t v) { m_h = (m_h ^ v) * 0x100000001B3ull + 0x9E3779B97F4A7C15ull; }
    // Its bits (equal numbers have equal bits, but for the two zeros).
    void add(double v) { add(v == 0 ? std::size_t(0) : std::bit_cast<std::size_t>(v)); }
    void add(const QString& s) { add(static_cast<std::size_t>(qHash(s))); }
    void add(const Point& p)
    {
        for (double v : p)
            add(v);
    }
    std::size_t value() const { return m_h; }

private:
    std::size_t m_h = 0xCBF29CE484222325ull;
};

// Every field takes part: records that differ in one field alone (widths, extended data) must not
// all fall on one hash.
std::size_t hashOf(const RareProperties& r)
{
    Hasher h;
    h.add(r.extrusion);
    h.add(r.thickness);
    h.add(r.linetypeScale);
    h.add(static_cast<std::size_t>(static_cast<std::uint32_t>(r.trueColor)));
    h.add(static_cast<std::size_t>(static_cast<std::uint32_t>(r.transparency)));
    h.add(static_cast<std::size_t>(static_cast<std::uint16_t>(r.lineweight)));
    h.add(static_cast<std::size_t>(static_cast<std::uint16_t>(r.shadowMode)));
    h.add(r.colorName);
    h.add(r.oblique);
    h.add(static_cast<std::size_t>(r.textFlags) | static_cast<std::size_t>(r.lineSpacingStyle) << 8
          | static_cast<std::size_t>(r.flowDirection) << 16 | static_cast<std::size_t>(r.polylineFlags) << 24);
    h.add(r.lineSpacing);
    for (const auto& [code, text] : r.otherGroups) {
        h.add(static_cast<std::size_t>(code));
        h.add(text);
    }
    for (double z : r.vertexZ)
        h.add(z);
    for (const auto* widths : {&r.widths, &r.widthsBesideConstant})
        for (const SegmentWidth& w : *widths) {
            h.add(w.start);
            h.add(w.end);
        }
    for (const auto* data : {&r.extendedData, &r.sequenceEndData})
        for (const ExtendedGroup& g : *data) {
            h.add(static_cast<std::size_t>(g.code));
            h.add(g.text);
            h.add(g.number);
        }
    return h.value();
}

} // namespace

RarePropertyTable::RarePropertyTable() { m_records.emplace_back(); }

std::uint32_t RarePropertyTable::add(RarePropertiesPtr&& rare)
{
    if (!rare)
        return kNone;
    std::uint32_t& slot = slotOf(rare.get());
    if (m_records[slot].properties.get() == rare.get()) {
        ++m_records[slot].uses;
        return slot;
    }
    const RareProperties& wanted = *rare;
    const std::size_t hash = hashOf(wanted);
    for (auto [it, end] = m_byHash.equal_range(hash); it != end; ++it) {
        Record& r = m_records[it->second];
        if (*r.properties == wanted) {
            ++r.uses;
            if (r.properties.get() == rare.get())
                slot = it->second;
            return it->second;
        }
    }
    std::uint32_t id;
    if (!m_free.empty()) {
        id = m_free.back();
        m_free.pop_back();
    } else {
        id = static_cast<std::uint32_t>(m_records.size());
        m_records.emplace_back();
    }
    slot = id;
    m_records[id] = {std::move(rare), hash, 1};
    m_byHash.emplace(hash, id);
    return id;
}

void RarePropertyTable::release(std::uint32_t id)
{
    if (id == kNone)
        return;
    Record& r = m_records[id];
    if (--r.uses > 0)
        return;
    for (auto [it, end] = m_byHash.equal_range(r.hash); it != end; ++it)
        if (it->second == id) {
            m_byHash.erase(it);
            break;
        }
    r = Record();
    m_free.push_back(id);
}

} // namespace cad
