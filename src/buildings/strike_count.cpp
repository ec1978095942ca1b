// The strike-count formulas, with the box to blame when a Double overflows.
#include "buildings/strike_count.h"

#include "geometry/angles.h"

#include <array>
#include <cstddef>
#include <cmath>
#include <initializer_list>
#include <utility>

namespace buildings {

namespace {

using geometry::kPi;

// Square metres to square kilometres, computed as the power the formulas are written with.
double squareMetresToKm2() { return std::pow(10.0, -6); }

using Candidate = std::pair<StrikeField, double>;

// Only large values overflow here (there is no division), so the largest box is the one to correct;
// the first of equal boxes wins.
Candidate largest(std::initializer_list<Candidate> candidates)
{
    const Candidate* best = candidates.begin();
    for (const Candidate& c : candidates) {
        if (c.second > best->second)
            best = &c;
    }
    return *best;
}

} // namespace

std::optional<ShapeBoxes> shapeBoxes(int index)
{
    static constexpr std::array<ShapeBoxes, 3> table = {{
        {false, true, true, true, false, false},   // cuboid
        {false, false, false, false, true, true},  // cylinder
        {true, false, false, false, false, false}, // special shape
    }};
    if (index < 0 || index >= static_cast<int>(table.size()))
        return std::nullopt;
    return table[static_cast<std::size_t>(index)];
}

double correctionFactor(int adjustIndex)
{
    switch (adjustIndex) {
    case 0: return 1;
    case 1: return 1.7;
    case 2: return 1.5;
    case 3: return 2;
    default: return 0;
    }
}

double groundFlashDensity(double thunderDays) { return 0.024 * std::pow(thunderDays, 1.3); }

double cuboidArea(double length, double width, double height)
{
    if (height < 100) {
        const double band = height * (200 - height);
        return (length * width + 2 * (length + width) * std::sqrt(band) + kPi * band) * squareMetresToKm2();
    }
    return (length * width + 2 * height * (length + width) + kPi * height * height) * squareMetresToKm2();
}

double cylinderArea(double radius, double height)
{
    if (height < 100) {
        const double reach = std::sqrt(height * (200 - height)) + radius;
        return kPi * reach * reach * squareMetresToKm2();
    }
    return kPi * (radius + height) * (radius + height) * squareMetresToKm2();
}

double specialArea(double areaSquareMetres) { return areaSquareMetres * squareMetresToKm2(); }

StrikeCount strikeCount(double thunderDays, const BuildingDimensions& b, double k)
{
    const double ng = groundFlashDensity(thunderDays);
    if (!std::isfinite(ng))
        return {0, StrikeField::ThunderDays};

    double ae = 0;
    Candidate biggest{StrikeField::Area, b.area};
    switch (b.shape) {
    case BuildingShape::Cuboid:
        ae = cuboidArea(b.length, b.width, b.cuboidHeight);
        biggest = largest({{StrikeField::Length, b.length},
                           {StrikeField::Width, b.width},
                           {StrikeField::CuboidHeight, b.cuboidHeight}});
        break;
    case BuildingShape::Cylinder:
        ae = cylinderArea(b.radius, b.cylinderHeight);
        biggest = largest({{StrikeField::Radius, b.radius}, {StrikeField::CylinderHeight, b.cylinderHeight}});
        break;
    case BuildingShape::Special:
        ae = specialArea(b.area);
        break;
    }
    if (!std::isfinite(ae))
        return {0, biggest.first};

    const double n = k * ng * ae;
    if (!std::isfinite(n))
        return {0, largest({{StrikeField::ThunderDays, thunderDays}, biggest}).first};
    return {n, std::nullopt};
}

} // namespace buildings
