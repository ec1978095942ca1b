// The menu items that show no panel: "计算器" and "名词图解" of the tools menu, "关于" of the help menu.
#pragma once

#include <QStringList>

namespace services { class Form; }

namespace app {

// The calculators of the common desktops, in the order they are looked for.
QStringList calculatorCandidates();

// Starts the first calculator found; a failure is ignored and nothing is shown.
void mnuCalculater_Click();

// The glossary drawing beside the executable.
QString glossaryDrawingName();

// Opens the glossary drawing in the drawing engine, connecting to it first. The connection is kept
// for the next drawing command; neither window is brought to the front.
void mnuNote_Click(services::Form& form);

// Offers mnuAbout_Click, mnuCalculater_Click and mnuNote_Click to the window's menu.
void installToolsMenu(services::Form& form);

} // namespace app
