// Border style and back colour of controls, mapped onto Qt frames and palettes.
#include "app/link_execute_look.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QFrame>
#include <QLineEdit>
#include <QPalette>

namespace app {

int borderStyle(const QWidget* w)
{
    if (const auto* edit = qobject_cast<const QLineEdit*>(w))
        return edit->hasFrame() ? 1 : 0;
    if (const auto* frame = qobject_cast<const QFrame*>(w))
        return frame->frameShape() == QFrame::NoFrame ? 0 : 1;
    return 0;
}

void setBorderStyle(QWidget* w, int style)
{
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        edit->setFrame(style != 0);
    } else if (auto* area = qobject_cast<QAbstractScrollArea*>(w)) {
        // A multi-line text box: its ordinary sunken frame.
        area->setFrameShape(style != 0 ? QFrame::StyledPanel : QFrame::NoFrame);
    } else if (auto* frame = qobject_cast<QFrame*>(w)) {
        frame->setFrameShape(style != 0 ? QFrame::Box : QFrame::NoFrame);
        frame->setFrameShadow(QFrame::Plain);
        frame->setLineWidth(1);
    }
}

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
