// What the panels need of the main window: its shared state, its controls, the tip line, and the
// handlers of other panels. The main window implements it; nothing below the window knows the window.
#pragma once

#include "services/control_registry.h"
#include "services/form_state.h"

#include <QString>
#include <functional>

class QWidget;

namespace services {

class Form {
public:
    using Handler = std::function<void(int index)>;

    virtual ~Form() = default;

    virtual FormState& state() = 0;
    virtual ControlRegistry& controls() = 0;

    // Writes the tip line (the one place where the program shows messages).
    virtual void ShowMsg(const QString& msg) = 0;
    // The main window's caption, by which the drawing commands bring it back to the front.
    virtual QString caption() const = 0;
    virtual QWidget* window() = 0;

    // A panel offers its event handlers by name ("cmdOneRod_Click"); flows that reuse another
    // panel's handler run it through here. index is the control-array index, -1 for none.
    virtual void registerHandler(const QString& name, Handler handler) = 0;
    // Runs the named handler; false when no panel offers it.
    virtual bool runHandler(const QString& name, int index = -1) = 0;
};

} // namespace services
