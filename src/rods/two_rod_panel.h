// The two-rod panel (typed layout, unequal heights): the joint zone, its plan outlines and its section.
#pragma once

#include "platform/automation/errors_resumed.h"

#include <QObject>

namespace services { class Form; }

namespace rods {

class TwoRodPanel : public QObject {
public:
    explicit TwoRodPanel(services::Form& form, QObject* parent = nullptr);

    // 0 computes; 1 draws the ground outline, 2 the outline at the target height, 3 the section.
    void cmdTwoRod_Click(int index);

private:
    bool compute();
    bool draw(int index, automation::ErrObject& err);

    services::Form& m_form;
};

} // namespace rods
