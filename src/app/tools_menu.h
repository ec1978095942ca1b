// The menu items that show no panel: "计算器" and "名词图解" of the tools menu, "关于" of the help menu.
#pragma once

#include <QStringList>

namespace services { class Form; }

namespace app {

// The calculators of the common desktops, in the order they are looked for.
QStringList calculatorCandidates();

// Starts the first calculator found; a failure is ignored and nothing is shown.
void mnuCalculater_Click();

// Offers mnuAbout_Click, mnuCalculater_Click and mnuNote_Click to the window's menu.
void installToolsMenu(services::Form& form);

} // namespace app
