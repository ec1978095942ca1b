// The common groups of an entity: how each is read into its rare record and where it is written.
#include "platform/cad/dxf/dxf_common_groups.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace cad {

namespace {

// The line weights DXF names (1/100 mm), and -1 by layer, -2 by block, -3 the default.
constexpr std::int16_t kLineweights[] = {-3, -2, -1, 0,  5,  9,  13,  15,  18,  20,  25,  30,  35, 40,
                                         50, 53, 60, 70, 80, 90, 100, 106, 120, 140, 158, 200, 211};

// Another weight is written as readers repair it: the next one up, by layer below the range, the
// widest above it.
bool readLineweight(RareProperties& r, double v)
{
    const auto next = std::lower_bound(std::begin(kLineweights), std::end(kLineweights), v);
    r.lineweight = v < -3 ? std::int16_t(-1) : next == std::end(kLineweights) ? std::int16_t(211) : *next;
    return r.lineweight == v;
}

// A whole number of 16 bits as read; another is cut to that range.
bool readShort(std::int16_t& field, double v)
{
    constexpr double lo = std::numeric_limits<std::int16_t>::min(), hi = std::numeric_limits<std::int16_t>::max();
    field = static_cast<std::int16_t>(std::clamp(v, lo, hi));
    return field == v;
}

// A line type scale that is no positive number stays at 1, as readers take it.
bool readLinetypeScale(RareProperties& r, double v)
{
    if (v > 0 && std::isfinite(v))
        r.linetypeScale = v;
    return true;
}

double coordinate(double v) { return std::isfinite(v) ? v : 0; }

const DxfCommonGroup kRows[] = {
    {420, "trueColor", -1, DxfGroupPlace::Attributes, [](const RareProperties& r) { return double(r.trueColor); },
     [](RareProperties& r, double v) {
         r.trueColor = static_cast<std::int32_t>(static_cast<std::int64_t>(v) & 0xFFFFFF);
         return true;
     }},
    {370, "lineweight", -1, DxfGroupPlace::Attributes, [](const RareProperties& r) { return double(r.lineweight); },
     readLineweight},
    {48, "linetypeScale", 1, DxfGroupPlace::Attributes, [](const RareProperties& r) { return r.linetypeScale; },
     readLinetypeScale},
    {430, "colorName", 0, DxfGroupPlace::Entity, nullptr, nullptr, &RareProperties::colorName},
    {440, "transparency", -1, DxfGroupPlace::Entity, [](const RareProperties& r) { return double(r.transparency); },
     [](RareProperties& r, double v) {
         r.transparency = static_cast<std::int32_t>(v);
         return true;
     }},
    {284, "shadowMode", -1, DxfGroupPlace::Entity, [](const RareProperties& r) { return double(r.shadowMode); },
     [](RareProperties& r, double v) { return readShort(r.shadowMode, v); }},
    {39, "thickness", 0, DxfGroupPlace::OwnSubclass, [](const RareProperties& r) { return r.thickness; },
     [](RareProperties& r, double v) {
         r.thickness = coordinate(v);
         return true;
     }},
    {210, "extrusion", 0, DxfGroupPlace::OwnSubclass, [](const RareProperties& r) { return r.extrusion[0]; },
     [](RareProperties& r, double v) {
         r.extrusion[0] = coordinate(v);
         return true;
     }},
    {220, "extrusion", 0, DxfGroupPlace::OwnSubclass, [](const RareProperties& r) { return r.extrusion[1]; },
     [](RareProperties& r, double v) {
         r.extrusion[1] = coordinate(v);
         return true;
     }},
    {230, "extrusion", 1, DxfGroupPlace::OwnSubclass, [](const RareProperties& r) { return r.extrusion[2]; },
     [](RareProperties& r, double v) {
         r.extrusion[2] = coordinate(v);
         return true;
     }},
};

} // namespace

std::span<const DxfCommonGroup> dxfCommonGroups() { return kRows; }

const DxfCommonGroup& dxfCommonGroup(int code)
{
    return *std::find_if(std::begin(kRows), std::end(kRows),
                         [code](const DxfCommonGroup& g) { return g.code == code; });
}

} // namespace cad
