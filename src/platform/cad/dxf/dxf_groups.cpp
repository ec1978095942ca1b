// Group reading of DXF text: lines in pairs, checked, gathered into records a chunk at a time.
#include "platform/cad/dxf/dxf_groups.h"

#include "platform/automation/automation_error.h"
#include "platform/cad/dxf/dxf_messages.h"

#include <QFile>
#include <QString>
#include <algorithm>
#include <cctype>
#include <charconv>
#include <climits>
#include <limits>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace cad {

using automation::AutomationError;
namespace errors = automation::errors;

void dxfMalformed(const char* why, std::size_t line)
{
    throw AutomationError(errors::FileError, dxfMalformedText(why, line));
}

namespace {
// The blanks of the C locale, tested without a call per character.
bool blank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
} // namespace

char dxfLineEnd(std::string_view head)
{
    const std::size_t at = head.find_first_of("\r\n");
    if (at == std::string_view::npos || head[at] == '\n')
        return '\n';
    // CR CR LF is a line break of another system, not empty lines.
    const std::size_t after = head.find_first_not_of('\r', at);
    return after != std::string_view::npos && head[after] != '\n' ? '\r' : '\n';
}

std::string_view dxfTrim(std::string_view s)
{
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

namespace {

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

// Powers of ten a double holds exactly.
constexpr double kExactTens[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// A decimal of at most 15 digits, with a point or without, as files write nearly every number:
// both its digits and the power of ten are exact doubles, so their quotient is the double
// nearest the number, the one from_chars gives. False, with `out` untouched, for any other form.
bool shortDecimal(std::string_view v, double& out)
{
    std::size_t i = !v.empty() && v[0] == '-' ? 1 : 0;
    std::uint64_t digits = 0;
    int count = 0, fraction = 0;
    bool point = false;
    for (; i < v.size(); ++i) {
        const char c = v[i];
        if (c >= '0' && c <= '9') {
            digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
            ++count;
            fraction += point ? 1 : 0;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    if (count == 0 || count > 15)
        return false;
    const double d = static_cast<double>(digits) / kExactTens[fraction];
    out = v[0] == '-' ? -d : d;
    return true;
}

// Plain decimal notation only: "0x1p10", "inf" or "nan" are not numbers of a drawing.
bool parsesAsReal(std::string_view v, double& out)
{
    v = dxfTrim(v);
    if (shortDecimal(v, out))
        return true;
    if (v.empty() || v.size() > 64)
        return false;
    std::size_t i = 0, digits = 0;
    auto run = [&] {
        std::size_t n = 0;
        while (i < v.size() && v[i] >= '0' && v[i] <= '9')
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
    // Written plainly, the number reads as strtod reads it; only a value beyond the range of a
    // double (or below its smallest) is left to strtod to judge.
    if (v.front() != '+' && v.find(',') == std::string_view::npos) {
        double d = 0;
        const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), d);
        if (ec == std::errc() && end == v.data() + v.size()) {
            out = d;
            return std::isfinite(d);
        }
    }
    char s[72];
    std::memcpy(s, v.data(), v.size());
    s[v.size()] = '\0';
    std::replace(s, s + v.size(), ',', '.');
    char* end = nullptr;
    const double d = std::strtod(s, &end);
    out = d;
    return end == s + v.size() && std::isfinite(d);
}

// Up to nine digits, as files write nearly every whole number: always in range. False, with `out`
// untouched, for any other form.
inline bool shortWhole(std::string_view v, long long& out)
{
    const std::size_t sign = !v.empty() && v[0] == '-' ? 1 : 0;
    if (v.size() <= sign || v.size() - sign > 9)
        return false;
    long long n = 0;
    for (std::size_t i = sign; i < v.size(); ++i) {
        if (v[i] < '0' || v[i] > '9')
            return false;
        n = n * 10 + (v[i] - '0');
    }
    out = sign ? -n : n;
    return true;
}

bool parsesAsInt(std::string_view v, long long* out = nullptr)
{
    if (long long n = 0; shortWhole(v, n)) {
        if (out)
            *out = n;
        return true;
    }
    v = dxfTrim(v);
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

} // namespace

double dxfReal(std::string_view v)
{
    v = dxfTrim(v);
    double d = 0;
    const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), d);
    if (ec == std::errc() && end == v.data() + v.size())
        return d;
    // A leading '+', a decimal comma, or a value beyond what from_chars answers.
    std::string s(v);
    std::replace(s.begin(), s.end(), ',', '.');
    return std::strtod(s.c_str(), nullptr);
}

int dxfLeadingInt(std::string_view v)
{
    char buf[80];
    const std::size_t n = std::min(v.size(), sizeof buf - 1);
    std::memcpy(buf, v.data(), n);
    buf[n] = '\0';
    return static_cast<int>(std::strtol(buf, nullptr, 10));
}

DxfGroupReader::DxfGroupReader(QIODevice& device, std::size_t chunk)
    : m_device(device), m_chunk(std::max<std::size_t>(chunk, 1))
{
    m_buffer.resize(m_chunk);
    m_groups.reserve(64);
}

// Reads more of the file behind what the buffer holds, keeping the current record; false when
// the file has no more.
bool DxfGroupReader::fill()
{
    if (m_deviceDone)
        return false;
    if (m_record > 0) {
        std::memmove(m_buffer.data(), m_buffer.data() + m_record, m_end - m_record);
        m_pos -= m_record;
        m_end -= m_record;
        m_record = 0;
    }
    if (m_buffer.size() - m_end < m_chunk)
        m_buffer.resize(std::max(m_buffer.size() * 2, m_end + m_chunk));
    const qint64 got = m_device.read(m_buffer.data() + m_end, static_cast<qint64>(m_chunk));
    if (got < 0) {
        const auto* file = qobject_cast<const QFile*>(&m_device);
        throw AutomationError(errors::FileError, dxfNotReadWhole(file ? file->fileName() : QString()));
    }
    if (got == 0) {
        m_deviceDone = true;
        return false;
    }
    m_end += static_cast<std::size_t>(got);
    return true;
}

std::string_view DxfGroupReader::peek(std::size_t size)
{
    while (m_end - m_pos < size && fill()) {
    }
    return {m_buffer.data() + m_pos, std::min(size, m_end - m_pos)};
}

void DxfGroupReader::skip(std::size_t size)
{
    peek(size);
    m_pos = m_record = std::min(m_end, m_pos + size);
}

// The next line without its line break (and a CR before it); false at the end of the text.
bool DxfGroupReader::line(std::string_view& out)
{
    if (!m_lineEnd)
        m_lineEnd = dxfLineEnd(peek(4096));
    std::size_t searched = m_pos;
    while (true) {
        const void* nl = std::memchr(m_buffer.data() + searched, m_lineEnd, m_end - searched);
        if (nl) {
            const std::size_t at = static_cast<std::size_t>(static_cast<const char*>(nl) - m_buffer.data());
            out = {m_buffer.data() + m_pos, at - m_pos};
            m_pos = at + 1;
            break;
        }
        const std::size_t done = m_end - m_pos;   // fill() may move the bytes to the front
        if (!fill()) {
            if (m_pos >= m_end)
                return false;
            out = {m_buffer.data() + m_pos, m_end - m_pos};
            m_pos = m_end;
            break;
        }
        searched = m_pos + done;
    }
    if (!out.empty() && out.back() == '\r')
        out.remove_suffix(1);
    ++m_lineNo;
    return true;
}

// One group, checked; false at the end of the text.
bool DxfGroupReader::readGroup(Group& g)
{
    std::string_view codeLine, value;
    if (!line(codeLine))
        return false;
    const std::string_view c = dxfTrim(codeLine);
    const std::size_t codeLineNo = m_lineNo;
    if (c.empty() && m_pos >= m_end && !fill())
        return false;   // a trailing empty line
    long long code = 0;
    if (!c.empty() && c.size() <= 4 && std::all_of(c.begin(), c.end(), [](char d) { return d >= '0' && d <= '9'; })) {
        for (char d : c)
            code = code * 10 + (d - '0');
    } else if (!parsesAsInt(c, &code)) {
        code = -1000;
    }
    if (code < -5 || code > 1071)
        dxfMalformed(kDxfCodeNotNumber, codeLineNo);
    if (!line(value))
        dxfMalformed(kDxfEndsInGroup, codeLineNo);
    const int ic = static_cast<int>(code);
    g.number = std::numeric_limits<double>::quiet_NaN();
    if (isRealCode(ic) && !parsesAsReal(value, g.number))
        dxfMalformed(kDxfNumberExpected, m_lineNo);
    long long whole = 0;
    if (isIntCode(ic)) {
        if (!shortWhole(value, whole) && !parsesAsInt(value, &whole))
            dxfMalformed(kDxfWholeNumberExpected, m_lineNo);
        g.number = static_cast<double>(whole);
    }
    if (ic == 0 && dxfTrim(value) == "EOF") {
        value = dxfTrim(value);
    } else {
        if (std::memchr(value.data(), '\0', value.size()))
            dxfMalformed(kDxfNulByte, m_lineNo);
        if (value.size() > UINT32_MAX)
            dxfMalformed(kDxfValueTooLong, m_lineNo);
        if (ic == 0 || ic == 2 || ic == 9)
            value = dxfTrim(value);
    }
    g.code = ic;
    g.line = m_lineNo;
    g.offset = static_cast<std::size_t>(value.data() - m_buffer.data()) - m_record;
    g.size = value.size();
    return true;
}

bool DxfGroupReader::next()
{
    if (m_eofRead)
        return false;
    m_groups.clear();
    if (m_pending) {
        // The group 0 read last starts this record: the record begins at its code line.
        m_record += m_next.offset;
        m_next.offset = 0;
        m_groups.push_back(m_next);
        m_pending = false;
        if (value(m_next) == "EOF") {
            m_eofRead = true;
            return true;
        }
    } else {
        m_record = m_pos;
    }
    while (true) {
        Group& g = m_groups.emplace_back();
        // A missing EOF is named by the last line of the file.
        if (!readGroup(g))
            dxfMalformed(kDxfNoEof, m_lineNo);
        if (g.code == 999) {
            m_groups.pop_back();
            continue;
        }
        if (g.code != 0)
            continue;
        if (m_groups.size() > 1) {
            m_next = g;
            m_groups.pop_back();
            m_pending = true;
            return true;
        }
        if (value(g) == "EOF") {
            m_eofRead = true;
            return true;
        }
    }
}

} // namespace cad
