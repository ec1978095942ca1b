// Input checks of the rod panels, the rod-height panel and the building-outline panel.
#include "services/input_checks.h"

#include "services/input_checks_rules.h"
#include "services/rod_fields.h"

namespace services {

using checks::Rules;

namespace {

// One rod and the picked two-, three- and four-rod panels: height, target height, scale.
bool checkRodTargetScale(Form& form, const QString& inputBoxes)
{
    const FieldTable<RodInput> f = rodInputs(inputBoxes);
    Rules r(form);
    if (!r.nonNegative(f[RodInput::Height]))
        return false;
    if (!r.nonNegative(f[RodInput::TargetHeight]))
        return false;
    if (r.value(f[RodInput::Height]) < r.value(f[RodInput::TargetHeight]))
        return r.fail(f[RodInput::TargetHeight], checks::targetAboveRodMessage());
    return r.scale(f[RodInput::Scale]);
}

} // namespace

bool CheckOneRodInput(Form& form)
{
    return checkRodTargetScale(form, QStringLiteral("txtOneRodIn"));
}

bool CheckTwoRodPickedInput(Form& form)
{
    return checkRodTargetScale(form, QStringLiteral("txtTwoRodPickedIn"));
}

bool CheckThreeRodPickedInput(Form& form)
{
    return checkRodTargetScale(form, QStringLiteral("txtThreeRodPickedIn"));
}

bool CheckFourRodPickedInput(Form& form)
{
    return checkRodTargetScale(form, QStringLiteral("txtFourRodPickedIn"));
}

bool CheckHeightInput(Form& form)
{
    using B = RodHeightBox;
    const FieldTable<B>& f = rodHeightBoxes();
    Rules r(form);
    return r.nonNegative(f[B::Distance]) && r.nonNegative(f[B::TargetHeight]);
}

bool CheckTwoRodInput(Form& form)
{
    using B = TwoRodBox;
    const FieldTable<B>& f = twoRodBoxes();
    Rules r(form);
    if (!r.nonNegative(f[B::LowRodHeight]) || !r.nonNegative(f[B::HighRodHeight]) || !r.nonNegative(f[B::TargetHeight])
        || !r.positive(f[B::Spacing]))
        return false;
    const double targetHeight = r.value(f[B::TargetHeight]);
    if (r.value(f[B::LowRodHeight]) < targetHeight || r.value(f[B::HighRodHeight]) < targetHeight)
        return r.fail(f[B::TargetHeight], checks::targetAboveRodMessage());
    if (r.value(f[B::HighRodHeight]) < r.value(f[B::LowRodHeight]))
        return r.fail(f[B::LowRodHeight], QStringLiteral("高、低避雷针的数值输入错位!"));
    return r.scale(f[B::Scale]);
}

bool CheckThreeRodInput(Form& form)
{
    using B = ThreeRodBox;
    const FieldTable<B>& f = typedThreeRodBoxes();
    Rules r(form);
    if (!r.nonNegative(f[B::Height]) || !r.nonNegative(f[B::TargetHeight]) || !r.positive(f[B::Spacing]))
        return false;
    if (r.value(f[B::Height]) < r.value(f[B::TargetHeight]))
        return r.fail(f[B::TargetHeight], checks::targetAboveRodMessage());
    return r.scale(f[B::Scale]);
}

bool CheckFourRodInput(Form& form)
{
    using B = FourRodBox;
    const FieldTable<B>& f = fourRodBoxes();
    Rules r(form);
    if (!r.nonNegative(f[B::RodHeight]) || !r.nonNegative(f[B::TargetHeight]) || !r.positive(f[B::LongSide])
        || !r.positive(f[B::ShortSide]))
        return false;
    if (r.value(f[B::LongSide]) < r.value(f[B::ShortSide]))
        return r.fail(f[B::LongSide], QStringLiteral("避雷针矩形长、短边数值输入错位!"));
    if (r.value(f[B::RodHeight]) < r.value(f[B::TargetHeight]))
        return r.fail(f[B::TargetHeight], checks::targetAboveRodMessage());
    return r.scale(f[B::Scale]);
}

bool CheckBuildingInput(Form& form) { return Rules(form).scale(buildingBoxes()[BuildingBox::Scale]); }

} // namespace services
