// The colour indexes of the drawings: what each range, line and title is drawn in.
#pragma once

namespace services {

constexpr short kColorGround = 1;        // ranges at ground level, rods, section arcs and rod lines
constexpr short kColorTarget = 6;        // ranges at the height of the protected object
constexpr short kColorSectionLine = 7;   // ground and target-height lines of section views
constexpr short kColorTitle = 3;         // titles of section views

} // namespace services
