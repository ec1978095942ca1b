// The one-rod panel: rx and r0 of a rod ("计算"), and its drawing ("绘图"), also the single-rod engine.
#pragma once

#include "platform/automation/errors_resumed.h"

#include <QObject>

namespace services { class Form; }

namespace rods {

class OneRodPanel : public QObject {
public:
    explicit OneRodPanel(services::Form& form, QObject* parent = nullptr);

    // 0 computes; 1 draws what the check boxes choose. With a preset flag set (m_presetTwoRod,
    // m_presetThreeRod or m_presetFourRod[0]) element 1 is the single-rod engine: the rod stands at
    // m_point1 and no rod position is asked; the flags are false again when it returns.
    void cmdOneRod_Click(int index);

private:
    bool compute();
    bool draw(automation::ErrObject& err);

    services::Form& m_form;
};

} // namespace rods
