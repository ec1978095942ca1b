// The typed three-rod panel: three rods on an equilateral triangle of a typed side, computed and drawn.
#pragma once

#include "platform/automation/errors_resumed.h"

#include <QObject>

namespace services { class Form; }

namespace rods {

class ThreeRodPanel : public QObject {
public:
    explicit ThreeRodPanel(services::Form& form, QObject* parent = nullptr);

    // 0 computes rx, r0 and the centre height; 1, 2 and 3 place the rods (the lower-left one picked,
    // or at the origin for the sections) and draw the ground range, the range at hx or the sections.
    void cmdThreeRod_Click(int index);

private:
    bool compute();
    bool draw(int index, automation::ErrObject& err);

    services::Form& m_form;
};

} // namespace rods
