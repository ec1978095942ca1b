// An entity's look (its common rare groups and its extended data) built once for each form a file
// gives it in: plans from other programs give most entities one of a handful of looks.
#include "platform/cad/dxf/dxf_builder.h"

#include "platform/cad/dxf/dxf_common_groups.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace cad {

namespace {

// Looks kept at most; a file whose entities each look their own way starts over when this is
// reached, so that what is kept stays small.
constexpr std::size_t kMaxLooks = 4096;

// The groups that make a look, one after another: each its code, its length and its bytes. Built
// on the stack, as one is built for every entity; a look too long for it is not shared.
class LookKey {
public:
    void put(int code, const void* bytes, std::size_t size)
    {
        const auto c = static_cast<std::int16_t>(code);
        const auto n = static_cast<std::uint32_t>(size);
        if (m_size + sizeof c + sizeof n + size > sizeof m_bytes) {
            m_tooLong = true;
            return;
        }
        char* out = m_bytes + m_size;
        std::memcpy(out, &c, sizeof c);
        std::memcpy(out + sizeof c, &n, sizeof n);
        std::memcpy(out + sizeof c + sizeof n, bytes, size);
        m_size += sizeof c + sizeof n + size;
    }
    void put(int code, double number) { put(code, &number, sizeof number); }
    void put(int code, std::string_view text) { put(code, text.data(), text.size()); }
    bool tooLong() const { return m_tooLong; }
    std::string_view bytes() const { return {m_bytes, m_size}; }

private:
    char m_bytes[1024];
    std::size_t m_size = 0;
    bool m_tooLong = false;
};

} // namespace

// One key is hashed for every entity read, eight bytes at a time: each word's product is independent
// of the others', only a rotation and an exclusive or stand between one word and the next.
std::size_t DxfDrawingBuilder::LookHash::operator()(std::string_view key) const
{
    constexpr std::uint64_t kMix = 0x9E3779B97F4A7C15ull;
    auto word = [&](std::size_t at) {
        std::uint64_t w;
        std::memcpy(&w, key.data() + at, sizeof w);
        return w;
    };
    std::uint64_t h = key.size();
    std::size_t i = 0;
    for (; i + 8 <= key.size(); i += 8)
        h = std::rotl(h ^ (word(i) * kMix), 27);
    if (i < key.size() && key.size() >= 8) {
        h = std::rotl(h ^ (word(key.size() - 8) * kMix), 27); // the last bytes, within the last word
    } else {
        for (; i < key.size(); ++i)
            h = std::rotl(h ^ (static_cast<unsigned char>(key[i]) * kMix), 27);
    }
    h *= kMix;
    return static_cast<std::size_t>(h ^ (h >> 32));
}

// What the look is made of is its key: the value each common group is read as (a text as its
// bytes) and the extended data kept, each group as it stands. Equal keys make equal looks, so an
// entity whose key was met before shares that look; only the texts need decoding, and the decoder
// starts the looks over whenever the encoding changes.
void DxfDrawingBuilder::look(EntityData& e)
{
    closeApplication();
    LookKey key;
    for (const DxfCommonGroup& g : dxfCommonGroups()) {
        if (!has(g.code))
            continue;
        if (g.text)
            key.put(g.code, str(g.code));
        else
            key.put(g.code, real(g.code, g.byDefault));
    }
    for (const RawExtendedGroup& g : m_extended) {
        if (g.isNumber)
            key.put(g.code, g.number);
        else
            key.put(g.code, g.value);
    }
    const std::string_view bytes = key.bytes();
    const bool plain = bytes.empty() && !key.tooLong();
    const auto known = plain || key.tooLong() ? m_looks.end() : m_looks.find(bytes);
    if (known != m_looks.end()) {
        e.rare = known->second.rare;
        if (known->second.lost)
            note(m_losesOnSaving, *known->second.lost);
    } else if (!plain) {
        rareGroups(e);
        const std::optional<NotKeptKind> lost = m_losesOnSaving; // start() cleared it: the look's own
        if (auto groups = takeExtendedData(m_losesOnSaving); !groups.empty())
            e.rare.edit().extendedData = std::move(groups);
        if (!key.tooLong()) {
            if (m_looks.size() >= kMaxLooks)
                m_looks.clear();
            m_looks.emplace(std::string(bytes), Look{e.rare, lost});
        }
    }
    // Why some of this entity's extended data was left out is the entity's own.
    if (m_extendedLost)
        note(m_losesOnSaving, *m_extendedLost);
    m_extendedLost.reset();
    m_extended.clear();
}

} // namespace cad
