// Structure check and filtering of DXF text before dxflib sees it.
#include "platform/cad/dxf_scan.h"

#include "platform/automation/automation_error.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <unordered_map>

namespace cad {

namespace {

using automation::AutomationError;
namespace errors = automation::errors;

// dxflib reads lines into 1024-byte buffers and loops for ever on a longer one: longer texts are
// handed on beside it or in pieces, and any other value that long refuses the file.
constexpr std::size_t kMaxValue = kDxfMaxValue;
// What an MTEXT chunk (group 3) holds at most.
constexpr std::size_t kMTextChunk = 250;

// One group of the file: its code and where its value lies in the text. 16 bytes, as a large plan
// has millions of them (the line of a value is counted again only for a message).
struct Pair {
    const char* data;
    std::uint32_t size;
    std::int32_t code;
    std::string_view value() const { return {data, size}; }
};

[[noreturn]] void malformed(const char* why, std::size_t line = 0)
{
    QString text = QStringLiteral("not a well-formed DXF file: ") + QLatin1String(why);
    if (line)
        text += QStringLiteral(" (line %1)").arg(line);
    throw AutomationError(errors::FileError, text);
}

std::string_view trim(std::string_view s)
{
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front())))
        s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back())))
        s.remove_suffix(1);
    return s;
}

bool isRealCode(int c)
{
    return (c >= 10 && c <= 59) || (c >= 110 && c <= 149) || (c >= 210 && c <= 239) || (c >= 460 && c <= 469)
        || (c >= 1010 && c <= 1059);
}

bool isIntCode(int c)
{
    return (c >= 60 && c <= 79) || (c >= 90 && c <= 99) || (c >= 170 && c <= 179) || (c >= 270 && c <= 289)
        || (c >= 370 && c <= 389) || (c >= 400 && c <= 409) || (c >= 420 && c <= 429) || (c >= 440 && c <= 459)
        || (c >= 1060 && c <= 1071);
}

// Plain decimal notation only: dxflib reads "0x1p10", "inf" or "nan" as something else than strtod.
bool parsesAsReal(std::string_view v)
{
    v = trim(v);
    if (v.empty() || v.size() > 64)
        return false;
    std::size_t i = 0, digits = 0;
    auto run = [&] {
        std::size_t n = 0;
        while (i < v.size() && std::isdigit(static_cast<unsigned char>(v[i])))
            ++i, ++n;
        return n;
    };
    if (v[i] == '+' || v[i] == '-')
        ++i;
    digits = run();
    if (i < v.size() && (v[i] == '.' || v[i] == ',')) {
        ++i;
        digits += run();
    }
    if (digits == 0)
        return false;
    if (i < v.size() && (v[i] == 'e' || v[i] == 'E')) {
        ++i;
        if (i < v.size() && (v[i] == '+' || v[i] == '-'))
            ++i;
        if (run() == 0)
            return false;
    }
    if (i != v.size())
        return false;
    std::string s(v);
    std::replace(s.begin(), s.end(), ',', '.');
    char* end = nullptr;
    const double d = std::strtod(s.c_str(), &end);
    return end == s.c_str() + s.size() && std::isfinite(d);
}

bool parsesAsInt(std::string_view v, long long* out = nullptr)
{
    v = trim(v);
    if (!v.empty() && v.front() == '+')
        v.remove_prefix(1);
    long long n = 0;
    auto [p, ec] = std::from_chars(v.data(), v.data() + v.size(), n);
    if (ec != std::errc() || p != v.data() + v.size() || v.empty())
        return false;
    if (out)
        *out = n;
    return n >= INT32_MIN && n <= INT32_MAX;
}

std::vector<Pair> readPairs(std::string_view text)
{
    std::vector<Pair> pairs;
    std::size_t pos = 0, lineNo = 0;
    auto nextLine = [&](std::string_view& line) {
        if (pos >= text.size())
            return false;
        std::size_t nl = text.find('\n', pos);
        if (nl == std::string_view::npos)
            nl = text.size();
        line = text.substr(pos, nl - pos);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        pos = nl + 1;
        ++lineNo;
        return true;
    };
    std::string_view codeLine, value;
    while (nextLine(codeLine)) {
        const std::string_view c = trim(codeLine);
        if (c.empty() && pos >= text.size())
            break;   // a trailing empty line
        long long code = 0;
        if (!parsesAsInt(c, &code) || code < -5 || code > 1071)
            malformed("a group code is not a number", lineNo);
        if (!nextLine(value))
            malformed("the file ends inside a group", lineNo);
        const int ic = static_cast<int>(code);
        if (isRealCode(ic) && !parsesAsReal(value))
            malformed("a number is expected", lineNo);
        if (isIntCode(ic) && !parsesAsInt(value))
            malformed("a whole number is expected", lineNo);
        if (ic == 0 && trim(value) == "EOF") {
            pairs.push_back({"EOF", 3, 0});
            return pairs;
        }
        if (value.find('\0') != std::string_view::npos)
            malformed("a value holds a NUL byte", lineNo);
        if (value.size() > UINT32_MAX)
            malformed("a value is longer than 1000 bytes", lineNo);
        if (ic == 999)
            continue;
        const std::string_view kept = ic == 0 || ic == 2 || ic == 9 ? trim(value) : value;
        pairs.push_back({kept.data(), static_cast<std::uint32_t>(kept.size()), ic});
    }
    malformed("the file has no EOF (it may be cut short)");
}

class Filter {
public:
    Filter(ScannedDxf& out, std::string_view text) : m_out(out), m_text(text) {}

    void run(const std::vector<Pair>& pairs)
    {
        std::size_t i = 0;
        while (true) {
            if (i >= pairs.size())
                malformed("the file has no EOF");
            const Pair& p = pairs[i];
            if (p.code == 0 && p.value() == "EOF")
                break;
            if (p.code != 0 || p.value() != "SECTION")
                malformed("something stands between sections");
            if (i + 1 >= pairs.size() || pairs[i + 1].code != 2)
                malformed("a section has no name");
            const std::string_view name = pairs[i + 1].value();
            std::size_t end = i + 2;
            while (end < pairs.size() && !(pairs[end].code == 0 && (pairs[end].value() == "ENDSEC" || pairs[end].value() == "EOF" || pairs[end].value() == "SECTION")))
                ++end;
            if (end >= pairs.size() || pairs[end].value() != "ENDSEC")
                malformed("a section is not closed");
            section(name, pairs, i + 2, end);
            i = end + 1;
        }
        out(0, "EOF");
    }

private:
    // A group of the file, which dxflib must be able to read.
    void out(const Pair& pair)
    {
        if (pair.value().size() > kMaxValue)
            malformed("a value is longer than 1000 bytes", lineOf(pair.data));
        out(pair.code, pair.value());
    }

    void out(int code, std::string_view value)
    {
        m_out.cleaned += std::to_string(code);
        m_out.cleaned += '\n';
        m_out.cleaned.append(value);
        m_out.cleaned += '\n';
    }

    void section(std::string_view name, const std::vector<Pair>& p, std::size_t from, std::size_t to)
    {
        if (name == "HEADER") {
            out(0, "SECTION");
            out(2, name);
            for (std::size_t i = from; i < to; ++i) {
                out(p[i]);
                if (p[i].code == 9 && i + 1 < to) {
                    if (p[i].value() == "$ACADVER")
                        m_out.acadver = QString::fromLatin1(trim(p[i + 1].value()));
                    else if (p[i].value() == "$DWGCODEPAGE")
                        m_out.codepage = QString::fromLatin1(trim(p[i + 1].value()));
                }
            }
            out(0, "ENDSEC");
        } else if (name == "TABLES") {
            out(0, "SECTION");
            out(2, name);
            tables(p, from, to);
            out(0, "ENDSEC");
        } else if (name == "BLOCKS" || name == "ENTITIES") {
            out(0, "SECTION");
            out(2, name);
            entities(p, from, to, name == "BLOCKS");
            out(0, "ENDSEC");
        }
        // CLASSES, OBJECTS, THUMBNAILIMAGE, ACDSDATA: nothing the engine keeps.
    }

    void tables(const std::vector<Pair>& p, std::size_t from, std::size_t to)
    {
        std::size_t i = from;
        while (i < to) {
            if (!(p[i].code == 0 && p[i].value() == "TABLE")) {
                ++i;   // stray groups between tables are ignored
                continue;
            }
            std::size_t end = i + 1;
            while (end < to && !(p[end].code == 0 && p[end].value() == "ENDTAB"))
                ++end;
            if (end >= to)
                malformed("a table is not closed");
            std::string_view name;
            if (i + 1 < end && p[i + 1].code == 2)
                name = p[i + 1].value();
            if (name == "LAYER" || name == "LTYPE" || name == "STYLE") {
                for (std::size_t k = i; k < end; ++k)
                    if (p[k].code < 1000 || p[k].value().size() <= kMaxValue)   // long extended data is not read
                        out(p[k]);
                out(0, "ENDTAB");
            }
            i = end + 1;
        }
    }

    static bool kept(std::string_view type)
    {
        return type == "LINE" || type == "ARC" || type == "CIRCLE" || type == "TEXT" || type == "MTEXT"
            || type == "INSERT" || type == "LWPOLYLINE" || type == "POLYLINE";
    }

    // Entities of the ENTITIES section, or block definitions of the BLOCKS section. A block left
    // open ends where the next one begins or at the end of its section (as other readers do), so
    // the entities after it are never taken into it; entities outside any block belong to nothing.
    void entities(const std::vector<Pair>& p, std::size_t from, std::size_t to, bool blocks)
    {
        m_modelSpace = !blocks;
        std::size_t i = from;
        while (i < to && p[i].code != 0)
            ++i;   // groups before the first entity belong to nothing
        bool inPolyline = false, skippingPolyline = false;
        bool inBlock = false;
        while (i < to) {
            std::size_t end = i + 1;
            while (end < to && p[end].code != 0)
                ++end;
            const std::string_view type = p[i].value();
            if (type == "VERTEX") {
                if (inPolyline && !skippingPolyline)
                    vertex(p, i, end);
            } else if (type == "SEQEND") {
                if (inPolyline && !skippingPolyline)
                    out(0, "SEQEND");
                inPolyline = skippingPolyline = false;
            } else {
                if (inPolyline && !skippingPolyline)
                    out(0, "SEQEND");   // a sequence left open: close it for dxflib
                inPolyline = skippingPolyline = false;
                if (type == "BLOCK" || type == "ENDBLK") {
                    if (blocks && (type == "BLOCK" || inBlock)) {
                        if (type == "BLOCK" && inBlock)
                            out(0, "ENDBLK");
                        for (std::size_t k = i; k < end; ++k)
                            out(p[k]);
                        inBlock = type == "BLOCK";
                    }
                } else if (blocks && !inBlock) {
                    inPolyline = skippingPolyline = type == "POLYLINE";
                } else if (onPaper(p, i, end)) {
                    // Layouts (title sheets) are not the plan: their entities are not kept.
                    inPolyline = skippingPolyline = type == "POLYLINE";
                    ++m_out.notKept;
                } else if (type == "POLYLINE") {
                    inPolyline = true;
                    skippingPolyline = !flatPolyline(p, i, end);
                    if (!skippingPolyline)
                        entity(p, i, end);
                    else
                        ++m_out.notKept;
                } else if (kept(type)) {
                    entity(p, i, end);
                } else {
                    ++m_out.notKept;   // saving over the file would lose it
                }
            }
            i = end;
        }
        if (inPolyline && !skippingPolyline)
            out(0, "SEQEND");
        if (inBlock)
            out(0, "ENDBLK");
    }

    static bool onPaper(const std::vector<Pair>& p, std::size_t from, std::size_t to)
    {
        for (std::size_t k = from + 1; k < to; ++k)
            if (p[k].code == 67)
                return trim(p[k].value()) == "1";
        return false;
    }

    // 3D meshes and polyface meshes are not plan outlines; only 2D and 3D polylines are kept.
    static bool flatPolyline(const std::vector<Pair>& p, std::size_t from, std::size_t to)
    {
        for (std::size_t k = from + 1; k < to; ++k)
            if (p[k].code == 70) {
                long long flags = 0;
                parsesAsInt(p[k].value(), &flags);
                return (flags & (16 | 64)) == 0;
            }
        return true;
    }

    void vertex(const std::vector<Pair>& p, std::size_t from, std::size_t to)
    {
        out(0, "VERTEX");
        for (std::size_t k = from + 1; k < to; ++k)
            if (p[k].code != 5)
                out(p[k]);
    }

    void entity(const std::vector<Pair>& p, std::size_t from, std::size_t to)
    {
        const std::string_view type = p[from].value();
        DxfEntityExtra extra;
        std::size_t vertices = 0;
        for (std::size_t k = from + 1; k < to; ++k) {
            if (p[k].code == 60)
                extra.invisible = trim(p[k].value()) == "1";
            if (p[k].code == 10)
                ++vertices;
        }
        m_out.extras.push_back(extra);
        if (m_modelSpace && (type == "LINE" || type == "CIRCLE" || type == "ARC" || type == "LWPOLYLINE")) {
            plain(p, from, to, type, vertices);
            return;
        }
        char handle[24];
        std::snprintf(handle, sizeof handle, "%zX", m_out.extras.size());
        out(0, type);
        out(5, handle);
        if (type == "LWPOLYLINE")
            out(90, std::to_string(vertices));   // the count dxflib sizes its buffer by
        for (std::size_t k = from + 1; k < to; ++k) {
            const int c = p[k].code;
            if (c == 5 || c == 60 || (c == 90 && type == "LWPOLYLINE"))
                continue;
            // Extended data and reactors are not read; dxflib would take their points for the entity's.
            if (c == 102 || c >= 1000)
                continue;
            if (p[k].value().size() > kMaxValue && c == 1 && type == "TEXT") {
                m_out.longTexts[m_out.extras.size()] = std::string(p[k].value());
                out(1, "");
            } else if (p[k].value().size() > kMaxValue && (c == 1 || c == 3) && type == "MTEXT") {
                // Chunks are joined as bytes before decoding, so they may part anywhere.
                std::string_view rest = p[k].value();
                while (rest.size() > kMTextChunk) {
                    out(3, rest.substr(0, kMTextChunk));
                    rest.remove_prefix(kMTextChunk);
                }
                out(c, rest);
            } else {
                out(p[k]);
            }
        }
    }

    // A line, circle, arc or light-weight polyline: the groups dxflib would have read from the
    // cleaned text, read here with what dxflib does to them (the last of a repeated group wins,
    // strings lose trailing CRs, numbers are read as its strtod reads them; a polyline has one
    // vertex for each group 10, which its groups 20 and 42 that follow fill in).
    void plain(const std::vector<Pair>& p, std::size_t from, std::size_t to, std::string_view type,
               std::size_t vertexCount)
    {
        DxfPlainEntity e;
        e.sequence = static_cast<std::uint32_t>(m_out.extras.size());
        e.kind = type == "LINE" ? DxfPlainKind::Line
            : type == "CIRCLE"  ? DxfPlainKind::Circle
            : type == "ARC"     ? DxfPlainKind::Arc
                                : DxfPlainKind::Polyline;
        const bool polyline = e.kind == DxfPlainKind::Polyline;
        if (polyline) {
            e.firstVertex = static_cast<std::uint32_t>(m_out.vertices.size());
            e.vertexCount = static_cast<std::uint32_t>(vertexCount);
            m_out.vertices.resize(m_out.vertices.size() + vertexCount, PolyVertex{0, 0, 0});
        }
        PolyVertex* vertex = nullptr;   // the one the last group 10 began
        std::size_t begun = 0;
        for (std::size_t k = from + 1; k < to; ++k) {
            const int c = p[k].code;
            if (c == 5 || c == 60 || c == 102 || c >= 1000 || (polyline && c == 90))
                continue;   // as for the entities dxflib reads
            const std::string_view v = p[k].value();
            if (v.size() > kMaxValue)
                malformed("a value is longer than 1000 bytes", lineOf(p[k].data));
            if (polyline) {
                switch (c) {
                case 10:
                    vertex = &m_out.vertices[e.firstVertex + begun++];
                    vertex->x = real(v);
                    continue;
                case 20:
                    if (vertex)
                        vertex->y = real(v);
                    continue;
                case 42:
                    if (vertex)
                        vertex->bulge = real(v);
                    continue;
                case 30: continue;
                case 38: e.values[0] = real(v); continue;
                case 70: {
                    long long n = 0;
                    parsesAsInt(v, &n);
                    e.flags = static_cast<std::int32_t>(n);
                    continue;
                }
                default: break;
                }
            }
            switch (c) {
            case 8: e.layer = name(v); break;
            case 6: e.linetype = name(v); break;
            case 62: {
                long long n = 256;
                parsesAsInt(v, &n);   // checked when read
                e.color = static_cast<std::int32_t>(n);
                break;
            }
            case 10: case 20: case 30:
                if (!polyline)
                    e.values[c / 10 - 1] = real(v);
                break;
            case 11: case 21: case 31: e.values[c / 10 + 2] = real(v); break;
            case 40: e.values[6] = real(v); break;
            case 50: e.values[7] = real(v); break;
            case 51: e.values[8] = real(v); break;
            default: break;
            }
        }
        m_out.plain.push_back(e);
    }

    std::uint32_t name(std::string_view v)
    {
        while (!v.empty() && (v.back() == '\r' || v.back() == '\n'))
            v.remove_suffix(1);
        std::string key(v);
        auto it = m_names.find(key);
        if (it != m_names.end())
            return it->second;
        const auto index = static_cast<std::uint32_t>(m_out.names.size());
        m_out.names.push_back(key);
        m_names.emplace(std::move(key), index);
        return index;
    }

    // A number already checked to be plain decimal, read to the same double as strtod.
    static double real(std::string_view v)
    {
        v = trim(v);
        double d = 0;
        const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), d);
        if (ec == std::errc() && end == v.data() + v.size())
            return d;
        // A leading '+', a decimal comma, or a value beyond what from_chars answers.
        std::string s(v);
        std::replace(s.begin(), s.end(), ',', '.');
        return std::strtod(s.c_str(), nullptr);
    }

    // The line a value of the text stands on, counted from 1.
    std::size_t lineOf(const char* value) const
    {
        return 1 + static_cast<std::size_t>(std::count(m_text.data(), value, '\n'));
    }

    ScannedDxf& m_out;
    std::string_view m_text;
    bool m_modelSpace = false;                                    // in the ENTITIES section
    std::unordered_map<std::string, std::uint32_t> m_names;       // name -> index in m_out.names
};

} // namespace

bool looksLikeAsciiDxf(std::string_view head)
{
    std::size_t pos = 0;
    // Up to a few comment groups, then "0" / "SECTION".
    for (int groups = 0; groups < 8; ++groups) {
        auto line = [&]() {
            std::size_t nl = head.find('\n', pos);
            std::string_view l = head.substr(pos, nl == std::string_view::npos ? std::string_view::npos : nl - pos);
            pos = nl == std::string_view::npos ? head.size() : nl + 1;
            return trim(l);
        };
        std::string_view code = line();
        // A UTF-8 byte order mark may precede the first line.
        if (groups == 0 && code.substr(0, 3) == "\xEF\xBB\xBF")
            code = trim(code.substr(3));
        std::string_view value = line();
        if (code == "999")
            continue;
        return code == "0" && value == "SECTION";
    }
    return false;
}

ScannedDxf scanDxf(std::string_view text)
{
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    if (!looksLikeAsciiDxf(text.substr(0, 4096)))
        malformed("it does not start like a DXF file");
    ScannedDxf out;
    out.cleaned.reserve(text.size());
    const auto pairs = readPairs(text);
    Filter(out, text).run(pairs);
    return out;
}

} // namespace cad
