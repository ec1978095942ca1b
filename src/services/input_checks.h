// The input check of every panel: boxes tested in a fixed order; the first bad one is focused with
// its whole text selected and named on the tip line, and the check answers false.
#pragma once

class QLineEdit;

namespace services {

class Form;

// Focuses box and selects its whole text (the mark of a bad value). A missing box is skipped.
void SelectAllText(QLineEdit* box);

// Rod, rod-height and building-outline panels.
bool CheckOneRodInput(Form& form);
bool CheckHeightInput(Form& form);
bool CheckTwoRodInput(Form& form);
bool CheckTwoRodPickedInput(Form& form);
bool CheckThreeRodInput(Form& form);
bool CheckThreeRodPickedInput(Form& form);
bool CheckFourRodInput(Form& form);
bool CheckFourRodPickedInput(Form& form);
bool CheckBuildingInput(Form& form);

// Overhead-wire panels.
bool CheckOneStripInput(Form& form);
bool CheckOneStripPickedInput(Form& form);
bool CheckTwoStripInput(Form& form);
bool CheckTwoStripPickedInput(Form& form);

// Earthing-resistance calculations (elements 0 to 3 of cmdResistance).
bool CheckVerticalInput(Form& form);
bool CheckHorizontalInput(Form& form);
bool CheckGridInput(Form& form);
bool CheckSupportInput(Form& form);

} // namespace services
