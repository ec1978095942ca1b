// The layout blocks kept beside the plan: those dxflib's block records and layout objects describe.
#pragma once

#include "platform/cad/model/document_model.h"

#include <QString>
#include <QStringView>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace cad {

// The first layout (its entities stand in the ENTITIES section, flagged as paper space) and the
// second (its entities stand in its block). Entities of further layouts are not kept.
inline constexpr const char* kLayoutBlocks[] = {"*Paper_Space", "*Paper_Space0"};
// The plan's own block, as it is written.
inline constexpr char kWritersModelBlock[] = "*Model_Space";

// A layout as it is written: the block it stands in (one of kLayoutBlocks), its name as written
// and the position of its tab (1 is the first).
struct DxfLayoutOut {
    std::string block;
    std::string name;
    int tab = 0;
};

// What a block name stands for, in any case: the plan itself (*Model_Space, in R12 $MODEL_SPACE),
// a layout (*Paper_Space, *Paper_Space0, ..., in R12 $PAPER_SPACE) or a block of its own.
enum class LayoutBlock : std::uint8_t { None, Model, Paper };
LayoutBlock layoutBlockOf(QStringView name);

// The names the kept layouts are written with, in the order of kLayoutBlocks: each its own, unless
// empty or taken ("Model" is the plan's tab, and two layouts of one name would make the dictionary
// of layouts ambiguous); such a layout takes the first free default name.
std::array<QString, std::size(kLayoutBlocks)> writtenLayoutNames(const std::vector<LayoutData>& layouts);

} // namespace cad
