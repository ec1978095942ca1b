// Entities given in a mirrored coordinate system (extrusion (0, 0, -1)) turned into the world and back.
#include "platform/cad/dxf/dxf_extrusion.h"

#include "platform/cad/geometry/geometry_tolerance.h"
#include "platform/cad/model/document_model.h"

#include <algorithm>
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
    // On the axis, as nearly every file gives it: no lengths to work out.
    if (n[0] == 0 && n[1] == 0 && std::isfinite(n[2]))
        return n[2] < 0 ? Facing::Down : Facing::Up;
    const double length = std::hypot(n[0], n[1], n[2]);
    if (!(length > 0) || !std::isfinite(length))
        return Facing::Up; // no direction at all: taken as the default, as other readers do
    // Off the axis by so little that a direction written with rounding may be meant; whether the
    // entity stands where the axis puts it is for standsAlongAxis() to say.
    constexpr double kNearAxis = 1e-4;
    if (std::hypot(n[0], n[1]) > kNearAxis * length)
        return Facing::Tilted;
    return n[2] > 0 ? Facing::Up : Facing::Down;
}

namespace {

// The height of an entity's points in its own coordinate system.
double ownHeight(const EntityData& e)
{
    switch (e.kind) {
    case EntityKind::Line:
        return std::max(std::abs(e.start[2]), std::abs(e.end[2]));
    case EntityKind::Arc:
    case EntityKind::Circle:
        return std::abs(e.center[2]);
    case EntityKind::Text:
        return std::max(std::abs(e.insertion[2]), std::abs(e.alignment[2]));
    case EntityKind::MText:
    case EntityKind::Insert:
        return std::abs(e.insertion[2]);
    case EntityKind::Polyline:
        return std::abs(e.elevation);
    }
    return 0;
}

} // namespace

// For a direction at an angle s off the axis, the exact rule turns the entity's system by s: a
// point at distance r from the axis and height h moves in the plan by about h s + r s^2 / 2.
bool standsAlongAxis(const EntityData& e)
{
    const Point& n = e.rare->extrusion;
    if (n[0] == 0 && n[1] == 0)
        return true; // on the axis: the rule of the axis is DXF's exact rule
    const double s = std::hypot(n[0], n[1]) / std::hypot(n[0], n[1], n[2]);
    if (!(s > 0))
        return true;
    const Box b = boundingBox(e);
    const double reach = std::max({std::abs(b.minX), std::abs(b.maxX), std::abs(b.minY), std::abs(b.maxY)});
    const double height = ownHeight(e);
    return height * s + reach * s * s / 2 <= tolerance::length(std::max(reach, height));
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

double mirrorDegrees(double a) { return a > 180 ? 540 - a : 180 - a; }

void mirrorArcDegrees(double& start, double& end)
{
    const double s = start;
    start = mirrorDegrees(end);
    end = mirrorDegrees(s);
}

} // namespace cad
