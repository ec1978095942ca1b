// The boxes of the picked two- and four-rod panels, which their computations and the fall-backs write.
#pragma once

#include "services/panel_io.h"

namespace rods {

// Inputs, then the results: rx, r0, the axis gap, the lowest height and the waist half-width.
enum class TwoRodPickedBox { Height, TargetHeight, TargetRadius, GroundRadius, AxisGap, LowestHeight, WaistHalfWidth };

const services::FieldTable<TwoRodPickedBox>& twoRodPickedBoxes();

// Inputs, then the results: rx, r0, the centre height and the highest points of the two axis sections.
enum class FourRodPickedBox {
    Height,
    TargetHeight,
    Scale,
    Rx,
    R0,
    Lowest,
    LongTopDistance,
    ShortTopDistance,
    LongTopHeight,
    ShortTopHeight
};

const services::FieldTable<FourRodPickedBox>& fourRodPickedBoxes();

// The results beyond rx and r0, which say nothing of rods drawn as a union or one by one.
inline constexpr FourRodPickedBox kFourRodLayoutResults[] = {
    FourRodPickedBox::Lowest, FourRodPickedBox::LongTopDistance, FourRodPickedBox::ShortTopDistance,
    FourRodPickedBox::LongTopHeight, FourRodPickedBox::ShortTopHeight};

} // namespace rods
