// The earthing-resistance formulas, guarded against results no Double or no electrode can have.
#include "earthing/resistance.h"

#include "earthing/magnitude.h"
#include "geometry/angles.h"
#include "services/numeric_routines.h"

#include <cmath>

namespace earthing {

namespace {

using geometry::kTwoPi;
using services::Ln;
using F = EarthingField;

// A calculation that left the range of a Double: blame the input farthest from 1 in magnitude.
Resistance overflow(std::initializer_list<std::pair<EarthingField, double>> inputs)
{
    return {0, farthestFromOne<EarthingField>(inputs)};
}

// Shows 0 rather than -0 when a resistivity of 0 meets a negative logarithm.
Resistance ok(double r) { return {r == 0 ? 0.0 : r, std::nullopt}; }

} // namespace

Resistance verticalResistance(double rho, double length, double d)
{
    const double ratio = 8 * length / d;
    if (!std::isfinite(ratio) || ratio <= 0)
        return overflow({{F::Resistivity, rho}, {F::Length, length}, {F::Diameter, d}});
    const double r = (Ln(ratio) - 1) * rho / (kTwoPi * length);
    if (!std::isfinite(r))
        return overflow({{F::Resistivity, rho}, {F::Length, length}, {F::Diameter, d}});
    if (r < 0)
        return {0, F::Length};
    return ok(r);
}

Resistance horizontalResistance(double rho, double length, double depth, double d, double a)
{
    const double ratio = length * length / (depth * d);
    if (!std::isfinite(ratio) || ratio <= 0)
        return overflow({{F::Resistivity, rho}, {F::Length, length}, {F::Depth, depth}, {F::Diameter, d}});
    const double r = (Ln(ratio) + a) * rho / (kTwoPi * length);
    if (!std::isfinite(r))
        return overflow({{F::Resistivity, rho}, {F::Length, length}, {F::Depth, depth}, {F::Diameter, d}});
    if (r < 0)
        return {0, F::Length};
    return ok(r);
}

GridParts gridParts(double rho, double area, double depth, double perimeter, double length, double d)
{
    const double q = std::sqrt(area);
    GridParts p;
    p.a1 = (3 * Ln(perimeter / q) - 0.2) * q / perimeter;
    p.b = 1 / (4.6 * depth / q + 1);
    p.re = 0.213 * rho * (p.b + 1) / q + (Ln(area / (9 * depth * d)) - 5 * p.b) * rho / (kTwoPi * length);
    return p;
}

Resistance gridResistance(double rho, double area, double depth, double perimeter, double length, double d)
{
    const auto blame = [&] {
        return overflow({{F::Resistivity, rho},
                         {F::Area, area},
                         {F::Depth, depth},
                         {F::Perimeter, perimeter},
                         {F::Length, length},
                         {F::Diameter, d}});
    };
    const double q = std::sqrt(area);
    const double perimeterRatio = perimeter / q;
    const double areaRatio = area / (9 * depth * d);
    if (!std::isfinite(perimeterRatio) || perimeterRatio <= 0 || !std::isfinite(areaRatio) || areaRatio <= 0)
        return blame();
    const GridParts p = gridParts(rho, area, depth, perimeter, length, d);
    const double r = p.a1 * p.re;
    if (!std::isfinite(p.a1) || !std::isfinite(p.re) || !std::isfinite(r))
        return blame();
    // Either factor negative is a grid the formula does not hold for, even when both are and R looks fine.
    if (p.a1 < 0)
        return {0, F::Perimeter};
    if (p.re < 0)
        return {0, F::Area};
    return ok(r);
}

TowerLayout towerLayout(TowerArrangement arrangement, double l1, double l2)
{
    switch (arrangement) {
    case TowerArrangement::SteelTower: return {1.76, 4 * (l1 + l2)};
    case TowerArrangement::RadialPole: return {2, 4 * l1 + l2};
    case TowerArrangement::RingPole: return {1, l1 == 0 ? 8 * l2 : 4 * l1};
    }
    return {};
}

Resistance towerResistance(TowerArrangement arrangement, double rho, double depth, double l1, double l2, double d)
{
    const auto blame = [&] {
        return overflow({{F::Resistivity, rho}, {F::Depth, depth}, {F::L1, l1}, {F::L2, l2}, {F::Diameter, d}});
    };
    const TowerLayout t = towerLayout(arrangement, l1, l2);
    const double ratio = t.length * t.length / (depth * d);
    if (!std::isfinite(ratio) || ratio <= 0)
        return blame();
    const double r = (Ln(ratio) + t.coefficient) * rho / (kTwoPi * t.length);
    if (!std::isfinite(r))
        return blame();
    // The tower keeps its clamp: a negative value is shown as 0, not reported.
    return ok(r < 0 ? 0 : r);
}

const char* resistanceLabel(int index)
{
    switch (index) {
    case 0: return "垂直接地极的工频接地电阻: ";
    case 1: return "水平接地极的工频接地电阻: ";
    case 2: return "闭合接地网的工频接地电阻: ";
    case 3: return "杆塔水平接地装置的工频接地电阻: ";
    default: return "";
    }
}

} // namespace earthing
