// The layout blocks kept beside the plan: those dxflib's block records and layout objects describe.
#pragma once

namespace cad {

// The first layout (its entities stand in the ENTITIES section, flagged as paper space) and the
// second (its entities stand in its block). Entities of further layouts are not kept.
inline constexpr const char* kLayoutBlocks[] = {"*Paper_Space", "*Paper_Space0"};

} // namespace cad
