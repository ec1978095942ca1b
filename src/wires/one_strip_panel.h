// The typed one-wire panel ("单根避雷线"): the zone of a wire of typed length, drawn about a picked point.
#pragma once

#include "platform/automation/errors_resumed.h"

#include <QObject>

namespace services { class Form; }

namespace wires {

class OneStripPanel : public QObject {
public:
    explicit OneStripPanel(services::Form& form, QObject* parent = nullptr);

    // 0 computes; 1 draws the ground range, 2 the target-height range, 3 the section, each after
    // computing again. The compute step leaves the drawing engine connected for the drawings.
    void cmdOneStrip_Click(int index);

private:
    bool compute();
    bool draw(int index, automation::ErrObject& err);

    services::Form& m_form;
};

} // namespace wires
