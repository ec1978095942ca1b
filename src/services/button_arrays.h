// Connects every button of a control array to one handler that takes the pressed button's index.
#pragma once

#include <QString>

#include <functional>

class QObject;

namespace services {

class Form;

// Each element of the array name, pressed, calls handler(its index); the connections end with receiver.
// A press while a pick or typed answer is awaited runs nothing and brings the question back to the front.
void connectClicks(Form& form, const QString& name, QObject* receiver, const std::function<void(int)>& handler);

// A panel's wiring in one line: connects the button array and registers the handler under handlerName,
// through which other flows (and the drawing elements of the typed-button protocol) run it.
void wireButtonArray(Form& form, const QString& arrayName, const QString& handlerName, QObject* receiver,
                     const std::function<void(int)>& handler);

} // namespace services
