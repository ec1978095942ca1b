// The module-level references to the drawing engine that every drawing command shares, kept in one place.
#pragma once

#include "platform/cad/application.h"
#include "platform/cad/document.h"
#include "platform/cad/entity.h"

#include <QString>

namespace services {

// An entity's handle text; kNoEntity stands for "no entity" (an arc that was not drawn).
using EntityHandle = QString;
inline const EntityHandle kNoEntity = QStringLiteral("-1");

// Each is "nothing" until set and again after ReleaseAcadObjects.
extern cad::Application g_acadApp;   // set by ConnectAutoCAD
extern cad::ModelSpace g_modelSpace; // the active drawing's model space, taken by each drawing command
extern cad::Utility g_utility;       // the active drawing's utility (GetPoint), taken with g_modelSpace
extern cad::Entity g_lastLine;       // the line a drawing command added last
extern cad::Entity g_lastText;       // the text a drawing command added last
extern cad::Entity g_lastCircle;     // the circle a drawing command added last
extern cad::Entity g_lastEntity;     // the arc of the last DrawArc that drew one (set by DrawArc only)
extern cad::Point g_sphereCentre;    // the rolling sphere's centre found for the current pair

// Every caller moves each DrawArc result here at once, kNoEntity included. Never cleared by the release.
extern EntityHandle g_lastHandle;

} // namespace services
