// Back colour of controls, mapped onto Qt palettes.
#include "app/link_execute_look.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace app {

QColor backColor(const QWidget* w) { return w ? w->palette().color(QPalette::Active, QPalette::Base) : QColor(); }

void setBackColor(QWidget* w, const QColor& color)
{
    if (!w)
        return;
    // A box that keeps the system look and is asked for the colour it already shows stays as it is,
    // so that its disabled look remains the system's.
    if (!w->testAttribute(Qt::WA_SetPalette) && backColor(w) == color)
        return;
    QPalette p = w->palette();
    p.setColor(QPalette::All, QPalette::Base, color);
    w->setPalette(p);
}

QColor buttonFaceColor() { return QApplication::palette().color(QPalette::Active, QPalette::Button); }

QColor windowBackgroundColor() { return QApplication::palette().color(QPalette::Active, QPalette::Base); }

} // namespace app
