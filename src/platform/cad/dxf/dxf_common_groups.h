// The groups any kept kind of entity may carry beyond its layer, colour and line type, one row each,
// so that what makes an entity's record rare, what is read into it and what is written back stay in step.
#pragma once

#include "platform/cad/model/rare_properties.h"

#include <QString>
#include <cstdint>
#include <span>

namespace cad {

// Where a common group is written: with the layer and colour (dxflib writes these from the
// attributes it is given), among the entity's other AcDbEntity groups (which dxflib leaves out), or in
// the kind's own subclass (thickness and direction).
enum class DxfGroupPlace : std::uint8_t { Attributes, Entity, OwnSubclass };

struct DxfCommonGroup {
    std::int16_t code;
    const char* field; // the member of RareProperties it fills
    double byDefault;  // DXF's value when the group is absent, the field's default (a text: empty)
    DxfGroupPlace place;
    // The field as a number (null for a text), and the value read put into it: false when the value
    // cannot be kept as read (the field then holds what other readers make of it).
    double (*number)(const RareProperties& r);
    bool (*read)(RareProperties& r, double value);
    // The field of a text group (the colour name), else null.
    QString RareProperties::*text = nullptr;
};

// Every row, in the order the file gives them.
std::span<const DxfCommonGroup> dxfCommonGroups();
// The row of `code`; the code must be one of the table's.
const DxfCommonGroup& dxfCommonGroup(int code);
// The groups 210, 220 and 230: written all three whenever the direction is not the default.
inline bool isDirectionCode(int code) { return code == 210 || code == 220 || code == 230; }

} // namespace cad
