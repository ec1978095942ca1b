// The boxes of the rod panels, the rod-height panel and the building-outline panel, written once for
// their input checks and their computations.
#pragma once

#include "services/panel_io.h"

namespace services {

// h, hx and the scale, in the same places on the one-rod panel and on every picked rod panel.
enum class RodInput { Height, TargetHeight, Scale };
FieldTable<RodInput> rodInputs(const QString& inputBoxes);

enum class TwoRodBox {
    LowRodHeight,
    HighRodHeight,
    TargetHeight,
    Spacing,
    Scale,
    Class,
    TargetRadius1,
    TargetRadius2,
    GroundRadius1,
    GroundRadius2,
    AxisGap,
    LowestHeight,
    WaistHalfWidth
};
const FieldTable<TwoRodBox>& twoRodBoxes();

// Both three-rod panels: inputs (the picked panel has no Spacing), the class combo and the results rx, r0
// and the centre height.
enum class ThreeRodBox { Height, TargetHeight, Spacing, Scale, Class, TargetRadius, GroundRadius, CentreHeight };
const FieldTable<ThreeRodBox>& typedThreeRodBoxes();

enum class FourRodBox {
    RodHeight,
    TargetHeight,
    LongSide,
    ShortSide,
    Scale,
    Class,
    TargetRadius,
    GroundRadius,
    LowestHeight,
    LongTopDistance,
    ShortTopDistance,
    LongTopHeight,
    ShortTopHeight
};
const FieldTable<FourRodBox>& fourRodBoxes();

enum class RodHeightBox { Distance, TargetHeight, Class, Height };
const FieldTable<RodHeightBox>& rodHeightBoxes();

enum class BuildingBox { Scale, Class };
const FieldTable<BuildingBox>& buildingBoxes();

} // namespace services
