// Small routines on entities filed by handle: is it still there, and lengthening a line or an arc.
#pragma once

#include "platform/automation/errors_resumed.h"
#include "services/acad_refs.h"

namespace geometry {

using services::EntityHandle;

// True when the active drawing of g_acadApp holds an entity with that handle; false for kNoEntity,
// an erased entity, or no connection. Never throws, and returns with no failure pending, the caller's included.
bool HandleExists(const EntityHandle& handle);

// Lengthens a line or an arc by delta at its start (mode 0), its end (1) or both (2); other modes move
// nothing. A line's moved ends go outward by delta on each axis on which the ends differ (drawing
// units); an arc's angles move outward by delta radians. True when the handle names a line or an arc
// (even if writing failed); false for anything else. Never throws.
bool ExtendEntity(const EntityHandle& handle, short mode, double delta);

} // namespace geometry
