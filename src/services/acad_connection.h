// The connection to the drawing engine, kept in module-level references as the drawing commands expect.
#pragma once

namespace services {

class Form;

// Attaches to the running drawing engine or starts it (visible as asked, for a started one only), and
// makes sure a drawing is open (a new one from "RIDE.dwt" beside the executable). Shows its own tips;
// when the engine can be neither reached nor started g_acadApp stays nothing ("没有正确安装 AutoCAD").
// Does nothing while connected to a running engine. Never throws, and returns with no failure pending,
// the caller's included.
void ConnectAutoCAD(Form& form, bool visible);
// Drops every reference to the drawing engine; the engine keeps running with its drawings.
// Safe in any state; never throws, and returns with no failure pending, the caller's included.
void ReleaseAcadObjects();
// Returns after ms milliseconds, having handled the events of the GUI thread that arrived meanwhile.
void Wait(int ms);

} // namespace services
