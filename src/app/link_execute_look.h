// The look that execute strings set on controls by property name: BorderStyle (0 none, 1 a single
// line), BackColor, and the system colours they use.
//
// BorderStyle is the frame of the widget: a text box's frame, a label's or picture's QFrame shape
// (Box for 1). A selector that marks its chosen picture by a border reads it back with borderStyle().
#pragma once

#include <QColor>

class QWidget;

namespace app {

int borderStyle(const QWidget* w);
void setBorderStyle(QWidget* w, int style);

// The background of a text box (its base colour).
QColor backColor(const QWidget* w);
void setBackColor(QWidget* w, const QColor& color);

// The system colours of button faces and of window backgrounds.
QColor buttonFaceColor();
QColor windowBackgroundColor();

} // namespace app
