// A point of the drawing: x, y, z in drawing units, indexed 0 to 2.
#pragma once

#include <array>

namespace cad {

using Point = std::array<double, 3>;

} // namespace cad
