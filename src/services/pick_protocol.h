// The steps every drawing command runs around its picks: connect, bring the drawing to the front, pick, end.
//
// A command calls them in order:
//     if (!beginDrawingCommand(form, PanelKind::Picked)) return;     // connected, drawing in front
//     cad::Point p;
//     if (pickPoint(form, std::nullopt, prompts::TwoRodPickedFirst, p) != PickResult::Picked) return;
//     ... draw ...
//     endDrawingCommand();                                            // the normal end releases
// An early end keeps the references for the next command. Engines that skip some steps (preset
// points, no activation) call the single steps below instead of beginDrawingCommand.
#pragma once

#include "platform/automation/errors_resumed.h"
#include "platform/cad/geometry/point.h"

#include <QString>
#include <optional>

namespace services {

class Form;

enum class PanelKind {
    Typed,  // keeps a live connection that still has a drawing; failures before the picks are skipped
    Picked, // releases and reconnects; turns ortho off and sets OSMODE 7; failures before the picks end it
};

enum class PickResult {
    Picked,     // the point was written; go on
    Cancelled,  // Esc: "选点被取消。" shown, main window in front; end the command, keep the references
    Failed,     // any other failure: tip line cleared, main window in front; end the command quietly
};

// Release (picked panels always, typed ones when the kept connection has no drawing open any more),
// ConnectAutoCAD(form, true), which opens a drawing when none is; false when no engine could be reached.
bool connectForDrawing(Form& form, PanelKind kind);
// g_modelSpace and g_utility from the active drawing; a failure is recorded in err.
void takeDrawingObjects(automation::ErrObject& err);
// Brings the drawing window to the front and shows "切换至AutoCAD界面选点!"; a failure is recorded in err.
void bringDrawingToFront(Form& form, automation::ErrObject& err);
// The picked panels' aids: ortho off, OSMODE 7 (end point, mid point, centre); never restored.
void setPickingAids(automation::ErrObject& err);

// All of the above in order. Typed: true once connected (later failures are skipped). Picked: false
// also when taking the drawing objects, the activation or the aids failed (quiet end, no release).
bool beginDrawingCommand(Form& form, PanelKind kind);

// One GetPoint with an optional base point (rubber band from it). On success writes the point to
// form.state().m_pickedPoint and to out. Otherwise neither is written and the caller ends its command.
PickResult pickPoint(Form& form, const std::optional<cad::Point>& base, const QString& prompt, cad::Point& out);

// Brings the main window back to the front (errors ignored), as early ends do.
void returnToMainWindow(Form& form);

// The normal end of a drawing command: releases every reference (the drawing stays in front).
void endDrawingCommand();

} // namespace services
