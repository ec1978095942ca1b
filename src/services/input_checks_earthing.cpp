// Input checks of the four earthing-resistance calculations: resistivity 0 or more, dimensions above 0.
#include "services/input_checks.h"

#include "services/input_checks_rules.h"

namespace services {

using checks::Rules;

bool CheckVerticalInput(Form& form)
{
    const QString box = QStringLiteral("txtVerticality");
    Rules r(form);
    return r.nonNegative(box, 0, checks::resistivityMessage())
        && r.positive(box, 1, QStringLiteral("垂直接地极长度数值无效!"));
}

bool CheckHorizontalInput(Form& form)
{
    const QString box = QStringLiteral("txtHorizontal");
    Rules r(form);
    return r.nonNegative(box, 0, checks::resistivityMessage())
        && r.positive(box, 1, QStringLiteral("水平接地极总长数值无效!"))
        && r.positive(box, 2, QStringLiteral("接地极埋深数值无效!"));
}

bool CheckGridInput(Form& form)
{
    const QString box = QStringLiteral("txtGird");
    Rules r(form);
    return r.nonNegative(box, 0, checks::resistivityMessage())
        && r.positive(box, 1, QStringLiteral("接地网总面积S数值无效!"))
        && r.positive(box, 2, QStringLiteral("接地极埋深h数值无效!"))
        && r.positive(box, 3, QStringLiteral("外缘边线总长Lo数值无效!"))
        && r.positive(box, 4, QStringLiteral("水平接地极总长L数值无效!"));
}

bool CheckSupportInput(Form& form)
{
    const QString box = QStringLiteral("txtSupport");
    const QString l1 = QStringLiteral("txtL1");
    const QString l2 = QStringLiteral("txtL2");
    Rules r(form);
    if (!r.nonNegative(box, 0, checks::resistivityMessage())
        || !r.positive(box, 1, QStringLiteral("接地极埋深数值无效!"))
        || !r.nonNegative(l1, std::nullopt, QStringLiteral("L1长度数值无效!"))
        || !r.nonNegative(l2, std::nullopt, QStringLiteral("L2长度数值无效!")))
        return false;
    if (r.value(l1, std::nullopt) + r.value(l2, std::nullopt) == 0)
        return r.fail(l2, std::nullopt, QStringLiteral("长度数值无效!"));
    return true;
}

} // namespace services
