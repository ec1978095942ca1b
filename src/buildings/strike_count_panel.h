// Panel 1, the annual strike count of a building: the shape selector and the calculation.
#pragma once

#include <QObject>

namespace services { class Form; }

namespace buildings {

class StrikeCountPanel : public QObject {
public:
    // Attaches the handlers to optShape and cmdNumber.
    StrikeCountPanel(services::Form& form, QObject* parent);

    // Enables the dimension boxes of the chosen shape and disables the others.
    void optShape_Click(int index);
    // N = k × Ng × Ae on the tip line, or the message of the first bad box.
    void cmdNumber_Click();

private:
    services::Form& m_form;
};

} // namespace buildings
