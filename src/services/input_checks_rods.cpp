// Input checks of the rod panels, the rod-height panel and the building-outline panel.
#include "services/input_checks.h"

#include "services/input_checks_rules.h"

namespace services {

using checks::Rules;

namespace {

// One rod and the picked two-, three- and four-rod panels: height, target height, scale.
bool checkRodTargetScale(Form& form, const QString& box)
{
    Rules r(form);
    if (!r.nonNegative(box, 0, checks::rodHeightMessage()))
        return false;
    if (!r.nonNegative(box, 1, checks::targetHeightMessage()))
        return false;
    if (r.value(box, 0) < r.value(box, 1))
        return r.fail(box, 1, checks::targetAboveRodMessage());
    return r.scale(box, 2, checks::scaleMessage());
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
    const QString box = QStringLiteral("txtHeightIn");
    Rules r(form);
    return r.nonNegative(box, 0, QStringLiteral("目标与避雷针的距离数值无效!"))
        && r.nonNegative(box, 1, checks::targetHeightMessage());
}

bool CheckTwoRodInput(Form& form)
{
    const QString box = QStringLiteral("txtTwoRodIn");
    Rules r(form);
    if (!r.nonNegative(box, 0, checks::rodHeightMessage()) || !r.nonNegative(box, 1, checks::rodHeightMessage())
        || !r.nonNegative(box, 2, checks::targetHeightMessage()) || !r.positive(box, 3, checks::rodSpacingMessage()))
        return false;
    const double targetHeight = r.value(box, 2);
    if (r.value(box, 0) < targetHeight || r.value(box, 1) < targetHeight)
        return r.fail(box, 2, checks::targetAboveRodMessage());
    if (r.value(box, 1) < r.value(box, 0))
        return r.fail(box, 0, QStringLiteral("高、低避雷针的数值输入错位!"));
    return r.scale(box, 4, checks::scaleMessage());
}

bool CheckThreeRodInput(Form& form)
{
    const QString box = QStringLiteral("txtThreeRodIn");
    Rules r(form);
    if (!r.nonNegative(box, 0, checks::rodHeightMessage()) || !r.nonNegative(box, 1, checks::targetHeightMessage())
        || !r.positive(box, 2, checks::rodSpacingMessage()))
        return false;
    if (r.value(box, 0) < r.value(box, 1))
        return r.fail(box, 1, checks::targetAboveRodMessage());
    return r.scale(box, 3, checks::scaleMessage());
}

bool CheckFourRodInput(Form& form)
{
    const QString box = QStringLiteral("txtFourRodIn");
    Rules r(form);
    if (!r.nonNegative(box, 0, checks::rodHeightMessage()) || !r.nonNegative(box, 1, checks::targetHeightMessage())
        || !r.positive(box, 2, checks::rodSpacingMessage()) || !r.positive(box, 3, checks::rodSpacingMessage()))
        return false;
    if (r.value(box, 2) < r.value(box, 3))
        return r.fail(box, 2, QStringLiteral("避雷针矩形长、短边数值输入错位!"));
    if (r.value(box, 0) < r.value(box, 1))
        return r.fail(box, 1, checks::targetAboveRodMessage());
    return r.scale(box, 4, checks::scaleMessage());
}

bool CheckBuildingInput(Form& form)
{
    return Rules(form).scale(QStringLiteral("txtBuilding"), 0, checks::scaleMessage());
}

} // namespace services
