// Input checks of the four earthing-resistance calculations: resistivity 0 or more, dimensions above 0.
#include "services/input_checks.h"

#include "services/earthing_fields.h"
#include "services/input_checks_rules.h"

namespace services {

using checks::Rules;

namespace {

// Every box of the panel's table in its order: the first bad one is named.
bool checkFields(Form& form, int panel)
{
    const FieldTable<EarthingField>& fields = earthingFields(panel);
    Rules r(form);
    for (const EarthingField key : fields.keys()) {
        if (!(zeroAllowed(key) ? r.nonNegative(fields[key]) : r.positive(fields[key])))
            return false;
    }
    return true;
}

} // namespace

bool CheckVerticalInput(Form& form) { return checkFields(form, 0); }

bool CheckHorizontalInput(Form& form) { return checkFields(form, 1); }

bool CheckGridInput(Form& form) { return checkFields(form, 2); }

bool CheckSupportInput(Form& form)
{
    if (!checkFields(form, 3))
        return false;
    const FieldTable<EarthingField>& fields = earthingFields(3);
    Rules r(form);
    if (r.value(fields[EarthingField::L1]) + r.value(fields[EarthingField::L2]) == 0)
        return r.fail(fields[EarthingField::L2].name, fields[EarthingField::L2].index, QStringLiteral("长度数值无效!"));
    return true;
}

} // namespace services
