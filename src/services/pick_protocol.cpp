// The connect / front / pick / end steps shared by every drawing command.
#include "services/pick_protocol.h"

#include "platform/automation/automation_error.h"
#include "platform/desktop/window_activation.h"
#include "services/acad_connection.h"
#include "services/acad_refs.h"
#include "services/form.h"
#include "services/pick_prompts.h"

namespace services {

using automation::ErrObject;
using automation::resume;
using automation::resumeIf;
namespace errors = automation::errors;

namespace {

// A connection kept from an earlier command to an engine whose last drawing has since been closed.
bool connectedWithoutDrawing()
{
    ErrObject err;
    return resumeIf(err, [] { return g_acadApp.isAlive() && g_acadApp.Documents().Count() == 0; });
}

} // namespace

bool connectForDrawing(Form& form, PanelKind kind)
{
    // Connecting afresh opens a drawing from the template when none is open. The picked panels always
    // do; a typed command does when its kept connection has no drawing left, or it would have nothing
    // to draw in and end without a word.
    if (kind == PanelKind::Picked || connectedWithoutDrawing())
        ReleaseAcadObjects();
    ConnectAutoCAD(form, true);
    return !g_acadApp.isNothing();
}

void takeDrawingObjects(ErrObject& err)
{
    resume(err, [] { g_modelSpace = g_acadApp.ActiveDocument().ModelSpace(); });
    resume(err, [] { g_utility = g_acadApp.ActiveDocument().Utility(); });
}

void bringDrawingToFront(Form& form, ErrObject& err)
{
    resume(err, [] { desktop::AppActivate(g_acadApp.Caption()); });
    form.ShowMsg(tips::SwitchToDrawing);
}

void setPickingAids(ErrObject& err)
{
    resume(err, [] { g_acadApp.ActiveDocument().ActiveViewport().setOrthoOn(false); });
    resume(err, [] { g_acadApp.ActiveDocument().SetVariable(QStringLiteral("OSMODE"), QVariant::fromValue<short>(7)); });
}

bool beginDrawingCommand(Form& form, PanelKind kind)
{
    if (!connectForDrawing(form, kind))
        return false;
    ErrObject err;
    takeDrawingObjects(err);
    bringDrawingToFront(form, err);
    if (kind == PanelKind::Picked) {
        setPickingAids(err);
        if (err.failed())
            return false;
    }
    return true;
}

PickResult pickPoint(Form& form, const std::optional<cad::Point>& base, const QString& prompt, cad::Point& out)
{
    ErrObject err;
    cad::Point picked{};
    resume(err, [&] { picked = g_utility.GetPoint(base, prompt); });
    if (!err.failed()) {
        form.state().m_pickedPoint = picked;
        out = picked;
        return PickResult::Picked;
    }
    if (err.number() == errors::UserCancelled) {
        form.ShowMsg(tips::PickCancelled);
        returnToMainWindow(form);
        return PickResult::Cancelled;
    }
    // Any other failure: no point to draw at. Drawing at a point left over from an earlier pick
    // would put the zone in the wrong place, so the command ends instead.
    form.ShowMsg(QString());
    returnToMainWindow(form);
    return PickResult::Failed;
}

void returnToMainWindow(Form& form)
{
    ErrObject err;
    resume(err, [&] { desktop::AppActivate(form.caption()); });
}

void endDrawingCommand() { ReleaseAcadObjects(); }

} // namespace services
