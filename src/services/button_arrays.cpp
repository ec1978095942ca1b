// Click connections for the command buttons behind the waiting-question guard, and handler registration.
#include "services/button_arrays.h"

#include "platform/cad/document.h"
#include "services/form.h"
#include "services/pick_protocol.h"

#include <QAbstractButton>

namespace services {

namespace {

void connectGuarded(Form& form, QAbstractButton* button, QObject* receiver, const std::function<void()>& run)
{
    QObject::connect(button, &QAbstractButton::clicked, receiver, [&form, run] {
        if (!bringWaitingQuestionForward(form))
            run();
    });
}

} // namespace

bool bringWaitingQuestionForward(Form& form)
{
    if (cad::questionsWaiting() == 0)
        return false;
    automation::ErrObject err;
    bringDrawingToFront(form, err);
    return true;
}

void connectClicks(Form& form, const QString& name, QObject* receiver, const std::function<void(int)>& handler)
{
    const ControlRegistry& c = form.controls();
    const int last = c.maxIndex(name);
    for (int i = 0; i <= last; ++i) {
        if (QAbstractButton* button = c.button(name, i))
            connectGuarded(form, button, receiver, [handler, i] { handler(i); });
    }
}

void connectClick(Form& form, const QString& name, QObject* receiver, const std::function<void()>& handler)
{
    if (QAbstractButton* button = form.controls().button(name))
        connectGuarded(form, button, receiver, handler);
}

void wireButtonArray(Form& form, const QString& arrayName, const QString& handlerName, QObject* receiver,
                     const std::function<void(int)>& handler)
{
    connectClicks(form, arrayName, receiver, handler);
    form.registerHandler(handlerName, handler);
}

} // namespace services
