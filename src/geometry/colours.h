// The drawings' colour indexes under the names the drawing code uses; they are defined in services/colours.h.
#pragma once

#include "services/colours.h"

namespace geometry {

using services::kColorGround;
using services::kColorSectionLine;
using services::kColorTarget;
using services::kColorTitle;

} // namespace geometry
