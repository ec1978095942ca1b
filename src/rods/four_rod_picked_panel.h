// The picked four-rod panel: four rods of equal height on a rectangle picked in the drawing.
#pragma once

#include "platform/automation/errors_resumed.h"

#include <QObject>

namespace services { class Form; }

namespace rods {

struct FourRodValues;

class FourRodPickedPanel : public QObject {
public:
    explicit FourRodPickedPanel(services::Form& form, QObject* parent = nullptr);

    // "图选避雷针": picks rod 1, the rod next to it and a point on the line of the other two, shows the
    // zone values, and draws the zone, as rod pairs or single rods when the formulas of the whole
    // rectangle do not apply.
    void cmdFourRodPicked_Click(int index);

private:
    bool pickRectangle();
    bool showValues(FourRodValues& values);
    bool routedElsewhere(const FourRodValues& values);
    bool drawPlans(automation::ErrObject& err);
    bool drawSections(automation::ErrObject& err);

    services::Form& m_form;
    // What this run's outline at the target height tells: a hole about the centre, or no zone at all.
    QString m_targetTip;
};

} // namespace rods
