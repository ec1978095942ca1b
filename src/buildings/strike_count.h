// The expected annual lightning strikes of a building: flash density, collection area, correction factor.
#pragma once

#include <optional>

namespace buildings {

// The option buttons optShape(0..2).
enum class BuildingShape { Cuboid = 0, Cylinder = 1, Special = 2 };

// The boxes of the strike-count panel that a calculation reads.
enum class StrikeField { ThunderDays, Length, Width, CuboidHeight, Radius, CylinderHeight, Area };

// Which dimension boxes the shape selector enables for a shape.
struct ShapeBoxes {
    bool area;
    bool length;
    bool width;
    bool cuboidHeight;   // txtAltitude(0)
    bool cylinderHeight; // txtAltitude(1)
    bool radius;
};

// The boxes enabled for optShape(index); nothing for an index that is no shape.
std::optional<ShapeBoxes> shapeBoxes(int index);

// k for optAdjust(index): 1, 1.7, 1.5, 2; 0 for any other index (no factor chosen).
double correctionFactor(int adjustIndex);

// Ng = 0.024 × Td^1.3, flashes per km² and year.
double groundFlashDensity(double thunderDays);

// Equivalent collection areas in km²; lengths in metres, area in m².
double cuboidArea(double length, double width, double height);
double cylinderArea(double radius, double height);
double specialArea(double areaSquareMetres);

// The dimensions of the chosen shape; only those of the shape are read.
struct BuildingDimensions {
    BuildingShape shape = BuildingShape::Cuboid;
    double length = 0, width = 0, cuboidHeight = 0; // cuboid
    double radius = 0, cylinderHeight = 0;          // cylinder
    double area = 0;                                // special, m²
};

// N = k × Ng × Ae, or the box to blame when a Double overflows on the way (never inf or nan).
struct StrikeCount {
    double strikes = 0;
    std::optional<StrikeField> overflow;
};
StrikeCount strikeCount(double thunderDays, const BuildingDimensions& building, double k);

// The tip-line text of a result: "该建(构)筑物预计年落雷次数: " & formatted N & "(次/年)".
inline constexpr const char* kStrikeCountLabel = "该建(构)筑物预计年落雷次数: ";
inline constexpr const char* kStrikeCountUnit = "(次/年)";

} // namespace buildings
