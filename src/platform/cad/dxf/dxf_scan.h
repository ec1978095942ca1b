// The pass over a DXF file: checks its structure and hands on only what the drawing engine keeps.
#pragma once

#include "platform/cad/model/not_kept.h"

#include <QString>
#include <cstddef>
#include <string_view>

namespace cad {

class DxfDrawingBuilder;
class DxfGroupReader;

// The longest value of a DXF file that is read (and written): longer single-line texts are read
// whole, multi-line texts in any length, and any other longer value refuses the file.
inline constexpr std::size_t kDxfMaxValue = 1000;

struct DxfScanResult {
    QString acadver, codepage;   // raw header values
    NotKeptOnRead notKept;       // entities of the plan, its blocks or layouts left out (other kinds,
                                 // meshes), and layouts whose name would be lost (beyond the two kept, or
                                 // not tied to one of them)
};

// Reads the records of `reader` to the end and throws AutomationError(FileError) when the text is
// not a well-formed ASCII DXF file: sections closed, an EOF, every group as DxfGroupReader checks
// it. Only the HEADER, the LTYPE, LAYER, STYLE and BLOCK_RECORD tables, BLOCKS and ENTITIES are handed to
// `builder`, with the entity types the engine keeps (the rows of dxf_entity_kinds.h; of POLYLINE
// only 2D and 3D polylines), those of paper space (group 67) as well, and from OBJECTS the names and
// tab positions of the two layouts kept. A block without its ENDBLK ends at the next block or the end of its section.
// Where a file has several faults, the first fault of its groups is reported before any fault
// of its structure, and a section or table left open before a fault within it.
DxfScanResult scanDxf(DxfGroupReader& reader, DxfDrawingBuilder& builder);

// True when the start of a file looks like ASCII DXF (whatever its name says).
bool looksLikeAsciiDxf(std::string_view head);

} // namespace cad
