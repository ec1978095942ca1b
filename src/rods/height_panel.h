// The rod-height panel: the height a single rod needs for a target at a given distance and height.
#pragma once

#include <QObject>

namespace services { class Form; }

namespace rods {

class HeightPanel : public QObject {
public:
    explicit HeightPanel(services::Form& form, QObject* parent = nullptr);

    // Computes only; writes txtHeightOut or marks the box at fault. Leaves the tip line as it was
    // when it succeeds.
    void cmdHeight_Click();

private:
    services::Form& m_form;
};

} // namespace rods
