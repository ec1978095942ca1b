// Input checks of the overhead-wire panels: every quantity 0 or more, then the scale.
#include "services/input_checks.h"

#include "services/input_checks_rules.h"

namespace services {

using checks::Rules;

bool CheckOneStripInput(Form& form)
{
    const QString box = QStringLiteral("txtOneStripIn");
    Rules r(form);
    return r.nonNegative(box, 0, checks::wireHeightMessage()) && r.nonNegative(box, 1, checks::wireLengthMessage())
        && r.nonNegative(box, 2, checks::sagMessage()) && r.nonNegative(box, 3, checks::targetHeightMessage())
        && r.scale(box, 4, checks::scaleMessage());
}

bool CheckOneStripPickedInput(Form& form)
{
    const QString box = QStringLiteral("txtOneStripPickedIn");
    Rules r(form);
    return r.nonNegative(box, 0, checks::wireHeightMessage()) && r.nonNegative(box, 1, checks::sagMessage())
        && r.nonNegative(box, 2, checks::targetHeightMessage()) && r.scale(box, 3, checks::scaleMessage());
}

bool CheckTwoStripInput(Form& form)
{
    const QString box = QStringLiteral("txtTwoStripIn");
    Rules r(form);
    return r.nonNegative(box, 0, checks::wireHeightMessage()) && r.nonNegative(box, 1, checks::wireLengthMessage())
        && r.nonNegative(box, 2, checks::sagMessage())
        && r.nonNegative(box, 3, QStringLiteral("避雷线间距数值无效!"))
        && r.nonNegative(box, 4, checks::targetHeightMessage()) && r.scale(box, 5, checks::scaleMessage());
}

bool CheckTwoStripPickedInput(Form& form)
{
    const QString box = QStringLiteral("txtTwoStripPickedIn");
    Rules r(form);
    return r.nonNegative(box, 0, checks::wireHeightMessage()) && r.nonNegative(box, 1, checks::sagMessage())
        && r.nonNegative(box, 2, checks::targetHeightMessage()) && r.scale(box, 3, checks::scaleMessage());
}

} // namespace services
