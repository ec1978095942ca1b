// The picked two-wire panel: both ends of one wire and the side of the other picked in the drawing; the
// zone is drawn onto the picked wires, the sections at a picked place.
#pragma once

#include <QObject>

namespace services { class Form; }

namespace wires {

class TwoWirePickedPanel : public QObject {
public:
    explicit TwoWirePickedPanel(services::Form& form, QObject* parent = nullptr);

    // The panel's one button (index 0).
    void cmdTwoStripPicked_Click(int index);

private:
    // False where the command ends early (the drawing references are kept).
    bool run();
    bool pickWires();

    services::Form& m_form;
};

} // namespace wires
