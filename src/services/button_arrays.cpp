// Click connections for button arrays, and the registration of their handler by name.
#include "services/button_arrays.h"

#include "platform/cad/document.h"
#include "services/form.h"
#include "services/pick_protocol.h"

#include <QAbstractButton>

namespace services {

void connectClicks(Form& form, const QString& name, QObject* receiver, const std::function<void(int)>& handler)
{
    const ControlRegistry& c = form.controls();
    const int last = c.maxIndex(name);
    for (int i = 0; i <= last; ++i) {
        if (QAbstractButton* button = c.button(name, i))
            QObject::connect(button, &QAbstractButton::clicked, receiver, [&form, handler, i] {
                // While a command waits for a pick a second one would take the drawing from under it:
                // the click brings the waiting question back to the front instead.
                if (cad::questionsWaiting() > 0) {
                    automation::ErrObject err;
                    bringDrawingToFront(form, err);
                    return;
                }
                handler(i);
            });
    }
}

void wireButtonArray(Form& form, const QString& arrayName, const QString& handlerName, QObject* receiver,
                     const std::function<void(int)>& handler)
{
    connectClicks(form, arrayName, receiver, handler);
    form.registerHandler(handlerName, handler);
}

} // namespace services
