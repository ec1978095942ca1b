// The boxes of the picked two- and four-rod panels, which their computations and the fall-backs write.
#include "rods/picked_rod_boxes.h"

#include "rods/picked_panels.h"
#include "services/rod_fields.h"

namespace rods {

const services::FieldTable<TwoRodPickedBox>& twoRodPickedBoxes()
{
    using B = TwoRodPickedBox;
    using services::RodInput;
    const services::FieldTable<RodInput> in = services::rodInputs(kTwoRodPickedPanel.inputs);
    const QString& out = kTwoRodPickedPanel.results;
    static const services::FieldTable<B> table{
        {B::Height, in[RodInput::Height]}, {B::TargetHeight, in[RodInput::TargetHeight]},
        {B::TargetRadius, {out, 0, {}}},   {B::GroundRadius, {out, 1, {}}},
        {B::AxisGap, {out, 2, {}}},        {B::LowestHeight, {out, 3, {}}},
        {B::WaistHalfWidth, {out, 4, {}}},
    };
    return table;
}

const services::FieldTable<FourRodPickedBox>& fourRodPickedBoxes()
{
    using B = FourRodPickedBox;
    using services::RodInput;
    const services::FieldTable<RodInput> in = services::rodInputs(kFourRodPickedPanel.inputs);
    const QString& out = kFourRodPickedPanel.results;
    static const services::FieldTable<B> table{
        {B::Height, in[RodInput::Height]},
        {B::TargetHeight, in[RodInput::TargetHeight]},
        {B::Scale, in[RodInput::Scale]},
        {B::Rx, {out, 0, {}}},
        {B::R0, {out, 1, {}}},
        {B::Lowest, {out, 2, {}}},
        {B::LongTopDistance, {out, 3, {}}},
        {B::ShortTopDistance, {out, 4, {}}},
        {B::LongTopHeight, {out, 5, {}}},
        {B::ShortTopHeight, {out, 6, {}}},
    };
    return table;
}

} // namespace rods
