// The table of DXF entity types: adding a kind the engine keeps starts with a row here.
#include "platform/cad/dxf/dxf_entity_kinds.h"

#include "platform/cad/dxf/dxf_builder.h"
#include "platform/cad/dxf/dxf_writer.h"

namespace cad {

namespace {

using B = DxfDrawingBuilder;
using W = DxfWriter;

// POLYLINE and LWPOLYLINE are both kept as a polyline, which is written as a POLYLINE.
constexpr DxfEntityKind kDxfEntityKinds[] = {
    {"LINE", EntityKind::Line, &B::line, nullptr, &W::writeLine},
    {"ARC", EntityKind::Arc, &B::arc, nullptr, &W::writeArc},
    {"CIRCLE", EntityKind::Circle, &B::circle, nullptr, &W::writeCircle},
    {"TEXT", EntityKind::Text, &B::text, nullptr, &W::writeText, {1, 0}},
    {"MTEXT", EntityKind::MText, &B::mtext, &B::mtextChunk, &W::writeMText, {1, 3}},
    {"INSERT", EntityKind::Insert, &B::insert, nullptr, &W::writeInsert},
    {"POLYLINE", EntityKind::Polyline, &B::polyline, nullptr, &W::writePolyline},
    {"LWPOLYLINE", EntityKind::Polyline, &B::lwPolyline, &B::lwVertex, nullptr, {}, 90},
};

// Every kind has a row that writes it.
constexpr bool everyKindWritten()
{
    for (int kind = 0; kind <= static_cast<int>(kLastEntityKind); ++kind) {
        bool written = false;
        for (const DxfEntityKind& k : kDxfEntityKinds)
            written = written || (static_cast<int>(k.kind) == kind && k.write != nullptr);
        if (!written)
            return false;
    }
    return true;
}
static_assert(everyKindWritten(), "a kind of entity has no row that writes it");

} // namespace

const DxfEntityKind* dxfEntityKind(std::string_view name)
{
    for (const DxfEntityKind& k : kDxfEntityKinds)
        if (k.name == name)
            return &k;
    return nullptr;
}

const DxfEntityKind& dxfEntityKind(EntityKind kind)
{
    for (const DxfEntityKind& k : kDxfEntityKinds)
        if (k.kind == kind && k.write)
            return k;
    return kDxfEntityKinds[0]; // not reached: everyKindWritten() holds
}

} // namespace cad
