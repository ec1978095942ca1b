// The DXF entity types the engine keeps, one row each: its name, its kind, how it is read and written.
#pragma once

#include "platform/cad/model/entity_data.h"

#include <array>
#include <string_view>

class DL_Attributes;

namespace cad {

class DxfDrawingBuilder;
class DxfWriter;

struct DxfEntityKind {
    std::string_view name; // the type, the value of the entity's group 0
    EntityKind kind;       // what the drawing keeps it as
    // Makes the entity from the groups of its record, the last of each code given.
    void (DxfDrawingBuilder::*read)();
    // Takes a group that repeats within the record (vertices, text chunks) as it comes; null when
    // none does.
    void (DxfDrawingBuilder::*collect)(int code, std::string_view value, double number);
    // Writes an entity of `kind`; null for a type read only, whose kind another row writes.
    void (DxfWriter::*write)(const EntityData& e, const DL_Attributes& a);
    // Codes whose text is read in any length (0: none); any other value is held to kDxfMaxValue.
    std::array<int, 2> anyLength{};
    // A code not handed on to the builder (a count it makes itself), or 0.
    int ignored = 0;
};

// A 3D polyline (POLYLINE flag 8): written as one, with its vertices and their end, where a 2D
// polyline is written as a light-weight one.
inline bool isPolyline3d(const EntityData& e)
{
    return e.kind == EntityKind::Polyline && (e.rare->polylineFlags & kPolyline3d);
}

// The row of a type, or null for a type the engine does not keep.
const DxfEntityKind* dxfEntityKind(std::string_view name);
// The row that writes a kind.
const DxfEntityKind& dxfEntityKind(EntityKind kind);

} // namespace cad
