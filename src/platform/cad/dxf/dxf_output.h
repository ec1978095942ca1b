// The text of a DXF file as dxflib writes it, collected in memory, with what dxflib leaves out added.
#pragma once

#include "platform/cad/dxf/dxf_layouts.h"
#include "platform/cad/dxf/dxf_text.h"

#include <dxflib/dl_codes.h>
#include <dxflib/dl_writer_ascii.h>

#include <QHash>
#include <QString>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <deque>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace cad {

// dxflib's ASCII writer flushes the file after every line and writes reals with 16 digits. This
// one collects the text in memory, writes every real in its shortest exact form (a saved drawing
// reads back to the same doubles) and adds what dxflib leaves out: the invisible flag (group 60
// after the layer of a hidden entity), a style's font files, a block's flags and the path of an
// external reference, the owners (group 330) of the dictionaries and layouts in the OBJECTS
// section and the layouts' own names and tab order; it leaves out the layout dxflib always writes
// second where the drawing has no second one. A UTF-8 file is declared R2007 (AC1021), the
// first version whose strings are UTF-8; its structure is R2000's, which R2007 readers take.
class DxfOutput : public DL_WriterA {
public:
    explicit DxfOutput(DxfEncoding encoding)
        : DL_WriterA("/dev/null", DL_Codes::AC1015), m_utf8(encoding == DxfEncoding::Utf8)
    {
        m_text.reserve(1 << 20);
    }

    // The part of the file being written, set by the writer: it says which of the groups dxflib
    // writes are changed or noted.
    enum class Part : std::uint8_t {
        // In a UTF-8 file the version is declared R2007.
        Header,
        Tables,
        // A text style: its font files are put in (styleFonts()).
        StyleEntry,
        // The dimension style: its text style pointer is put in.
        DimStyle,
        // Which layout object each layout's block record points at is noted.
        BlockRecords,
        Blocks,
        // The plan's entities.
        Entities,
        // A layout's entities: each is flagged as paper space (67 before its layer), as dxflib
        // leaves the flag out of R2000 files.
        PaperSpace,
        // Every object gets its owner; the layouts get their names and tab order.
        Objects,
    };
    void enter(Part part) { m_part = part; }
    Part part() const { return m_part; }

    std::string takeText() { return std::move(m_text); }
    void hideNext() { m_hideNext = true; }
    // dxflib cuts a multi-line text into chunks of 250 bytes, also inside a character, which other
    // readers then decode as two broken ones: the chunks are gathered and cut again between
    // characters.
    void beginMText() { m_inMText = true; }
    // dxflib leaves a style's font file (3) and big font file (4) empty and puts the font only in
    // extended data, where most readers do not look; these are written in their place in the style
    // entry written next. `key` names the style for the line types that point at it.
    void styleFonts(std::string font, std::string bigFont, QString key)
    {
        m_font = std::move(font);
        m_bigFont = std::move(bigFont);
        m_styleKey = std::move(key);
    }
    // A pointer (340) at the style `key`, whose handle is known only once the style table is
    // written: it is put in by resolveStylePointers().
    void stylePointer(const QString& key) const
    {
        code(340);
        m_stylePointers.emplace_back(m_text.size(), key);
        m_text.append("?\n");
    }
    // Styles that are not written point at the first one (dxflib always writes a style table).
    void resolveStylePointers()
    {
        for (auto it = m_stylePointers.rbegin(); it != m_stylePointers.rend(); ++it) {
            const auto handle = m_styleHandles.constFind(it->second);
            m_text.replace(it->first, 1, handle != m_styleHandles.cend() ? *handle : m_firstStyleHandle);
        }
        m_stylePointers.clear();
    }
    // dxflib names its two layouts "Layout1" and "Layout2" and numbers their tabs 1 and 2 whatever
    // they were: each layout's name and tab go where its layout object is written, found by the
    // handle its block record points at. A layout not among `layouts` is left out: its block
    // record, its layout object and its entry in the dictionary of layouts.
    void layouts(std::vector<DxfLayoutOut> layouts) { m_layouts = std::move(layouts); }
    // dxflib writes every block's flags as 0 and its external reference path empty: these go into
    // the block entry written next, up to endBlockEntry().
    void blockEntry(int flags, std::string path)
    {
        m_blockEntry = true;
        m_blockFlags = flags;
        m_xrefPath = std::move(path);
    }
    void endBlockEntry() { m_blockEntry = false; }

    // What `write` writes through this output, taken out of the text and returned: groups to put
    // in elsewhere, formatted as every other group.
    template <typename Write>
    std::string capture(Write&& write)
    {
        const std::size_t at = m_text.size();
        write();
        std::string groups = m_text.substr(at);
        m_text.resize(at);
        return groups;
    }
    // Groups dxflib leaves out of the entity written next, put in before its subclass marker
    // (group 100) named `subclass`: the marker of the subclass after the one they belong in. Each
    // waits for the first such marker after the one the groups queued before it went in at.
    void beforeSubclass(std::string subclass, std::string groups)
    {
        m_beforeSubclass.emplace_back(std::move(subclass), std::move(groups));
    }
    // Groups written in place of the first group `code` dxflib writes of the entity written next (a
    // value it writes otherwise than read, or groups it leaves out that belong there).
    void insteadOf(int code, std::string groups) { m_insteadOf.emplace_back(code, std::move(groups)); }
    // Groups whose marker or stand-in never came are put at the end of the entity they belong to,
    // never into the next one (every kind's marker is written today: this only guards a change of dxflib).
    void endEntity()
    {
        for (const auto& [subclass, groups] : m_beforeSubclass)
            m_text.append(groups);
        m_beforeSubclass.clear();
        for (const auto& [code, groups] : m_insteadOf)
            m_text.append(groups);
        m_insteadOf.clear();
    }

    void dxfReal(int gc, double value) const override
    {
        if (replaced(gc))
            return;
        char buf[32];
        const auto r = std::to_chars(buf, buf + sizeof buf, std::isfinite(value) ? value : 0.0);
        std::string_view v(buf, static_cast<std::size_t>(r.ptr - buf));
        code(gc);
        m_text.append(v);
        // Readers expect a decimal point in a real.
        if (v.find_first_of(".eE") == std::string_view::npos)
            m_text.append(".0");
        m_text.push_back('\n');
    }
    void dxfInt(int gc, int value) const override
    {
        if (const DxfLayoutOut* l = ownLayoutPart(); l && gc == 71 && l->tab > 0)
            value = l->tab;
        if (m_blockEntry && gc == 70)
            value = m_blockFlags;
        if (replaced(gc))
            return;
        code(gc);
        m_text.append(std::to_string(value));
        m_text.push_back('\n');
    }
    void dxfHex(int gc, int value) const override
    {
        // A dimension style points at "Standard" or else the first style, and at none when no
        // style was written.
        if (m_part == Part::DimStyle && gc == 340) {
            if (!m_firstStyleHandle.empty())
                stylePointer(QStringLiteral("STANDARD"));
            return;
        }
        char buf[16];
        std::snprintf(buf, sizeof buf, "%X", static_cast<unsigned>(value));
        line(gc, buf);
    }
    void dxfString(int gc, const std::string& value) const override { put(gc, value.c_str()); }
    void dxfString(int gc, const char* value) const override { put(gc, value); }

private:
    // Writes the groups queued in place of `gc`, if any: true when they stand for it.
    bool replaced(int gc) const
    {
        const auto it =
            std::find_if(m_insteadOf.begin(), m_insteadOf.end(), [gc](const auto& r) { return r.first == gc; });
        if (it == m_insteadOf.end())
            return false;
        m_text.append(it->second);
        m_insteadOf.erase(it);
        return true;
    }
    void code(int gc) const
    {
        if (m_holdingEntry)
            releaseEntry({});
        char buf[16];
        std::snprintf(buf, sizeof buf, "%3d\n", gc);
        m_text.append(buf);
    }
    void put(int gc, const char* value) const
    {
        if (m_inMText && (gc == 3 || gc == 1)) {
            m_mtext.append(value ? value : "");
            if (gc == 1)
                mtextChunks();
            return;
        }
        if (m_part == Part::StyleEntry && gc == 3)
            value = m_font.c_str();
        if (m_part == Part::StyleEntry && gc == 4)
            value = m_bigFont.c_str();
        if (const DxfLayoutOut* l = ownLayoutPart(); l && gc == 1)
            value = l->name.c_str();
        if (m_blockEntry && gc == 1)
            value = m_xrefPath.c_str();
        // A dictionary entry's name (3) is written once the object it names (350) is known.
        if (m_part == Part::Objects && m_objectType == "DICTIONARY" && gc == 3) {
            if (m_holdingEntry)
                releaseEntry({});
            m_heldEntry = value ? value : "";
            m_holdingEntry = true;
            return;
        }
        line(gc, value ? value : "");
    }
    // The held dictionary entry name, or the name of the layout whose object `object` is.
    void releaseEntry(std::string_view object) const
    {
        m_holdingEntry = false;
        const DxfLayoutOut* l = object.empty() ? nullptr : layoutOfObject(object);
        line(3, l ? std::string_view(l->name) : std::string_view(m_heldEntry));
    }
    // The layout whose object has the handle `object`, by the pointer of its block record.
    const DxfLayoutOut* layoutOfObject(std::string_view object) const
    {
        const auto record = m_layoutRecords.find(std::string(object));
        if (record == m_layoutRecords.end())
            return nullptr;
        for (const auto& l : m_layouts)
            if (l.block == record->second)
                return &l;
        return nullptr;
    }
    // The layout whose own part (AcDbLayout, after the page setup) is being written, or null.
    const DxfLayoutOut* ownLayoutPart() const
    {
        return m_part == Part::Objects && m_subclass == "AcDbLayout" ? m_layout : nullptr;
    }
    void mtextChunks() const
    {
        constexpr std::size_t kChunk = 250;
        std::string_view rest = m_mtext;
        while (rest.size() > kChunk) {
            std::size_t cut = 0;
            while (cut < rest.size()) {
                const std::size_t next = cut + characterSize(rest, cut);
                if (next > kChunk)
                    break;
                cut = next;
            }
            line(3, rest.substr(0, cut));
            rest.remove_prefix(cut);
        }
        line(1, rest);
        m_mtext.clear();
        m_inMText = false;
    }
    // The bytes of the character at `at`: a UTF-8 sequence, or a GBK pair.
    std::size_t characterSize(std::string_view s, std::size_t at) const
    {
        const auto c = static_cast<unsigned char>(s[at]);
        std::size_t n = 1;
        if (m_utf8)
            n = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        else if (c >= 0x81 && c <= 0xFE)
            n = 2;
        return std::min(n, s.size() - at);
    }
    void line(int gc, std::string_view value) const
    {
        if (m_holdingEntry && gc == 350 && unwrittenLayout(value)) {
            m_holdingEntry = false; // the entry of a layout left out
            return;
        }
        if (m_holdingEntry)
            releaseEntry(gc == 350 ? value : std::string_view());
        if (gc == 0)
            startRecord();
        if (m_part == Part::Header && gc == 1 && m_afterVersion && m_utf8)
            value = "AC1021";
        m_afterVersion = gc == 9 && value == "$ACADVER";
        if (gc == 8 && m_part == Part::PaperSpace)
            dxfInt(67, 1);
        if (gc == 100 && !m_beforeSubclass.empty() && m_beforeSubclass.front().first == value) {
            m_text.append(m_beforeSubclass.front().second);
            m_beforeSubclass.pop_front();
        }
        if (m_part == Part::StyleEntry && gc == 5) {
            m_styleHandles.insert(m_styleKey, std::string(value));
            if (m_firstStyleHandle.empty())
                m_firstStyleHandle = value;
        }
        if (m_part == Part::BlockRecords)
            blockRecordGroup(gc, value);
        code(gc);
        m_text.append(value);
        m_text.push_back('\n');
        if (gc == 8 && m_hideNext) {
            dxfInt(60, 1);
            m_hideNext = false;
        }
        if (m_part == Part::Objects)
            objectGroup(gc, value);
    }
    // A block record pointing at a layout object (340) ties that object to its block. The record
    // of a layout left out is left out too.
    void blockRecordGroup(int gc, std::string_view value) const
    {
        if (gc == 2) {
            m_recordName = value;
            m_dropRecord = m_dropRecord || unwrittenLayoutBlock(m_recordName);
        } else if (gc == 340 && value != "0") {
            m_layoutRecords.emplace(std::string(value), m_recordName);
        }
    }
    bool unwrittenLayoutBlock(const std::string& block) const
    {
        return layoutBlockOf(QString::fromStdString(block)) == LayoutBlock::Paper
               && std::none_of(m_layouts.begin(), m_layouts.end(),
                               [&](const DxfLayoutOut& l) { return l.block == block; });
    }
    // The layout object of handle `object` stands for a layout left out.
    bool unwrittenLayout(std::string_view object) const
    {
        const auto record = m_layoutRecords.find(std::string(object));
        return record != m_layoutRecords.end() && unwrittenLayoutBlock(record->second);
    }
    // A record (group 0) begins: the one before it is taken out again where it was to be left out.
    void startRecord() const
    {
        if (m_dropRecord)
            m_text.resize(m_recordStart);
        m_dropRecord = false;
        m_recordStart = m_text.size();
    }
    // Every object after the first (the root dictionary, owned by nothing) gets its owner: the
    // dictionary that lists it. dxflib writes each dictionary before what it lists.
    void objectGroup(int gc, std::string_view value) const
    {
        if (gc == 0) {
            m_objectType = value;
            m_subclass.clear();
            m_layout = nullptr;
        } else if (gc == 100) {
            m_subclass = value;
        } else if (gc == 5) {
            const auto owner = m_owners.find(std::string(value));
            line(330, owner != m_owners.end() ? owner->second : std::string_view("0"));
            m_object = value;
            m_layout = m_objectType == "LAYOUT" ? layoutOfObject(value) : nullptr;
            m_dropRecord = m_objectType == "LAYOUT" && unwrittenLayout(value);
        } else if (gc == 350 || gc == 360) {
            m_owners.emplace(std::string(value), m_object);
        }
    }

    mutable std::string m_text;
    Part m_part = Part::Header;
    mutable std::deque<std::pair<std::string, std::string>> m_beforeSubclass; // subclass marker, groups
    mutable std::vector<std::pair<int, std::string>> m_insteadOf;             // code, groups in its place
    mutable bool m_hideNext = false;
    const bool m_utf8;
    mutable bool m_afterVersion = false; // the last group named the variable $ACADVER
    mutable bool m_inMText = false;
    mutable std::string m_mtext; // the chunks of a multi-line text so far
    std::string m_font, m_bigFont;
    QString m_styleKey;
    mutable QHash<QString, std::string> m_styleHandles; // upper-case style name -> its handle
    mutable std::string m_firstStyleHandle;
    mutable std::vector<std::pair<std::size_t, QString>> m_stylePointers; // where a handle goes, which style
    std::vector<DxfLayoutOut> m_layouts;
    mutable std::string m_recordName;                           // of the block record being written
    mutable std::map<std::string, std::string> m_layoutRecords; // layout object handle -> its block's name
    mutable std::string m_objectType, m_subclass;               // of the object being written, and its part
    mutable const DxfLayoutOut* m_layout = nullptr;             // the layout whose object is being written
    mutable bool m_holdingEntry = false;
    mutable std::size_t m_recordStart = 0; // where the record being written starts in the text
    mutable bool m_dropRecord = false;     // it is taken out again once it is written
    bool m_blockEntry = false;             // a block entry is being written, with these:
    int m_blockFlags = 0;
    std::string m_xrefPath;
    mutable std::string m_heldEntry;                     // a dictionary entry's name, until its object
    mutable std::string m_object;                        // handle of the object being written
    mutable std::map<std::string, std::string> m_owners; // handle -> handle of its dictionary
};

} // namespace cad
