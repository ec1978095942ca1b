// Entities given in a mirrored coordinate system (extrusion (0, 0, -1)) turned into the world and back.
#pragma once

#include "platform/cad/model/entity_data.h"

namespace cad {

// Which way an entity's extrusion direction points: the drawing's up (the default), down (a
// mirrored entity), or out of the plan's plane. Up and down include directions off the axis by
// rounding (other programs write such), placed by the rule of the axis.
enum class Facing : std::uint8_t { Up, Down, Tilted };
Facing facing(const Point& extrusion);
// True when an entity facing up or down (given in its own coordinates) stands in the plan, by the
// rule of the axis, within rounding of where DXF's exact rule for its direction puts it.
bool standsAlongAxis(const EntityData& e);
// True when the entity's coordinates stand in the system of extrusion (0, 0, -1) in its file.
inline bool facesDown(const EntityData& e) { return e.rare && facing(e.rare->extrusion) == Facing::Down; }

// The points, bulges, scales and text flags of an entity between the coordinate system of
// extrusion (0, 0, -1) and the world, either way (the change is its own inverse: x -> -x, z -> -z,
// as DXF's arbitrary axis rule gives for that direction). Angles are left to the caller, who turns
// them in the degrees the file holds (see the functions below; a text's rotation is negated), so that
// they read back as written.
void mirrorAcrossPlan(EntityData& e);

// A direction (degrees) between the two systems: its x part reverses (180 - a), kept within [0, 360)
// for one given there, as files give them, so that it is written back in the range it was read.
double mirrorDegrees(double a);
// An arc's start and end angle (degrees), between the two systems: the sense of turning reverses.
void mirrorArcDegrees(double& start, double& end);
// A block reference's rotation (degrees): its x axis points the other way, its y axis (scale) flips.
inline double mirrorInsertDegrees(double rotation) { return mirrorDegrees(rotation); }

} // namespace cad
