// The first pass over a DXF file: checks its structure and keeps only what the drawing engine reads.
#pragma once

#include "platform/cad/entity_data.h"

#include <QString>
#include <cstdint>
#include <deque>
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

// A line, circle, arc or light-weight polyline of model space, read by the first pass itself so that
// dxflib need not parse it again: the values dxflib would have handed on (defaults where the file
// gives none), placed in drawing order by the sequence number it would have carried.
enum class DxfPlainKind : std::uint8_t { Line, Circle, Arc, Polyline };
inline constexpr std::uint32_t kDxfNoName = UINT32_MAX;
struct DxfPlainEntity {
    std::uint32_t sequence = 0;
    DxfPlainKind kind = DxfPlainKind::Line;
    std::int32_t color = 256;                      // group 62
    std::uint32_t layer = kDxfNoName;              // group 8, index into ScannedDxf::names
    std::uint32_t linetype = kDxfNoName;           // group 6
    double values[9] = {};                         // groups 10 20 30 11 21 31 40 50 51; polyline: 38
    std::int32_t flags = 0;                        // polyline: group 70
    std::uint32_t firstVertex = 0, vertexCount = 0; // polyline: its run of ScannedDxf::vertices
};

struct ScannedDxf {
    std::string cleaned;               // a well-formed DXF text for dxflib
    std::deque<DxfPlainEntity> plain;  // in file order; taken from the front as they are added
    std::vector<std::string> names;    // layer and line type names of the plain entities, each once
    std::deque<PolyVertex> vertices;   // of the plain polylines, in their order; taken like them
    QString acadver, codepage;         // raw header values
    std::vector<DxfEntityExtra> extras; // index = sequence number - 1
    std::unordered_map<std::size_t, std::string> longTexts;   // by sequence number: TEXT values over kDxfMaxValue
    int notKept = 0;                   // entities of the plan or its blocks left out (other kinds, paper space, meshes)
};

// Throws AutomationError(FileError) when the text is not a well-formed ASCII DXF file: code and
// value lines in pairs, numeric codes, numbers where numbers belong, sections closed, an EOF.
// Only the HEADER, the LTYPE, LAYER and STYLE tables, BLOCKS and ENTITIES are passed on, with the
// entity kinds the engine keeps (LINE, ARC, CIRCLE, TEXT, MTEXT, INSERT, LWPOLYLINE, 2D POLYLINE),
// and only those of model space (not those flagged as paper space, group 67). A block without its
// ENDBLK ends at the next block or the end of its section. Values too long for dxflib are kept
// whole for texts and refuse the file elsewhere. Lines, circles, arcs and light-weight polylines of
// the ENTITIES section are read here and left out of the cleaned text.
ScannedDxf scanDxf(std::string_view text);

// True when the start of a file looks like ASCII DXF (whatever its name says).
bool looksLikeAsciiDxf(std::string_view head);

} // namespace cad
