// Control look-up for execute strings, in the window's design order.
#include "app/link_execute_controls.h"

namespace app {

const services::Control* FindControl(const services::ControlRegistry& frm, const QString& name, int index)
{
    for (const services::Control& c : frm.all()) {
        if (c.name != name)
            continue;
        if (index == -1)
            return &c;
        // Asking a control that is not an array for its index fails and ends the search.
        if (!IsElement(c))
            return nullptr;
        if (*c.index == index)
            return &c;
    }
    return nullptr;
}

int MaxControlIndex(const services::ControlRegistry& frm, const QString& name)
{
    int result = -1;
    for (const services::Control& c : frm.all()) {
        if (c.name != name)
            continue;
        if (!IsElement(c))
            return result;
        result = std::max(result, *c.index);
    }
    return result;
}

bool IsElement(const services::Control& oControl) { return oControl.index.has_value(); }

} // namespace app
