// Structure check of DXF text, record by record, handing on what the drawing engine keeps.
#include "platform/cad/dxf/dxf_scan.h"

#include "platform/automation/automation_error.h"
#include "platform/cad/dxf/dxf_builder.h"
#include "platform/cad/dxf/dxf_entity_kinds.h"
#include "platform/cad/dxf/dxf_groups.h"
#include "platform/cad/dxf/dxf_layouts.h"
#include "platform/cad/dxf/dxf_messages.h"
#include "platform/cad/geometry/coordinate_limits.h"

#include <QLatin1StringView>
#include <algorithm>
#include <cctype>
#include <iterator>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace cad {

namespace {

// A handle is at most 16 hexadecimal digits.
constexpr std::size_t kMaxHandle = 16;

class Filter {
public:
    Filter(DxfGroupReader& reader, DxfDrawingBuilder& builder) : m_r(reader), m_b(builder) {}

    DxfScanResult run()
    {
        m_r.next();
        while (!isEof()) {
            if (!(m_r.code(0) == 0 && m_r.value(0) == "SECTION"))
                refuse(kDxfBetweenSections, m_r.groups()[0].line);
            if (m_r.size() < 2 || m_r.code(1) != 2)
                refuse(kDxfSectionNoName, m_r.groups()[0].line);
            // A section left open is named by the line that opens it: where its end is missing
            // says little.
            const std::size_t openedAt = m_r.groups()[0].line;
            section(std::string(m_r.value(1)));
            // A section left open is reported before any fault within it.
            if (m_r.value(0) != "ENDSEC")
                refuse(kDxfSectionNotClosed, openedAt);
            if (m_fault)
                refuse(m_fault, m_faultLine);
            if (m_r.size() > 1)
                refuse(kDxfBetweenSections, m_r.groups()[1].line);
            advance();
        }
        if (!m_quiet)
            tieLayouts();
        return m_result;
    }

private:
    bool isEof() const { return m_r.code(0) == 0 && m_r.value(0) == "EOF"; }

    // The record that ends a section, whether it closes it or not.
    bool sectionEnd() const
    {
        const std::string_view v = m_r.value(0);
        return m_r.code(0) == 0 && (v == "ENDSEC" || v == "EOF" || v == "SECTION");
    }

    // The builder holds views of the current record: it must be done with it before the next.
    bool advance()
    {
        if (!m_quiet)
            m_b.end();
        return m_r.next();
    }

    // The rest of the file is still read: a fault of its groups is reported first.
    [[noreturn]] void refuse(const char* why, std::size_t line = 0)
    {
        while (m_r.next()) {
        }
        dxfMalformed(why, line);
    }

    // A fault within a section, reported once the section is known to be closed; nothing more
    // is handed on.
    void fault(const char* why, std::size_t line)
    {
        if (!m_fault) {
            m_fault = why;
            m_faultLine = line;
            m_faultInTable = m_inTable;
        }
        m_quiet = true;
    }

    // A coordinate, length or factor of what is drawn (codes 10 to 48) beyond the limit: spans and
    // extents computed from it would overflow. The refusal names what the value is in the record
    // that gives it. Faults of the groups after it are reported first.
    void checkRange(std::size_t i)
    {
        const int c = m_r.code(i);
        if (c < 10 || c > 48 || withinLimits(m_r.number(i)))
            return;
        outOfRange(i);
    }

    // Checked for every group: the refusal is kept out of line.
    [[noreturn]] __attribute__((noinline)) void outOfRange(std::size_t i)
    {
        const int c = m_r.code(i);
        const std::size_t line = m_r.groups()[i].line;
        const QString what = valueName(std::string(m_r.value(0)), c);
        while (m_r.next()) {
        }
        throw automation::AutomationError(
            automation::errors::FileError,
            QStringLiteral("第 %1 行的%2超出范围，%3。").arg(line).arg(what, limitText(what)));
    }

    // What the group `code` of a record of `type` holds, as the engineer knows it.
    static QString valueName(const std::string& type, int code)
    {
        const bool polyline = type == "LWPOLYLINE" || type == "POLYLINE" || type == "VERTEX";
        const bool text = type == "TEXT" || type == "MTEXT";
        const bool insert = type == "INSERT";
        const char* name = "数值";
        if (code < 38)
            name = "坐标";
        else if (code == 38)
            name = "标高";
        else if (code == 39)
            name = "厚度";
        else if (code == 48)
            name = "线型比例";
        else if (code == 40 && (type == "ARC" || type == "CIRCLE"))
            name = "半径";
        else if (code == 40 && text)
            name = "文字高度";
        else if (polyline && (code == 40 || code == 41 || code == 43))
            name = "宽度";
        else if (polyline && code == 42)
            name = "凸度";
        else if (code == 41 && type == "TEXT")
            name = "宽度系数";
        else if (code == 41 && type == "MTEXT")
            name = "文字宽度";
        else if (insert && code >= 41 && code <= 43)
            name = "比例";
        else if (insert && (code == 44 || code == 45))
            name = "间距";
        else if (code == 44 && type == "MTEXT")
            name = "行距系数";
        return QString::fromUtf8(name);
    }

    bool tooLong(std::size_t i)
    {
        if (m_r.value(i).size() <= kDxfMaxValue)
            return false;
        fault(kDxfValueTooLong, m_r.groups()[i].line);
        return true;
    }

    // A group handed on as it stands.
    void pass(std::size_t i)
    {
        if (tooLong(i) || m_quiet)
            return;
        if (m_r.code(i) == 0)
            m_b.begin(m_r.value(i));
        else
            m_b.group(m_r.code(i), m_r.value(i), m_r.number(i));
    }

    // A group handed on as it stands, extended data in any length.
    void passOrExtended(std::size_t i)
    {
        if (m_r.code(i) >= 1000 && !m_quiet)
            m_b.group(m_r.code(i), m_r.value(i), m_r.number(i));
        else
            pass(i);
    }

    void section(const std::string& name)
    {
        const bool header = name == "HEADER", blocks = name == "BLOCKS";
        if (name == "OBJECTS") {
            layoutNames();
            return;
        }
        if (!header && name != "TABLES" && !blocks && name != "ENTITIES") {
            // CLASSES, THUMBNAILIMAGE, ACDSDATA: nothing the engine keeps.
            while (advance() && !sectionEnd()) {
            }
            return;
        }
        if (!m_quiet) {
            m_b.setSection(header ? DxfDrawingBuilder::Section::Header
                           : name == "TABLES" ? DxfDrawingBuilder::Section::Tables
                                              : DxfDrawingBuilder::Section::Entities);
            m_b.begin("SECTION");
        }
        if (header)
            headerSection();
        else if (name == "TABLES")
            tables();
        else
            entities(blocks);
        if (!m_quiet)
            m_b.begin("ENDSEC");
    }

    void headerSection()
    {
        for (std::size_t i = 2; i < m_r.size(); ++i)
            headerGroup(i);
        while (advance() && !sectionEnd())
            for (std::size_t i = 0; i < m_r.size(); ++i)
                headerGroup(i);
        m_capture = nullptr;
    }

    // The encoding variables take the value of the group after their name.
    void headerGroup(std::size_t i)
    {
        const std::string_view v = m_r.value(i);
        if (m_capture) {
            *m_capture = QString::fromLatin1(dxfTrim(v));
            m_capture = nullptr;
            if (!m_quiet)
                m_b.configure(m_result.acadver, m_result.codepage);
        }
        if (m_r.code(i) == 9)
            m_capture = v == "$ACADVER" ? &m_result.acadver : v == "$DWGCODEPAGE" ? &m_result.codepage : nullptr;
        pass(i);
    }

    // Only the LAYER, LTYPE, STYLE and BLOCK_RECORD tables are handed on; groups between tables are
    // ignored. Extended data goes on in any length: the builder leaves out what is too long to write back.
    void tables()
    {
        while (advance() && !sectionEnd()) {
            const std::string_view type = m_r.value(0);
            if (!m_inTable) {
                if (type != "TABLE")
                    continue;
                m_inTable = true;
                m_faultInTable = false;
                m_tableLine = m_r.groups()[0].line;
                const std::string_view name = m_r.size() > 1 && m_r.code(1) == 2 ? m_r.value(1) : std::string_view();
                m_tableKept = name == "LAYER" || name == "LTYPE" || name == "STYLE" || name == "BLOCK_RECORD";
                m_blockRecords = name == "BLOCK_RECORD";
            } else if (type == "ENDTAB") {
                if (m_tableKept && !m_quiet)
                    m_b.begin("ENDTAB");
                m_inTable = false;
                continue;
            }
            if (m_blockRecords && type == "BLOCK_RECORD" && !m_quiet)
                layoutRecord();
            if (!m_tableKept)
                continue;
            for (std::size_t i = 0; i < m_r.size(); ++i)
                passOrExtended(i);
        }
        if (m_inTable) {
            // Reported before the faults of the table itself, after those of the tables before it.
            if (!m_fault || m_faultInTable) {
                m_fault = kDxfTableNotClosed;
                m_faultLine = m_tableLine;
            }
            m_quiet = true;
            m_inTable = false;
        }
    }

    // The block record of the plan or a layout: its handle, which its layout object points at, and
    // its pointer at that layout object (340).
    void layoutRecord()
    {
        std::string_view name, handle, layout;
        for (std::size_t i = 1; i < m_r.size(); ++i) {
            if (m_r.code(i) == 2)
                name = dxfTrim(m_r.value(i));
            else if (m_r.code(i) == 5)
                handle = dxfTrim(m_r.value(i));
            else if (m_r.code(i) == 340)
                layout = dxfTrim(m_r.value(i));
        }
        if (!isLayoutBlock(name))
            return;
        tie(m_blockOfRecord, handle, name);
        tie(m_blockOfLayout, layout, name);
    }

    // A block of the plan or a layout names its block record as its owner (330): where the record
    // itself is missing, its layout object can still be tied to it.
    void layoutBlockOwner()
    {
        std::string_view name, owner;
        for (std::size_t i = 1; i < m_r.size(); ++i) {
            if (m_r.code(i) == 2)
                name = dxfTrim(m_r.value(i));
            else if (m_r.code(i) == 330)
                owner = dxfTrim(m_r.value(i));
        }
        if (isLayoutBlock(name))
            tie(m_blockOfRecord, owner, name);
    }

    static bool isLayoutBlock(std::string_view name)
    {
        return layoutBlockOf(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())))
               != LayoutBlock::None;
    }

    // Handles are hexadecimal, in any case; block names are compared without regard to case.
    static std::string folded(std::string_view s)
    {
        std::string out(s);
        for (char& c : out)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return out;
    }

    // `handle` stands for the block `name`; a handle claimed by two blocks stands for neither
    // (an empty name).
    void tie(std::unordered_map<std::string, std::string>& map, std::string_view handle, std::string_view name)
    {
        if (handle.empty() || handle.size() > kMaxHandle || handle == "0")
            return;
        const auto [it, added] = map.emplace(folded(handle), folded(name));
        if (!added && it->second != folded(name))
            it->second.clear();
    }

    // The layout objects: their handle, their name and tab position (1 and 71 of their AcDbLayout
    // part) and the handle of their block record (330 of that part).
    void layoutNames()
    {
        while (advance() && !sectionEnd()) {
            if (m_quiet || m_r.value(0) != "LAYOUT")
                continue;
            bool own = false; // within the AcDbLayout part (the part before names the page setup)
            LayoutObject l;
            for (std::size_t i = 1; i < m_r.size(); ++i) {
                const int c = m_r.code(i);
                const std::string_view v = m_r.value(i);
                if (c == 100)
                    own = dxfTrim(v) == "AcDbLayout";
                else if (c == 5 && !own)
                    l.handle = folded(dxfTrim(v).substr(0, kMaxHandle + 1));
                else if (own && c == 1)
                    l.name = v.size() <= kDxfMaxValue ? std::optional<std::string>(v) : std::nullopt;
                else if (own && c == 71)
                    l.tab = tabPosition(m_r.number(i));
                else if (own && c == 330)
                    l.record = folded(dxfTrim(v).substr(0, kMaxHandle + 1));
            }
            m_layoutObjects.push_back(std::move(l));
        }
    }

    // A tab position as written (1 is the first); 0 for none, or one no file holds.
    static int tabPosition(double n) { return n >= 1 && n <= 32767 ? static_cast<int>(n) : 0; }

    // Each kept layout takes the name and tab of the one layout object tied to its block, by the
    // object's pointer at the block record or the record's at the object. Every other layout
    // object but the plan's is counted: a layout beyond the two kept, or a name that cannot be
    // tied to its layout, would be lost on saving.
    void tieLayouts()
    {
        auto blockOf = [&](const LayoutObject& l) {
            const auto byRecord = m_blockOfRecord.find(l.record);
            const auto byLayout = m_blockOfLayout.find(l.handle);
            const std::string a = byRecord != m_blockOfRecord.end() ? byRecord->second : std::string();
            const std::string b = byLayout != m_blockOfLayout.end() ? byLayout->second : std::string();
            return a.empty() ? b : b.empty() || a == b ? a : std::string("?"); // "?": two blocks, so none
        };
        std::vector<std::string> blocks;
        for (const auto& l : m_layoutObjects)
            blocks.push_back(blockOf(l));
        std::vector<bool> kept(m_layoutObjects.size(), false);
        for (const char* block : kLayoutBlocks) {
            const std::string name = folded(block);
            const auto first = std::find(blocks.begin(), blocks.end(), name);
            if (first == blocks.end() || std::find(std::next(first), blocks.end(), name) != blocks.end())
                continue;
            const auto i = static_cast<std::size_t>(first - blocks.begin());
            // A name too long to keep falls back to a free one (and is counted below); its tab stays.
            const auto& given = m_layoutObjects[i].name;
            m_b.layoutName(block, given ? std::string_view(*given) : std::string_view(), m_layoutObjects[i].tab);
            kept[i] = given.has_value();
        }
        for (std::size_t i = 0; i < m_layoutObjects.size(); ++i) {
            const auto& name = m_layoutObjects[i].name;
            const bool plan =
                blocks[i] == "*model_space" || (blocks[i].empty() && name && folded(dxfTrim(*name)) == "model");
            if (kept[i] || plan)
                continue;
            // One of the two kept layouts whose name could not be tied to it, or a further one.
            const bool keptBlock = blocks[i].empty() || blocks[i] == "?"
                                   || std::any_of(std::begin(kLayoutBlocks), std::end(kLayoutBlocks),
                                                  [&](const char* b) { return folded(b) == blocks[i]; });
            m_result.notKept.add(keptBlock ? NotKeptKind::LayoutName : NotKeptKind::Layout);
        }
    }

    // Entities of the ENTITIES section, or block definitions of the BLOCKS section. A block left
    // open ends where the next one begins or at the end of its section (as other readers do), so
    // the entities after it are never taken into it; entities outside any block belong to nothing.
    void entities(bool blocks)
    {
        bool inPolyline = false, skippingPolyline = false;
        bool inBlock = false;
        while (advance() && !sectionEnd()) {
            if (m_quiet)
                continue;
            const std::string_view type = m_r.value(0);
            if (type == "VERTEX") {
                if (inPolyline && !skippingPolyline)
                    vertex();
            } else if (type == "SEQEND") {
                if (inPolyline && !skippingPolyline)
                    sequenceEnd();
                inPolyline = skippingPolyline = false;
            } else {
                if (inPolyline && !skippingPolyline)
                    m_b.begin("SEQEND");   // a sequence left open is closed
                inPolyline = skippingPolyline = false;
                if (type == "BLOCK" || type == "ENDBLK") {
                    if (blocks && type == "BLOCK")
                        layoutBlockOwner();
                    if (blocks && (type == "BLOCK" || inBlock)) {
                        if (type == "BLOCK" && inBlock)
                            m_b.begin("ENDBLK");
                        for (std::size_t i = 0; i < m_r.size(); ++i) {
                            checkRange(i);
                            passOrExtended(i);
                        }
                        inBlock = type == "BLOCK";
                    }
                } else if (blocks && !inBlock) {
                    inPolyline = skippingPolyline = type == "POLYLINE";
                } else if (type == "POLYLINE") {
                    inPolyline = true;
                    skippingPolyline = !flatPolyline();
                    if (!skippingPolyline)
                        entity(type);
                    else
                        m_result.notKept.add(NotKeptKind::Mesh);
                } else if (dxfEntityKind(type)) {
                    entity(type);
                } else {
                    m_result.notKept.addEntity(type); // saving over the file would lose it
                }
            }
        }
        if (m_quiet)
            return;
        if (inPolyline && !skippingPolyline)
            m_b.begin("SEQEND");
        if (inBlock)
            m_b.begin("ENDBLK");
    }

    // 3D meshes and polyface meshes are not plan outlines; only 2D and 3D polylines are kept.
    bool flatPolyline() const
    {
        for (std::size_t i = 1; i < m_r.size(); ++i)
            if (m_r.code(i) == 70)
                return (static_cast<int>(m_r.number(i)) & (16 | 64)) == 0;
        return true;
    }

    void vertex()
    {
        m_b.begin("VERTEX");
        for (std::size_t i = 1; i < m_r.size(); ++i) {
            checkRange(i);
            if (m_r.code(i) != 5)
                pass(i);
        }
    }

    // The end of a polyline's vertices: only its extended data is handed on (it is counted).
    void sequenceEnd()
    {
        m_b.begin("SEQEND");
        for (std::size_t i = 1; i < m_r.size(); ++i)
            if (m_r.code(i) >= 1000)
                m_b.group(m_r.code(i), m_r.value(i), m_r.number(i));
    }

    void entity(std::string_view type)
    {
        bool invisible = false;
        for (std::size_t i = 1; i < m_r.size(); ++i)
            if (m_r.code(i) == 60)
                invisible = dxfTrim(m_r.value(i)) == "1";
        const DxfEntityKind& kind = *dxfEntityKind(type);
        m_b.begin(type, invisible);
        for (std::size_t i = 1; i < m_r.size() && !m_quiet; ++i) {
            checkRange(i);
            const int c = m_r.code(i);
            // Handles, the invisible flag and reactors are not read here, nor what the kind leaves
            // out (the vertex count of a polyline: its vertices are counted as they come).
            if (c == 5 || c == 60 || c == 102 || (kind.ignored != 0 && c == kind.ignored))
                continue;
            // Texts are read in any length, as their line or their chunks; extended data too (the
            // builder leaves out what is too long to write back).
            if (c != 0 && (c == kind.anyLength[0] || c == kind.anyLength[1] || c >= 1000))
                m_b.group(c, m_r.value(i), m_r.number(i));
            else
                pass(i);
        }
    }

    DxfGroupReader& m_r;
    DxfDrawingBuilder& m_b;
    DxfScanResult m_result;
    QString* m_capture = nullptr;     // the encoding variable whose value comes next
    const char* m_fault = nullptr;    // the first fault within the current section
    std::size_t m_faultLine = 0;
    std::size_t m_tableLine = 0;   // where the table being read opens
    bool m_faultInTable = false;      // within the table being read
    bool m_quiet = false;             // after a fault: only the structure is followed
    bool m_inTable = false;
    bool m_tableKept = false;
    bool m_blockRecords = false; // the table being read is BLOCK_RECORD

    // Of the plan and the layouts (lower case): which block each handle of a block record stands
    // for, and which block each layout object's handle stands for, by its record's pointer.
    std::unordered_map<std::string, std::string> m_blockOfRecord, m_blockOfLayout;
    struct LayoutObject {
        std::string handle, record;      // lower case
        std::optional<std::string> name; // none when over the limit
        int tab = 0;
    };
    std::vector<LayoutObject> m_layoutObjects;
};

} // namespace

bool looksLikeAsciiDxf(std::string_view head)
{
    std::size_t pos = 0;
    const char end = dxfLineEnd(head);
    // Up to a few comment groups, then "0" / "SECTION".
    for (int groups = 0; groups < 8; ++groups) {
        auto line = [&]() {
            std::size_t nl = head.find(end, pos);
            std::string_view l = head.substr(pos, nl == std::string_view::npos ? std::string_view::npos : nl - pos);
            pos = nl == std::string_view::npos ? head.size() : nl + 1;
            return dxfTrim(l);
        };
        std::string_view code = line();
        // A UTF-8 byte order mark may precede the first line.
        if (groups == 0 && code.substr(0, 3) == "\xEF\xBB\xBF")
            code = dxfTrim(code.substr(3));
        std::string_view value = line();
        if (code == "999")
            continue;
        return code == "0" && value == "SECTION";
    }
    return false;
}

DxfScanResult scanDxf(DxfGroupReader& reader, DxfDrawingBuilder& builder)
{
    return Filter(reader, builder).run();
}

} // namespace cad
