// The look that execute strings set on controls by property name: BorderStyle (0 none, 1 a single
// line, services/control_looks.h), BackColor, and the system colours they use.
#pragma once

#include "services/control_looks.h"

#include <QColor>

class QWidget;

namespace app {

using services::borderStyle;
using services::isLine;
using services::setBorderStyle;

// The background of a text box (its base colour).
QColor backColor(const QWidget* w);
void setBackColor(QWidget* w, const QColor& color);

// The system colours of button faces and of window backgrounds.
QColor buttonFaceColor();
QColor windowBackgroundColor();

} // namespace app
