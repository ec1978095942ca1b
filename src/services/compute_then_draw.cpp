// The button protocol of the typed-layout panels: element 0 computes, a drawing element recomputes first.
#include "services/compute_then_draw.h"

#include "services/acad_refs.h"
#include "services/colours.h"
#include "services/form.h"
#include "services/pick_protocol.h"

namespace services {

namespace {

// The ground range and the section take the ground colour, the range at the target height its own.
short colourOfElement(int index)
{
    return index == 2 ? kColorTarget : kColorGround;
}

} // namespace

void RunTypedButton(Form& form, int index, const TypedButtonSteps& steps)
{
    if (!steps.check())
        return;
    form.ShowMsg(QString());

    FormState& st = form.state();
    if (index == 0) {
        st.m_computed = false;
        bool done = false;
        try {
            done = steps.compute();
        } catch (const automation::AutomationError&) {
            done = false; // a failed step leaves the results incomplete: nothing may be drawn on them
        }
        st.m_computed = done;
        if (done && steps.releaseAfterCompute)
            endDrawingCommand();
        return;
    }
    if (index < 1 || index >= steps.elements)
        return;

    if (steps.colourPerElement)
        st.m_color = colourOfElement(index);
    form.runHandler(steps.handlerName, 0);
    if (!st.m_computed)
        return;
    if (steps.beforeConnect && !steps.beforeConnect(index))
        return;

    if (!connectForDrawing(form, PanelKind::Typed))
        return;
    automation::ErrObject err;
    takeDrawingObjects(err);
    if (steps.draw(index, err))
        endDrawingCommand();
}

} // namespace services
