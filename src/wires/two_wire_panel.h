// The typed two-wire panel: the zone of two parallel wires of typed height, length and spacing, drawn at a
// picked point.
#pragma once

#include "platform/automation/errors_resumed.h"

#include <QObject>

namespace services { class Form; }

namespace wires {

class TwoWirePanel : public QObject {
public:
    explicit TwoWirePanel(services::Form& form, QObject* parent = nullptr);

    // 0 computes; 1 draws the ground plan, 2 the plan at the target height, 3 the two sections.
    void cmdTwoStrip_Click(int index);

private:
    bool compute();
    bool draw(int index, automation::ErrObject& err);

    services::Form& m_form;
};

} // namespace wires
