// Crossings of every pair of line, circle and arc, as they stand and extended, including tangency.
#include "platform/cad/geometry/geometry_intersect.h"
#include "platform/cad/geometry/geometry_tolerance.h"

#include <gtest/gtest.h>
#include <cmath>
#include <string>

using namespace cad;
using namespace cad::geom;

namespace {

constexpr double kPi = 3.14159265358979323846;
double deg(double d) { return d * kPi / 180; }

Segment seg(double x1, double y1, double x2, double y2) { return {{x1, y1, 0}, {x2, y2, 0}}; }
CircleArc circle(double x, double y, double r) { return {{x, y, 0}, r, 0, 0, true}; }
CircleArc arc(double x, double y, double r, double s, double e) { return {{x, y, 0}, r, deg(s), deg(e), false}; }

struct Case {
    std::string name;
    Curve a, b;
    std::vector<Point> option0, option3;
};

// Order-insensitive comparison; crossings are expected to 1e-12.
void expectPoints(const std::vector<double>& flat, const std::vector<Point>& expected, const std::string& what)
{
    ASSERT_EQ(flat.size() % 3, 0u) << what;
    ASSERT_EQ(flat.size() / 3, expected.size()) << what;
    std::vector<bool> used(expected.size());
    for (std::size_t i = 0; i < flat.size(); i += 3) {
        bool found = false;
        for (std::size_t k = 0; k < expected.size() && !found; ++k)
            if (!used[k] && std::abs(flat[i] - expected[k][0]) < 1e-12 && std::abs(flat[i + 1] - expected[k][1]) < 1e-12
                && std::abs(flat[i + 2] - expected[k][2]) < 1e-12)
                used[k] = found = true;
        EXPECT_TRUE(found) << what << ": unexpected (" << flat[i] << ", " << flat[i + 1] << ")";
    }
}

const double s45 = std::sqrt(12.5);   // 5 / sqrt(2)

const std::vector<Case> kCases = {
    // line / line
    {"lines crossing", seg(0, 0, 10, 10), seg(0, 10, 10, 0), {{5, 5, 0}}, {{5, 5, 0}}},
    {"lines short of each other", seg(0, 0, 1, 1), seg(0, 10, 10, 0), {}, {{5, 5, 0}}},
    {"lines meeting at an end", seg(0, 0, 5, 5), seg(5, 5, 10, 0), {{5, 5, 0}}, {{5, 5, 0}}},
    {"parallel lines", seg(0, 0, 10, 0), seg(0, 1, 10, 1), {}, {}},
    {"collinear overlapping lines", seg(0, 0, 10, 0), seg(5, 0, 15, 0), {}, {}},
    {"zero-length line", seg(3, 3, 3, 3), seg(0, 0, 10, 10), {}, {}},
    // line / circle
    {"line through a circle", seg(-10, 0, 10, 0), circle(0, 0, 5), {{-5, 0, 0}, {5, 0, 0}}, {{-5, 0, 0}, {5, 0, 0}}},
    {"line tangent to a circle", seg(-10, 5, 10, 5), circle(0, 0, 5), {{0, 5, 0}}, {{0, 5, 0}}},
    {"line within tolerance of tangency", seg(-10, 5 + 1e-12, 10, 5 + 1e-12), circle(0, 0, 5), {{0, 5 + 1e-12, 0}}, {{0, 5 + 1e-12, 0}}},
    {"line clear of a circle", seg(-10, 6, 10, 6), circle(0, 0, 5), {}, {}},
    {"segment inside a circle", seg(-1, 0, 1, 0), circle(0, 0, 5), {}, {{-5, 0, 0}, {5, 0, 0}}},
    {"zero-length line at a circle", seg(5, 0, 5, 0), circle(0, 0, 5), {}, {}},
    // line / arc
    {"line across a quarter arc", seg(3, -10, 3, 10), arc(0, 0, 5, 0, 90), {{3, 4, 0}}, {{3, 4, 0}, {3, -4, 0}}},
    {"line across an arc through 0", seg(4, -10, 4, 10), arc(0, 0, 5, 315, 45), {{4, 3, 0}, {4, -3, 0}}, {{4, 3, 0}, {4, -3, 0}}},
    {"line behind an arc through 0", seg(-4, -10, -4, 10), arc(0, 0, 5, 315, 45), {}, {{-4, 3, 0}, {-4, -3, 0}}},
    {"arc first, line second", arc(0, 0, 5, 0, 90), seg(3, -10, 3, 10), {{3, 4, 0}}, {{3, 4, 0}, {3, -4, 0}}},
    {"line touching an arc end", seg(5, -1, 5, 1), arc(0, 0, 5, 0, 90), {{5, 0, 0}}, {{5, 0, 0}}},
    // circle / circle
    {"circles crossing", circle(0, 0, 5), circle(8, 0, 5), {{4, 3, 0}, {4, -3, 0}}, {{4, 3, 0}, {4, -3, 0}}},
    {"circles touching outside", circle(0, 0, 5), circle(10, 0, 5), {{5, 0, 0}}, {{5, 0, 0}}},
    {"circles touching inside", circle(0, 0, 5), circle(2, 0, 3), {{5, 0, 0}}, {{5, 0, 0}}},
    {"small circle touching inside", circle(2, 0, 3), circle(0, 0, 5), {{5, 0, 0}}, {{5, 0, 0}}},
    {"circles apart", circle(0, 0, 5), circle(20, 0, 5), {}, {}},
    {"circle inside circle", circle(0, 0, 5), circle(1, 0, 1), {}, {}},
    {"concentric circles", circle(0, 0, 5), circle(0, 0, 3), {}, {}},
    {"identical circles", circle(0, 0, 5), circle(0, 0, 5), {}, {}},
    // arc / circle and arc / arc
    {"arc and circle", arc(0, 0, 5, 0, 90), circle(8, 0, 5), {{4, 3, 0}}, {{4, 3, 0}, {4, -3, 0}}},
    {"arcs crossing once", arc(0, 0, 5, 0, 90), arc(8, 0, 5, 90, 270), {{4, 3, 0}}, {{4, 3, 0}, {4, -3, 0}}},
    {"arc through 0 and arc", arc(0, 0, 5, 300, 60), arc(8, 0, 5, 90, 270), {{4, 3, 0}, {4, -3, 0}}, {{4, 3, 0}, {4, -3, 0}}},
    {"arcs of crossing circles that miss", arc(0, 0, 5, 90, 270), arc(8, 0, 5, 270, 90), {}, {{4, 3, 0}, {4, -3, 0}}},
    {"arcs touching at 45 degrees", arc(0, 0, 5, 0, 90), arc(2 * s45, 2 * s45, 5, 180, 270), {{s45, s45, 0}}, {{s45, s45, 0}}},
};

TEST(GeometryIntersect, PairTablesWithBothOptions)
{
    for (const auto& c : kCases) {
        expectPoints(intersectFlat(c.a, c.b, 0), c.option0, c.name + " (option 0)");
        expectPoints(intersectFlat(c.a, c.b, 3), c.option3, c.name + " (option 3)");
        // Crossings do not depend on which curve asks.
        expectPoints(intersectFlat(c.b, c.a, 0), c.option0, c.name + " (swapped, option 0)");
    }
}

TEST(GeometryIntersect, SingleSidedExtension)
{
    // The short segment reaches the long one only when it is extended.
    const Segment shortOne = seg(0, 0, 1, 1), longOne = seg(0, 10, 10, 0);
    expectPoints(intersectFlat(shortOne, longOne, 1), {{5, 5, 0}}, "first extended");
    expectPoints(intersectFlat(shortOne, longOne, 2), {}, "second extended");
    expectPoints(intersectFlat(longOne, shortOne, 2), {{5, 5, 0}}, "second extended, swapped");
}

TEST(GeometryIntersect, ZOfTheFirstCurve)
{
    const Segment a{{0, 0, 0}, {10, 10, 10}};
    const CircleArc c{{5, 5, 7}, 1, 0, 0, true};
    auto flat = intersectFlat(a, seg(0, 10, 10, 0), 0);
    ASSERT_EQ(flat.size(), 3u);
    EXPECT_DOUBLE_EQ(flat[2], 5);   // interpolated along the line
    flat = intersectFlat(c, seg(0, 5, 10, 5), 0);
    ASSERT_EQ(flat.size(), 6u);
    EXPECT_DOUBLE_EQ(flat[2], 7);
}

TEST(GeometryIntersect, LargeCoordinatesKeepTheirPrecision)
{
    // A site plan far from the origin: crossings stay exact to the last digits that matter.
    const double x0 = 3.5e5, y0 = 2.8e6;
    auto flat = intersectFlat(circle(x0, y0, 5), circle(x0 + 8, y0, 5), 0);
    ASSERT_EQ(flat.size(), 6u);
    EXPECT_NEAR(flat[0], x0 + 4, 1e-8);
    EXPECT_NEAR(std::abs(flat[1] - y0), 3, 1e-8);
}

} // namespace
