// Input checks of the overhead-wire panels: every quantity 0 or more, then the scale.
#include "services/input_checks.h"

#include "services/input_checks_rules.h"
#include "services/wire_fields.h"

namespace services {

using checks::Rules;

bool CheckOneStripInput(Form& form)
{
    using B = OneStripBox;
    const FieldTable<B>& f = typedOneStripBoxes();
    Rules r(form);
    return r.nonNegative(f[B::Height]) && r.nonNegative(f[B::Length]) && r.nonNegative(f[B::Sag])
           && r.nonNegative(f[B::Target]) && r.scale(f[B::Scale]);
}

bool CheckOneStripPickedInput(Form& form)
{
    using B = OneStripBox;
    const FieldTable<B>& f = pickedOneStripBoxes();
    Rules r(form);
    return r.nonNegative(f[B::Height]) && r.nonNegative(f[B::Sag]) && r.nonNegative(f[B::Target])
           && r.scale(f[B::Scale]);
}

bool CheckTwoStripInput(Form& form)
{
    using B = TwoWireBox;
    const FieldTable<B>& f = typedTwoWireBoxes();
    Rules r(form);
    return r.nonNegative(f[B::Height]) && r.nonNegative(f[B::Length]) && r.nonNegative(f[B::Sag])
           && r.nonNegative(f[B::Spacing]) && r.nonNegative(f[B::Target]) && r.scale(f[B::Scale]);
}

bool CheckTwoStripPickedInput(Form& form)
{
    using B = TwoWireBox;
    const FieldTable<B>& f = pickedTwoWireBoxes();
    Rules r(form);
    return r.nonNegative(f[B::Height]) && r.nonNegative(f[B::Sag]) && r.nonNegative(f[B::Target])
           && r.scale(f[B::Scale]);
}

} // namespace services
