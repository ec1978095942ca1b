// The controls of the rod panels that hand their inputs to another panel's engine, and the hand-over.
#pragma once

#include "services/panel_io.h"

#include <QString>

namespace services { class Form; }

namespace rods {

// A rod panel's input boxes (h, hx, scale), class combo element, drawing check boxes and result boxes.
struct RodPanelControls {
    QString inputs;
    int classCombo = 0;
    QString checks;
    QString results;
};

inline const RodPanelControls kOneRodPanel{QStringLiteral("txtOneRodIn"), 2, QStringLiteral("chkOneRodIn"),
                                           QStringLiteral("txtOneRodOut")};
inline const RodPanelControls kTwoRodPickedPanel{QStringLiteral("txtTwoRodPickedIn"), 7,
                                                 QStringLiteral("chkTwoRodPickedIn"), QStringLiteral("txtTwoRodPickedOut")};
inline const RodPanelControls kThreeRodPickedPanel{QStringLiteral("txtThreeRodPickedIn"), 12,
                                                   QStringLiteral("chkThreeRodPickedIn"),
                                                   QStringLiteral("txtThreeRodPickedOut")};
inline const RodPanelControls kFourRodPickedPanel{QStringLiteral("txtFourRodPickedIn"), 8,
                                                  QStringLiteral("chkFourRodPickedIn"), QStringLiteral("txtFourRodPickedOut")};

// The panel's class combo as a field of its table.
services::PanelField classComboOf(const RodPanelControls& panel);

// The panel's drawing check boxes as its table.
services::FieldTable<services::DrawingTick> ticksOf(const RodPanelControls& panel);

// Copies every input text, the class (by its place in the list; no selection stays no selection) and
// every check box's state from one panel into another, element by element. The receiving panel's
// engine then checks and computes them as its own.
void copyPanelInputs(services::Form& form, const RodPanelControls& from, const RodPanelControls& to);

// Reads a picked rod panel's h and hx into m_height and m_targetHeight, the scale factor of its scale
// box into m_scale and Hr from its class combo into m_sphereRadius (kept for a text that is no class);
// a rod taller than Hr is taken as Hr tall when capAtSphere. False when a height box is not numeric.
bool readPickedRodInputs(services::Form& form, const RodPanelControls& panel, bool capAtSphere);

} // namespace rods
