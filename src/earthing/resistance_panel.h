// The four earthing panels' calculation: one handler behind the buttons cmdResistance(0..3).
#pragma once

#include <QObject>

namespace services { class Form; }

namespace earthing {

class ResistancePanel : public QObject {
public:
    // Attaches cmdResistance_Click to the four buttons.
    ResistancePanel(services::Form& form, QObject* parent);

    // Index 0 vertical electrode, 1 horizontal electrode, 2 closed grid, 3 tower; others do nothing.
    void cmdResistance_Click(int index);

    // The chosen steel's equivalent diameter in metres; false after naming its bad size box.
    bool GetEquivalentDiameter(double& d);

private:
    services::Form& m_form;
};

} // namespace earthing
