// The looks a selector marks its choice with: border style (0 none, 1 a single line) and caption colour.
//
// BorderStyle is the frame of the widget: a text box's frame, a label's or picture's QFrame shape
// (Box for 1). A selector marks its chosen picture with the border and reads it back with borderStyle().
#pragma once

#include <QColor>

class QWidget;

namespace services {

// A label drawn as a line (a divider) stands for a line control, which has no border style.
bool isLine(const QWidget* w);

int borderStyle(const QWidget* w);
void setBorderStyle(QWidget* w, int style);

// A chosen element's caption colour (&H40C0) and the others' (the system's button text, &H80000012).
inline constexpr unsigned kChosenCaptionRgb = 0xC04000;
QColor chosenCaptionColour();
QColor plainCaptionColour();
void setCaptionColour(QWidget* label, const QColor& colour);

} // namespace services
