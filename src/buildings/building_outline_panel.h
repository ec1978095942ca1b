// The building-outline panel ("建(构)筑物避雷装置设计"): the rolling sphere set on picked outline points.
#pragma once

#include "platform/cad/geometry/point.h"

#include <QObject>

namespace services { class Form; }

namespace buildings {

class BuildingOutlinePanel : public QObject {
public:
    explicit BuildingOutlinePanel(services::Form& form, QObject* parent = nullptr);

    // Picks outline points one after the other; for each pair the sphere of the chosen class rests on
    // both and its arc between them is drawn, until the user answers anything but "Y" (normal end,
    // the drawing references released) or a pick is cancelled or a pair is refused (early end).
    void cmdBuilding_Click();

private:
    bool pairStep(const cad::Point& p1, const cad::Point& p2);
    bool askToContinue();

    services::Form& m_form;
};

} // namespace buildings
