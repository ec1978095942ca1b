// A click on a picture or a label: left button pressed and released over it.
#include "earthing/click_filter.h"

#include <QEvent>
#include <QMouseEvent>
#include <QWidget>

namespace earthing {

namespace {

class ClickFilter : public QObject {
public:
    ClickFilter(QWidget* widget, std::function<void()> handler) : QObject(widget), m_handler(std::move(handler))
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::MouseButtonPress) {
            auto* e = static_cast<QMouseEvent*>(event);
            m_pressed = e->button() == Qt::LeftButton;
        } else if (event->type() == QEvent::MouseButtonRelease) {
            auto* e = static_cast<QMouseEvent*>(event);
            const bool click = m_pressed && e->button() == Qt::LeftButton
                               && widget->rect().contains(e->position().toPoint());
            m_pressed = false;
            if (click && widget->isEnabled())
                m_handler();
        }
        return false;
    }

private:
    std::function<void()> m_handler;
    bool m_pressed = false;
};

} // namespace

void onClick(QWidget* widget, std::function<void()> handler)
{
    if (widget)
        new ClickFilter(widget, std::move(handler));
}

} // namespace earthing
