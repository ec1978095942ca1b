// Entities given in a mirrored coordinate system (extrusion (0, 0, -1)) turned into the world and back.
#include "platform/cad/dxf/dxf_extrusion.h"

#include <cmath>
#include <utility>

namespace cad {

namespace {

void mirror(Point& p)
{
    p[0] = -p[0];
    p[2] = -p[2];
}

// Generation flag of a text drawn backwards (mirrored in its own x direction).
constexpr std::uint8_t kTextBackward = 2;

} // namespace

Facing facing(const Point& n)
{
    const double length = std::hypot(n[0], n[1], n[2]);
    if (!(length > 0) || !std::isfinite(length))
        return Facing::Up; // no direction at all: taken as the default, as other readers do
    // Off the axis by far less than any drawing can show: a direction written with rounding.
    constexpr double kAlongAxis = 1e-9;
    if (std::abs(n[0]) > kAlongAxis * length || std::abs(n[1]) > kAlongAxis * length)
        return Facing::Tilted;
    return n[2] > 0 ? Facing::Up : Facing::Down;
}

void mirrorAcrossPlan(EntityData& e)
{
    switch (e.kind) {
    case EntityKind::Line:
    case EntityKind::MText:
        return; // their points are world points whatever their direction
    case EntityKind::Arc:
    case EntityKind::Circle:
        mirror(e.center);
        return;
    case EntityKind::Text:
        mirror(e.insertion);
        mirror(e.alignment);
        e.rare.edit().textFlags ^= kTextBackward;
        return;
    case EntityKind::Insert:
        mirror(e.insertion);
        e.scaleY = -e.scaleY;
        e.scaleZ = -e.scaleZ;
        e.rowSpacing = -e.rowSpacing;
        return;
    case EntityKind::Polyline:
        for (PolyVertex& v : e.vertices) {
            v.x = -v.x;
            v.bulge = -v.bulge;
        }
        e.elevation = -e.elevation;
        return;
    }
}

void mirrorArcDegrees(double& start, double& end)
{
    const double s = start;
    start = 180 - end;
    end = 180 - s;
}

} // namespace cad
