// Reading the groups of a DXF text in records, a chunk of the file at a time, each group checked.
#pragma once

#include <QIODevice>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace cad {

// Refuses the file for `why` (a text of dxf_messages.h) at `line`: throws AutomationError(FileError).
[[noreturn]] void dxfMalformed(const char* why, std::size_t line = 0);

// The byte that ends the lines of a text, judged by its first line break: '\r' for old Macintosh
// files, whose lines end in a CR alone, else '\n' (a CR before it is dropped with it).
char dxfLineEnd(std::string_view head);

// The value without the blanks around it.
std::string_view dxfTrim(std::string_view value);
// A number already checked to be plain decimal, read to the same double as strtod.
double dxfReal(std::string_view value);
// The leading whole number of a value, as strtol reads it ("2.7" gives 2, "x" 0).
int dxfLeadingInt(std::string_view value);
// A number read, or `fallback` where it is infinite or not a number (a file may say "1e999").
inline double finiteOr(double v, double fallback) { return std::isfinite(v) ? v : fallback; }

// Groups of a DXF text, a record at a time: a record is a group with code 0 and the groups that
// follow it up to the next group 0 (the first record may start otherwise). Each group is checked
// as it is read: numeric codes, numbers where numbers belong, no NUL. Comments (999) are left out;
// the values of codes 0, 2 and 9 lose their surrounding blanks. The text after "0 / EOF" is not read.
// Only the record being read and one chunk of the file are in memory; a value may be as long as
// the file.
class DxfGroupReader {
public:
    struct Group {
        std::int32_t code;
        std::uint32_t line;     // of the value, counted from 1
        std::size_t offset;     // of the value, from the start of the record
        std::size_t size;
        double number;          // of a group whose code holds a number, else NaN
    };

    // Reads `device` from its current position, `chunk` bytes at a time.
    explicit DxfGroupReader(QIODevice& device, std::size_t chunk = std::size_t(1) << 20);

    // The first bytes of the text (for recognising the file), without consuming them.
    std::string_view peek(std::size_t size);
    // Drops the first `size` bytes (a byte order mark).
    void skip(std::size_t size);

    // Reads the next record; false after the record "0 / EOF". Throws when a group is malformed or
    // the text ends before its EOF.
    bool next();

    const std::vector<Group>& groups() const { return m_groups; }
    std::string_view value(const Group& g) const { return {m_buffer.data() + m_record + g.offset, g.size}; }
    std::string_view value(std::size_t i) const { return value(m_groups[i]); }
    int code(std::size_t i) const { return m_groups[i].code; }
    double number(std::size_t i) const { return m_groups[i].number; }
    std::size_t size() const { return m_groups.size(); }
    bool atEof() const { return m_eofRead; }

private:
    bool line(std::string_view& out);
    bool fill();
    bool readGroup(Group& g);

    QIODevice& m_device;
    std::size_t m_chunk;
    std::string m_buffer;
    std::size_t m_record = 0;   // where the current record starts in the buffer
    std::size_t m_pos = 0;      // where reading goes on
    std::size_t m_end = 0;      // end of the bytes read into the buffer
    bool m_deviceDone = false;
    bool m_eofRead = false;     // the EOF group has been read
    bool m_pending = false;     // a group 0 that starts the next record has been read
    char m_lineEnd = 0;         // the byte that ends a line, once the first lines are seen
    Group m_next{};
    std::uint32_t m_lineNo = 0;
    std::vector<Group> m_groups;
};

} // namespace cad
