// Writing what few entities carry beyond their geometry: colour name, transparency, thickness,
// direction, widths, extended data; and a mirrored entity in its own coordinate system.
#include "platform/cad/dxf/dxf_common_groups.h"
#include "platform/cad/dxf/dxf_extrusion.h"
#include "platform/cad/dxf/dxf_output.h"
#include "platform/cad/dxf/dxf_writer.h"

#include <algorithm>
#include <climits>

namespace cad {

void DxfWriter::entityGroups(const EntityData& e, const char* subclass, bool always)
{
    if (!e.rare && !always)
        return;
    const RareProperties& r = *e.rare;
    std::string groups = m_w.capture([&] {
        for (const DxfCommonGroup& g : dxfCommonGroups()) {
            if (g.place != DxfGroupPlace::Entity)
                continue;
            if (g.text && !(r.*g.text).isEmpty())
                m_w.dxfString(g.code, text(r.*g.text));
            else if (!g.text && g.number(r) != g.byDefault)
                m_w.dxfInt(g.code, static_cast<int>(g.number(r)));
        }
    });
    if (!groups.empty() || always)
        m_w.beforeSubclass(subclass, std::move(groups));
}

void DxfWriter::thicknessAndDirection(const EntityData& e)
{
    thickness(e);
    direction(e);
}

void DxfWriter::thickness(const EntityData& e)
{
    const DxfCommonGroup& g = dxfCommonGroup(39);
    if (g.number(*e.rare) != g.byDefault)
        m_w.dxfReal(g.code, g.number(*e.rare));
}

// All three groups of a direction that is not the default, as read.
void DxfWriter::direction(const EntityData& e)
{
    if (e.rare->extrusion == Point{0, 0, 1})
        return;
    for (const DxfCommonGroup& g : dxfCommonGroups())
        if (isDirectionCode(g.code))
            m_w.dxfReal(g.code, g.number(*e.rare));
}

// Strings as text, numbers as numbers (1010 to 1059 reals, 1060 to 1071 whole numbers), in the order read.
void DxfWriter::extendedData(const std::vector<ExtendedGroup>& data)
{
    for (const ExtendedGroup& g : data) {
        if (g.code >= 1060)
            m_w.dxfInt(g.code, static_cast<int>(std::clamp(g.number, double(INT_MIN), double(INT_MAX))));
        else if (g.code >= 1010)
            m_w.dxfReal(g.code, g.number);
        else
            m_w.dxfString(g.code, text(g.text));
    }
}

const EntityData& DxfWriter::ownCoordinates(const EntityData& world, std::optional<EntityData>& mirrored)
{
    if (!facesDown(world))
        return world;
    mirrored = world;
    mirrorAcrossPlan(*mirrored);
    return *mirrored;
}

std::optional<double> DxfWriter::constantWidth(const std::vector<SegmentWidth>& widths)
{
    if (widths.empty())
        return std::nullopt;
    const double w = widths.front().start;
    for (const SegmentWidth& s : widths)
        if (s.start != w || s.end != w)
            return std::nullopt;
    return w;
}

} // namespace cad
