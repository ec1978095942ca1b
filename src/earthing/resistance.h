// Power-frequency earthing resistance of a vertical electrode, a horizontal electrode, a closed grid
// and a line tower's earthing.
#pragma once

#include "services/earthing_fields.h"

#include <optional>

namespace earthing {

// The inputs of the formulas (their boxes are in services/earthing_fields.h).
using services::EarthingField;

// R in ohms, or the input to report instead: the formula left the range of a Double on its way, or
// gave a negative resistance, which means the electrode lies outside what the formula holds for.
struct Resistance {
    double ohms = 0;
    std::optional<EarthingField> fault;
};

// (ln(8L/d) − 1)·ρ/(2πL); a negative result blames the electrode length.
Resistance verticalResistance(double resistivity, double length, double diameter);

// (ln(L²/(h·d)) + A)·ρ/(2πL) with A the shape coefficient; a negative result blames the total length.
Resistance horizontalResistance(double resistivity, double length, double depth, double diameter,
                                double shapeCoefficient);

// The parts of the closed-grid formula: R = a1 · Re.
struct GridParts {
    double a1 = 0;
    double b = 0;
    double re = 0;
};
GridParts gridParts(double resistivity, double area, double depth, double perimeter, double length,
                    double diameter);
// A negative a1 (a perimeter too short for the area) blames Lo, a negative Re blames S.
Resistance gridResistance(double resistivity, double area, double depth, double perimeter, double length,
                          double diameter);

// The pictures picShape(0..2).
enum class TowerArrangement { SteelTower = 0, RadialPole = 1, RingPole = 2 };

// The arrangement's coefficient At and total electrode length L from L1 and L2.
struct TowerLayout {
    double coefficient = 0;
    double length = 0;
};
TowerLayout towerLayout(TowerArrangement arrangement, double l1, double l2);

// (ln(L²/(h·d)) + At)·ρ/(2πL), a negative value taken as 0.
Resistance towerResistance(TowerArrangement arrangement, double resistivity, double depth, double l1, double l2,
                           double diameter);

// Tip-line labels of the four results, in button order; the value follows with "0.000" and "Ω".
const char* resistanceLabel(int index);
inline constexpr const char* kOhm = "Ω";

} // namespace earthing
