// The one definition of the shared drawing-engine references.
#include "services/acad_refs.h"

namespace services {

cad::Application g_acadApp;
cad::ModelSpace g_modelSpace;
cad::Utility g_utility;
cad::Entity g_lastLine;
cad::Entity g_lastText;
cad::Entity g_lastCircle;
cad::Entity g_lastEntity;
cad::Point g_sphereCentre{};
EntityHandle g_lastHandle;

} // namespace services
