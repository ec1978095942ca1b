// The layout blocks kept beside the plan: those dxflib's block records and layout objects describe.
#pragma once

#include <string>

namespace cad {

// The first layout (its entities stand in the ENTITIES section, flagged as paper space) and the
// second (its entities stand in its block). Entities of further layouts are not kept.
inline constexpr const char* kLayoutBlocks[] = {"*Paper_Space", "*Paper_Space0"};

// A layout as it is written: the block it stands in (one of kLayoutBlocks), its name as written
// and the position of its tab (1 is the first).
struct DxfLayoutOut {
    std::string block;
    std::string name;
    int tab = 0;
};

} // namespace cad
