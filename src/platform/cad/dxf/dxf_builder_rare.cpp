// The groups few entities carry (line weight, true colour, direction, widths, ...) read into their
// rare record, and entities given in a mirrored coordinate system placed in the world.
#include "platform/cad/dxf/dxf_builder.h"

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
// that every kept kind may have. Only an entity that has one of them gets a record.
void DxfDrawingBuilder::rareGroups(EntityData& e)
{
    const bool any = has(370) || has(48) || has(420) || has(430) || has(440) || has(284) || has(39) || has(210)
                     || has(220) || has(230);
    if (!any)
        return;
    // A value at its default makes no record: files written by dxflib give 370 and 48 for every entity.
    if (const int weight = std::clamp(integer(370, -1), -3, 211); weight != -1)
        e.rare.edit().lineweight = static_cast<std::int16_t>(weight);
    if (const double scale = real(48, 1); scale != 1 && scale > 0 && std::isfinite(scale))
        e.rare.edit().linetypeScale = scale;
    if (has(420))
        e.rare.edit().trueColor = integer(420, 0) & 0xFFFFFF;
    if (has(430))
        e.rare.edit().colorName = decode(str(430));
    if (has(440))
        e.rare.edit().transparency = integer(440, -1);
    if (has(284))
        e.rare.edit().shadowMode = static_cast<std::int16_t>(std::clamp(integer(284, 0), 0, 3));
    if (const double thickness = finiteOr(real(39, 0), 0); thickness != 0)
        e.rare.edit().thickness = thickness;
    const Point extrusion{finiteOr(real(210, 0), 0), finiteOr(real(220, 0), 0), finiteOr(real(230, 1), 1)};
    if (extrusion != Point{0, 0, 1})
        e.rare.edit().extrusion = extrusion;
}

// An entity facing down is turned into the world (its angles the caller turned already); one tilted
// out of the plan is not kept but counted, so that saving over its file asks first.
bool DxfDrawingBuilder::inWorld(EntityData& e)
{
    // A line's direction only sets which way its thickness rises; a 3D polyline stands in the world.
    if (!e.rare || e.kind == EntityKind::Line || (e.rare->polylineFlags & kPolyline3d))
        return true;
    switch (facing(e.rare->extrusion)) {
    case Facing::Up:
        return true;
    case Facing::Down:
        mirrorAcrossPlan(e);
        return true;
    case Facing::Tilted:
        if (!m_skipBlock || m_skipLayout)
            m_notKept.add(NotKeptKind::Tilted);
        return false;
    }
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
    if (factor != 1 && factor > 0 && std::isfinite(factor))
        e.rare.edit().lineSpacing = std::clamp(factor, 0.25, 4.0);
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
    for (std::size_t i = 0; i < std::min(given.size(), widths.size()) && !constant; ++i) {
        widths[i] = {valid(given[i].start, defaults.start), valid(given[i].end, defaults.end)};
        any = any || widths[i].start > 0 || widths[i].end > 0;
    }
    if (any)
        e.rare.edit().widths = std::move(widths);
}

} // namespace cad
