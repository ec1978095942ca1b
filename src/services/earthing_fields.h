// The boxes of the four earthing panels, written once for their input checks and their calculation.
#pragma once

#include "services/panel_io.h"

namespace services {

// The inputs of the earthing formulas; Diameter stands for the chosen steel's size boxes.
enum class EarthingField { Resistivity, Length, Depth, Area, Perimeter, L1, L2, Diameter };

// The boxes of earthing panel `panel` (0 vertical electrode, 1 horizontal electrode, 2 closed grid,
// 3 tower), in the order its input check tests them. Diameter is in none: the steel's size boxes
// depend on the chosen section. Any other panel number has an empty table.
const FieldTable<EarthingField>& earthingFields(int panel);

// Resistivity and the tower's L1 and L2 may be 0; every other dimension must be more than 0.
bool zeroAllowed(EarthingField field);

} // namespace services
