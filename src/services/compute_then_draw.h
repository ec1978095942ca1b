// The button protocol of the typed-layout panels: element 0 computes; a drawing element recomputes
// first and draws only on the computation of the same click.
//
// Every typed panel's handler is one call:
//     void TwoRodPanel::cmdTwoRod_Click(int index)
//     {
//         services::RunTypedButton(m_form, index, {
//             .handlerName = QStringLiteral("cmdTwoRod_Click"), .elements = 4, .colourPerElement = true,
//             .check = [this] { return services::CheckTwoRodInput(m_form); },
//             .compute = [this] { return compute(); },
//             .draw = [this](int i, automation::ErrObject& err) { return draw(i, err); }});
//     }
// and is wired in one line with wireButtonArray (services/button_arrays.h), which registers it under
// handlerName with Form::registerHandler, through which the drawing
// elements run element 0 again (so a flow that reuses the handler gets the same steps).
//
// What the protocol guarantees:
// - Every element first runs the input check; on false it returns (the check has marked its box),
//   on true it clears the tip line.
// - Element 0 sets m_computed false, runs compute, and sets m_computed true only when compute
//   answered true: a refused test or a failing step (compute answers false, or an automation error
//   escapes it) never leaves the flag set.
// - Element 0 with releaseAfterCompute releases the drawing references when compute answered true.
// - A drawing element (1 .. elements−1) stores its colour in m_color when colourPerElement (1 ground,
//   6 target height, 1 section), runs element 0 through the form, and goes on only if m_computed is
//   then true. Then beforeConnect, when given, may end the element before the drawing engine is
//   connected (a refusal that needs no drawing). It connects to the drawing engine (ends if none is reachable), takes the model space
//   and the utility (a failure there is left pending in err for draw to judge) and calls draw,
//   which answers true for a normal end; only then are the references released. An early end
//   keeps them for the next command.
// - Any other index does nothing after the check.
#pragma once

#include "platform/automation/errors_resumed.h"

#include <QString>
#include <functional>

namespace services {

class Form;

struct TypedButtonSteps {
    QString handlerName;          // the handler as registered with the form ("cmdOneRod_Click")
    int elements = 4;             // elements of the button array; 0 computes, the others draw
    bool colourPerElement = true; // false: draw sets m_color itself per view (the one-rod panel)
    std::function<bool()> check;
    std::function<bool()> compute;
    std::function<bool(int index, automation::ErrObject& err)> draw;
    // Runs between the computation and the connection; false ends the element with nothing connected.
    std::function<bool(int index)> beforeConnect = {};
    bool releaseAfterCompute = false; // element 0 releases the drawing references at its normal end
};

void RunTypedButton(Form& form, int index, const TypedButtonSteps& steps);

} // namespace services
