// The connection to the drawing engine, kept in module-level references as the drawing commands expect.
#pragma once

namespace services {

class Form;

// Attaches to the running drawing engine or starts it, and makes sure a drawing is open.
void ConnectAutoCAD(Form& form, bool visible);
// Drops every reference to the drawing engine; the engine keeps running with its drawings.
void ReleaseAcadObjects();

} // namespace services
