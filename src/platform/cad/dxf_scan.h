// The first pass over a DXF file: checks its structure and keeps only what the drawing engine reads.
#pragma once

#include <QString>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace cad {

// The longest value dxflib is given (its buffers are 1024 bytes); longer single-line texts are
// passed beside it, and any other longer value refuses the file.
inline constexpr std::size_t kDxfMaxValue = 1000;

// What the first pass learnt about each entity it passed on, by the sequence number it wrote
// into the entity's handle (group 5): dxflib does not report the invisible flag.
struct DxfEntityExtra {
    bool invisible = false;
};

struct ScannedDxf {
    std::string cleaned;               // a well-formed DXF text for dxflib
    QString acadver, codepage;         // raw header values
    std::vector<DxfEntityExtra> extras; // index = sequence number - 1
    std::unordered_map<std::size_t, std::string> longTexts;   // by sequence number: TEXT values over kDxfMaxValue
};

// Throws AutomationError(FileError) when the text is not a well-formed ASCII DXF file: code and
// value lines in pairs, numeric codes, numbers where numbers belong, sections closed, an EOF.
// Only the HEADER, the LTYPE, LAYER and STYLE tables, BLOCKS and ENTITIES are passed on, with the
// entity kinds the engine keeps (LINE, ARC, CIRCLE, TEXT, MTEXT, INSERT, LWPOLYLINE, 2D POLYLINE),
// and only those of model space (not those flagged as paper space, group 67). A block without its
// ENDBLK ends at the next block or the end of its section. Values too long for dxflib are kept
// whole for texts and refuse the file elsewhere.
ScannedDxf scanDxf(std::string_view text);

// True when the start of a file looks like ASCII DXF (whatever its name says).
bool looksLikeAsciiDxf(std::string_view head);

} // namespace cad
