// Finding the window's controls as execute strings address them: exact name, element index, -1
// for the first control of that name (the only way to reach a control that is not an array).
#pragma once

#include "services/control_registry.h"

#include <QString>

namespace app {

// The control named name (case-sensitive) with element index, or the first of that name for -1;
// nullptr when none matches or the search meets a control of that name that is not an array while
// looking for an index.
const services::Control* FindControl(const services::ControlRegistry& frm, const QString& name, int index);

// The highest element index of the array name; -1 when name is no array or matches nothing.
int MaxControlIndex(const services::ControlRegistry& frm, const QString& name);

// True when the control is an element of a control array.
bool IsElement(const services::Control& oControl);

} // namespace app
