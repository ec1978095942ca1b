// The boxes of the rod panels, the rod-height panel and the building-outline panel, written once for
// their input checks and their computations.
#include "services/rod_fields.h"

#include "services/input_checks_rules.h"

namespace services {

namespace {
PanelField classCombo(int index) { return {QStringLiteral("comClass"), index, {}}; }
} // namespace

FieldTable<RodInput> rodInputs(const QString& inputBoxes)
{
    return {
        {RodInput::Height, {inputBoxes, 0, checks::rodHeightMessage()}},
        {RodInput::TargetHeight, {inputBoxes, 1, checks::targetHeightMessage()}},
        {RodInput::Scale, {inputBoxes, 2, checks::scaleMessage()}},
    };
}

const FieldTable<TwoRodBox>& twoRodBoxes()
{
    using B = TwoRodBox;
    const QString in = QStringLiteral("txtTwoRodIn");
    const QString out = QStringLiteral("txtTwoRodOut");
    static const FieldTable<B> table{
        {B::LowRodHeight, {in, 0, checks::rodHeightMessage()}},
        {B::HighRodHeight, {in, 1, checks::rodHeightMessage()}},
        {B::TargetHeight, {in, 2, checks::targetHeightMessage()}},
        {B::Spacing, {in, 3, checks::rodSpacingMessage()}},
        {B::Scale, {in, 4, checks::scaleMessage()}},
        {B::Class, classCombo(3)},
        {B::TargetRadius1, {out, 0, {}}},
        {B::TargetRadius2, {out, 1, {}}},
        {B::GroundRadius1, {out, 2, {}}},
        {B::GroundRadius2, {out, 3, {}}},
        {B::AxisGap, {out, 4, {}}},
        {B::LowestHeight, {out, 5, {}}},
        {B::WaistHalfWidth, {out, 6, {}}},
    };
    return table;
}

const FieldTable<ThreeRodBox>& typedThreeRodBoxes()
{
    using B = ThreeRodBox;
    const QString in = QStringLiteral("txtThreeRodIn");
    const QString out = QStringLiteral("txtThreeRodOut");
    static const FieldTable<B> table{
        {B::Height, {in, 0, checks::rodHeightMessage()}},
        {B::TargetHeight, {in, 1, checks::targetHeightMessage()}},
        {B::Spacing, {in, 2, checks::rodSpacingMessage()}},
        {B::Scale, {in, 3, checks::scaleMessage()}},
        {B::Class, classCombo(11)},
        {B::TargetRadius, {out, 0, {}}},
        {B::GroundRadius, {out, 1, {}}},
        {B::CentreHeight, {out, 2, {}}},
    };
    return table;
}

const FieldTable<FourRodBox>& fourRodBoxes()
{
    using B = FourRodBox;
    const QString in = QStringLiteral("txtFourRodIn");
    const QString out = QStringLiteral("txtFourRodOut");
    static const FieldTable<B> table{
        {B::RodHeight, {in, 0, checks::rodHeightMessage()}},
        {B::TargetHeight, {in, 1, checks::targetHeightMessage()}},
        {B::LongSide, {in, 2, checks::rodSpacingMessage()}},
        {B::ShortSide, {in, 3, checks::rodSpacingMessage()}},
        {B::Scale, {in, 4, checks::scaleMessage()}},
        {B::Class, classCombo(4)},
        {B::TargetRadius, {out, 0, {}}},
        {B::GroundRadius, {out, 1, {}}},
        {B::LowestHeight, {out, 2, {}}},
        {B::LongTopDistance, {out, 3, {}}},
        {B::ShortTopDistance, {out, 4, {}}},
        {B::LongTopHeight, {out, 5, {}}},
        {B::ShortTopHeight, {out, 6, {}}},
    };
    return table;
}

const FieldTable<RodHeightBox>& rodHeightBoxes()
{
    using B = RodHeightBox;
    static const FieldTable<B> table{
        {B::Distance, {QStringLiteral("txtHeightIn"), 0, QStringLiteral("目标与避雷针的距离数值无效!")}},
        {B::TargetHeight, {QStringLiteral("txtHeightIn"), 1, checks::targetHeightMessage()}},
        {B::Class, classCombo(1)},
        {B::Height, {QStringLiteral("txtHeightOut"), std::nullopt, {}}},
    };
    return table;
}

const FieldTable<BuildingBox>& buildingBoxes()
{
    static const FieldTable<BuildingBox> table{
        {BuildingBox::Scale, {QStringLiteral("txtBuilding"), 0, checks::scaleMessage()}},
        {BuildingBox::Class, classCombo(0)},
    };
    return table;
}

} // namespace services
