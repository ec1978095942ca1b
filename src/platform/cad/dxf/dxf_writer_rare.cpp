// Writing what few entities carry beyond their geometry: colour name, transparency, thickness,
// direction, widths, extended data; and a mirrored entity in its own coordinate system.
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
        // dxflib writes a true colour only into files of later versions.
        if (r.trueColor >= 0)
            m_w.dxfInt(420, r.trueColor);
        if (!r.colorName.isEmpty())
            m_w.dxfString(430, text(r.colorName));
        if (r.transparency != -1)
            m_w.dxfInt(440, r.transparency);
        if (r.shadowMode != -1)
            m_w.dxfInt(284, r.shadowMode);
    });
    if (!groups.empty() || always)
        m_w.beforeSubclass(subclass, std::move(groups));
}

void DxfWriter::thicknessAndDirection(const EntityData& e)
{
    if (e.rare->thickness != 0)
        m_w.dxfReal(39, e.rare->thickness);
    direction(e);
}

void DxfWriter::direction(const EntityData& e)
{
    const Point& n = e.rare->extrusion;
    if (n == Point{0, 0, 1})
        return;
    m_w.dxfReal(210, n[0]);
    m_w.dxfReal(220, n[1]);
    m_w.dxfReal(230, n[2]);
}

void DxfWriter::extendedData(const EntityData& e) { extendedGroups(e.rare->extendedData); }

// Strings as text, numbers as numbers (1010 to 1059 reals, 1060 to 1071 whole numbers), in the order read.
void DxfWriter::extendedGroups(const std::vector<ExtendedGroup>& groups)
{
    for (const ExtendedGroup& g : groups) {
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
