// The typed four-rod panel: four rods of equal height on a typed rectangle, its values, plan outlines and sections.
#pragma once

#include "platform/automation/errors_resumed.h"

#include <QObject>

namespace services { class Form; }

namespace rods {

class FourRodTypedPanel : public QObject {
public:
    explicit FourRodTypedPanel(services::Form& form, QObject* parent = nullptr);

    // 0 computes; 1 draws the ground outline, 2 the outline at the target height, 3 the three sections.
    void cmdFourRod_Click(int index);

private:
    bool compute();
    bool draw(int index, automation::ErrObject& err);

    services::Form& m_form;
    double m_typedHeight = 0.0; // the rod height as typed at the last computation (h is capped at Hr)
};

} // namespace rods
