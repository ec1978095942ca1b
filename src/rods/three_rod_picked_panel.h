// The picked three-rod panel: two rods and a side point picked, the third rod built on an
// equilateral triangle, the values shown, and the zone drawn as a union of pairs or as single rods.
#pragma once

#include <QObject>

namespace services { class Form; }

namespace rods {

class ThreeRodPickedPanel : public QObject {
public:
    explicit ThreeRodPickedPanel(services::Form& form, QObject* parent = nullptr);

    // The panel's one button ("图选避雷针"); index is not read.
    void cmdThreeRodPicked_Click(int index);

private:
    bool pickTriangle();
    bool computeValues();

    services::Form& m_form;
};

} // namespace rods
