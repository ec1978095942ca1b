#include "services/acad_connection.h"

namespace services {

void ConnectAutoCAD(Form&, bool) {}
void ReleaseAcadObjects() {}

} // namespace services
