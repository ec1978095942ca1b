// Border style and caption colour of controls, mapped onto Qt frames and palettes.
#include "services/control_looks.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QFrame>
#include <QLineEdit>
#include <QPalette>

namespace services {

bool isLine(const QWidget* w)
{
    const auto* frame = qobject_cast<const QFrame*>(w);
    return frame && (frame->frameShape() == QFrame::HLine || frame->frameShape() == QFrame::VLine);
}

int borderStyle(const QWidget* w)
{
    if (const auto* edit = qobject_cast<const QLineEdit*>(w))
        return edit->hasFrame() ? 1 : 0;
    if (const auto* frame = qobject_cast<const QFrame*>(w))
        return frame->frameShape() == QFrame::NoFrame || isLine(frame) ? 0 : 1;
    return 0;
}

void setBorderStyle(QWidget* w, int style)
{
    if (isLine(w))
        return;
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

QColor chosenCaptionColour() { return QColor::fromRgb(kChosenCaptionRgb); }

QColor plainCaptionColour() { return QApplication::palette().color(QPalette::ButtonText); }

void setCaptionColour(QWidget* label, const QColor& colour)
{
    if (!label)
        return;
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

} // namespace services
