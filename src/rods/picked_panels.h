// The controls of the rod panels that hand their inputs to another panel's engine, and the hand-over.
#pragma once

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

// Copies every input text, the class (by its place in the list; no selection stays no selection) and
// every check box's state from one panel into another, element by element. The receiving panel's
// engine then checks and computes them as its own.
void copyPanelInputs(services::Form& form, const RodPanelControls& from, const RodPanelControls& to);

} // namespace rods
