// The equivalent diameter of the electrode's steel section, from its sizes in millimetres.
#pragma once

#include <optional>

namespace earthing {

// The pictures imgType(0..3) of the steel-type frame.
enum class SteelSection { CircularBar = 0, Pipe = 1, Flat = 2, Angle = 3 };

// d in metres, or the size box (txtType index 0..4) to blame when the sizes give no usable
// diameter (a Double overflowing or underflowing to 0 on the way).
struct EquivalentDiameter {
    double metres = 0;
    std::optional<int> faultBox;
};

// The size box (txtType index) to blame for a diameter out of range: the section's box, or for the
// angle steel whichever leg lies farther from 1 in order of magnitude.
int diameterBox(SteelSection section, double sizeA, double sizeB = 0);

// sizeA is the section's first box (d, b or b1); sizeB only matters for the angle steel (b2).
EquivalentDiameter equivalentDiameter(SteelSection section, double sizeA, double sizeB = 0);

// The size boxes a section reads, in test order, and each box's message.
struct SizeBox {
    int index;
    const char* message;
};
int sizeBoxCount(SteelSection section);
SizeBox sizeBox(SteelSection section, int n);

} // namespace earthing
