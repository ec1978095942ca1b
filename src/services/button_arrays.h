// Connects the main window's command buttons to their handlers, all behind one guard against a second
// command started while another waits for an answer in the drawing.
#pragma once

#include <QString>

#include <functional>

class QObject;

namespace services {

class Form;

// The guard: true when a command waits for a pick or a typed answer; that question is then brought
// back to the front, and the caller must start nothing (a second command would take the drawing
// references from under the first, which then loses its drawing).
bool bringWaitingQuestionForward(Form& form);

// Each element of the array name, pressed, calls handler(its index); the connections end with receiver.
// A press while a pick or typed answer is awaited runs nothing and brings the question back to the front.
void connectClicks(Form& form, const QString& name, QObject* receiver, const std::function<void(int)>& handler);

// The same for a single button that is no control array (cmdBuilding, cmdHeight, cmdNumber).
void connectClick(Form& form, const QString& name, QObject* receiver, const std::function<void()>& handler);

// A panel's wiring in one line: connects the button array and registers the handler under handlerName,
// through which other flows (and the drawing elements of the typed-button protocol) run it.
void wireButtonArray(Form& form, const QString& arrayName, const QString& handlerName, QObject* receiver,
                     const std::function<void(int)>& handler);

} // namespace services
