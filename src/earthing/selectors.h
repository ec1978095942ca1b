// The three picture selectors of the earthing panels: steel section, horizontal electrode shape and
// tower arrangement. The choice lives in the controls: the chosen picture has the single-line border.
#pragma once

#include "services/control_looks.h"

#include <QObject>
#include <QString>

class QWidget;

namespace services { class ControlRegistry; class Form; }

namespace earthing {

using services::chosenCaptionColour;
using services::plainCaptionColour;
using services::setCaptionColour;

// The element of a picture array whose border style is 1, or -1 when none is.
int chosenElement(const services::ControlRegistry& controls, const QString& pictures);

class Selectors : public QObject {
public:
    // Attaches the handlers to the pictures and labels of the three selectors.
    Selectors(services::Form& form, QObject* parent);

    void imgType_Click(int index);
    void lblType_Click(int index);
    void imgShape_Click(int index);
    void lblSHape_Click(int index);
    void picShape_Click(int index);
    void lblPic_Click(int index);

private:
    // Border on the chosen picture, its caption in the chosen colour, every other element plain.
    void choose(const QString& pictures, const QString& labels, int index);

    services::Form& m_form;
};

} // namespace earthing
