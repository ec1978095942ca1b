// The groups few entities carry (line weight, true colour, direction, widths, ...) read into their
// rare record, and entities given in a mirrored coordinate system placed in the world.
#include "platform/cad/dxf/dxf_builder.h"

#include "platform/cad/dxf/dxf_common_groups.h"
#include "platform/cad/dxf/dxf_extrusion.h"
#include "platform/cad/dxf/dxf_groups.h"

#include <algorithm>
#include <cmath>

namespace cad {

namespace {

// A multi-line text's groups kept as read: background fill (90 flags, 63, 421, 431 its colour, 441
// its transparency, 45 its margin) and the defined height (46).
constexpr int kMTextBackgroundCodes[] = {46, 90, 63, 421, 431, 441, 45};

} // namespace

// The groups of AcDbEntity beyond layer, colour and line type, and the thickness and direction
// that every kept kind may have. Only an entity that has one of them at other than its default gets
// a record (files written by dxflib give 370 and 48 for every entity); one whose value cannot be
// written back as read is counted.
void DxfDrawingBuilder::rareGroups(EntityData& e)
{
    const auto rows = dxfCommonGroups();
    if (std::none_of(rows.begin(), rows.end(), [&](const DxfCommonGroup& g) { return has(g.code); }))
        return;
    RareProperties& r = e.rare.edit();
    for (const DxfCommonGroup& g : rows) {
        if (!has(g.code))
            continue;
        if (g.text)
            r.*g.text = decode(str(g.code));
        else if (!g.read(r, real(g.code, g.byDefault)))
            note(m_losesOnSaving, NotKeptKind::OutOfRangeValue);
    }
    e.rare.dropIfDefault();
}

// An entity facing down is turned into the world (its angles the caller turned already); one tilted
// out of the plan, or so far off the axis that the axis would misplace it, is not kept but counted,
// so that saving over its file asks first.
bool DxfDrawingBuilder::inWorld(EntityData& e)
{
    // A line's direction only sets which way its thickness rises; a 3D polyline stands in the world.
    if (!e.rare || e.kind == EntityKind::Line || isPolyline3d(e))
        return true;
    const Facing f = facing(e.rare->extrusion);
    if (f == Facing::Tilted || !standsAlongAxis(e)) {
        if (!m_skipBlock || m_skipLayout)
            m_notKept.add(NotKeptKind::Tilted);
        return false;
    }
    if (f == Facing::Down)
        mirrorAcrossPlan(e);
    return true;
}

// A text's oblique angle (51) and generation flags (71).
void DxfDrawingBuilder::textLook(EntityData& e)
{
    const double oblique = finiteOr(real(51, 0), 0);
    const int flags = integer(71, 0) & 6;
    if (oblique != 0)
        e.rare.edit().oblique = oblique;
    if (flags != 0)
        e.rare.edit().textFlags = static_cast<std::uint8_t>(flags);
}

// A multi-line text's line spacing: its style (73) and factor (44).
void DxfDrawingBuilder::mtextLook(EntityData& e)
{
    const int style = integer(73, 0);
    const double factor = real(44, 1);
    if (style == 2) // 1, at least, is the default
        e.rare.edit().lineSpacingStyle = static_cast<std::uint8_t>(style);
    // Kept as read, also beyond the range CAD programs offer (0.25 to 4): it is not shown.
    if (factor != 1 && std::isfinite(factor))
        e.rare.edit().lineSpacing = factor;
    const int flow = integer(72, 0);
    if (flow == 3 || flow == 5) // 1, left to right, is the default
        e.rare.edit().flowDirection = static_cast<std::uint8_t>(flow);
    for (const int code : kMTextBackgroundCodes)
        if (has(code))
            e.rare.edit().otherGroups.emplace_back(static_cast<std::int16_t>(code), decode(dxfTrim(str(code))));
}

// The line type generation flag of a polyline, and its default widths: a 2D polyline's 40 and 41, a
// light-weight one's constant width 43.
SegmentWidth DxfDrawingBuilder::polylineWidths(EntityData& e, bool light)
{
    if (const int flags = integer(70, 0) & 128)
        e.rare.edit().polylineFlags = static_cast<std::uint8_t>(flags);
    auto width = [&](int code) {
        const double w = real(code, 0);
        return w > 0 && std::isfinite(w) ? w : 0;
    };
    return {width(light ? 43 : 40), width(light ? 43 : 41)};
}

// The segment widths of each vertex, with the defaults where a vertex gives none (a light-weight
// polyline's constant width holds for every vertex, as other programs show it). Left out when all
// are zero.
void DxfDrawingBuilder::vertexWidths(EntityData& e, const std::vector<SegmentWidth>& given, SegmentWidth defaults,
                                     bool light)
{
    const bool constant = light && defaults.start > 0;
    bool any = defaults.start > 0 || defaults.end > 0;
    if (!any && given.empty())
        return;
    std::vector<SegmentWidth> widths(e.vertices.size(), defaults);
    auto valid = [](double w, double fallback) { return std::isnan(w) ? fallback : w > 0 && std::isfinite(w) ? w : 0; };
    if (constant) {
        std::vector<SegmentWidth> beside(std::min(given.size(), widths.size()));
        bool besideAny = false;
        for (std::size_t i = 0; i < beside.size(); ++i) {
            beside[i] = {valid(given[i].start, 0), valid(given[i].end, 0)};
            besideAny = besideAny || beside[i].start > 0 || beside[i].end > 0;
        }
        if (besideAny)
            e.rare.edit().widthsBesideConstant = std::move(beside);
    }
    for (std::size_t i = 0; i < std::min(given.size(), widths.size()) && !constant; ++i) {
        widths[i] = {valid(given[i].start, defaults.start), valid(given[i].end, defaults.end)};
        any = any || widths[i].start > 0 || widths[i].end > 0;
    }
    if (any)
        e.rare.edit().widths = std::move(widths);
}

} // namespace cad
