// Connects every button of a control array to one handler that takes the pressed button's index.
#pragma once

#include <QString>

#include <functional>

class QObject;

namespace services {

class Form;

// Each element of the array name, pressed, calls handler(its index); the connections end with receiver.
void connectClicks(Form& form, const QString& name, QObject* receiver, const std::function<void(int)>& handler);

} // namespace services
