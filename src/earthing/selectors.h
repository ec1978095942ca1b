// The three picture selectors of the earthing panels: steel section, horizontal electrode shape and
// tower arrangement. The choice lives in the controls: the chosen picture has the single-line border.
#pragma once

#include <QColor>
#include <QObject>
#include <QString>

class QWidget;

namespace services { class ControlRegistry; class Form; }

namespace earthing {

// A chosen element's caption colour (&H40C0) and the others' (the system's button text, &H80000012).
QColor chosenCaptionColour();
QColor plainCaptionColour();

// The picture's border style: 1 with the single-line border, 0 without.
int borderStyle(const QWidget* picture);
void setBorderStyle(QWidget* picture, int style);
void setCaptionColour(QWidget* label, const QColor& colour);

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
