// The equilateral rod triangle of the picked three-rod command.
#include "rods/three_rod_triangle.h"

#include "geometry/plan_geometry.h"

#include <cmath>
#include <utility>

namespace rods {

namespace {

// Without rounding the order holds after at most four passes (one swap each of first/second,
// first/third and second/third); the corner swaps by x stop after this many passes.
constexpr int kOrderPasses = 4;
// Turn-only passes after that: a swap of the last two corners puts the rebuilt apex on the left.
constexpr int kMaxPasses = kOrderPasses + 2;

double planSpacing(const cad::Point& a, const cad::Point& b, double scale)
{
    const double dx = std::abs(b[0] - a[0]);
    const double dy = std::abs(b[1] - a[1]);
    return std::sqrt(dx * dx + dy * dy) / scale / 1000.0;
}

} // namespace

std::optional<cad::Point> TriangleApex(const cad::Point& first, const cad::Point& second, const cad::Point& sidePoint,
                                       double scale)
{
    // The side is told by the exact side test alone: a test on the direction angle against bounds
    // of the truncated pi misjudges lines that point almost straight down.
    const QString side = geometry::SideOfLine(first, second, sidePoint);
    if (side == geometry::kAbove)
        return std::nullopt;
    const double dx = second[0] - first[0];
    const double dy = second[1] - first[1];
    const double length = std::sqrt(dx * dx + dy * dy);
    // The triangle's height D·√0.75 in drawing units, D in metres.
    const double height = planSpacing(first, second, scale) * std::sqrt(0.75) * (1000.0 * scale);
    const double sign = side == geometry::kLeft ? 1.0 : -1.0;
    return cad::Point{(first[0] + second[0]) / 2.0 - sign * height * dy / length,
                      (first[1] + second[1]) / 2.0 + sign * height * dx / length, (first[2] + second[2]) / 2.0};
}

std::optional<RodTriangle> OrderedRodTriangle(const cad::Point& first, const cad::Point& second,
                                              const cad::Point& sidePoint, double scale)
{
    RodTriangle t{first, second, sidePoint};
    for (int pass = 1; pass <= kMaxPasses; ++pass) {
        t.angle = geometry::DirectionAngle(t.rod0, t.rod1);
        t.spacing = planSpacing(t.rod0, t.rod1, scale);
        const auto apex = TriangleApex(t.rod0, t.rod1, t.rod2, scale);
        if (!apex)
            return std::nullopt;
        t.rod2 = *apex;
        if (pass < kOrderPasses && t.rod0[0] > t.rod1[0]) {
            std::swap(t.rod0, t.rod1);
            continue;
        }
        if (pass < kOrderPasses && t.rod0[0] > t.rod2[0]) {
            std::swap(t.rod0, t.rod2);
            continue;
        }
        if (pass < kMaxPasses && geometry::SideOfLine(t.rod0, t.rod1, t.rod2) == geometry::kRight) {
            std::swap(t.rod1, t.rod2);
            continue;
        }
        break;
    }
    return t;
}

} // namespace rods
