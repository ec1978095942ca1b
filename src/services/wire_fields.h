// The boxes of the four overhead-wire panels, written once for their input checks and their computation.
#pragma once

#include "services/panel_io.h"

namespace services {

// The one-wire panels: inputs (the picked panel has no Length), the class combo and the results bx, bo, h0.
enum class OneStripBox { Height, Length, Sag, Target, Scale, Class, TargetWidth, GroundWidth, ZoneTop };

// The two-wire panels: inputs (the picked panel has no Length and no Spacing), the class combo and the
// five results bx, bo, h0, the mid-line shift and the minimum width.
enum class TwoWireBox {
    Height,
    Length,
    Sag,
    Spacing,
    Target,
    Scale,
    Class,
    TargetHalfWidth,
    GroundHalfWidth,
    LowestHeight,
    MidlineShift,
    MinHalfWidth
};

// Each table lists the inputs in the order the panel's check tests them, then Class, then the results.
const FieldTable<OneStripBox>& typedOneStripBoxes();
const FieldTable<OneStripBox>& pickedOneStripBoxes();
const FieldTable<TwoWireBox>& typedTwoWireBoxes();
const FieldTable<TwoWireBox>& pickedTwoWireBoxes();

// The drawing check boxes of the two picked panels.
const FieldTable<DrawingTick>& pickedOneStripTicks();
const FieldTable<DrawingTick>& pickedTwoWireTicks();

} // namespace services
