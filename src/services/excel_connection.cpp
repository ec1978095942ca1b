#include "services/excel_connection.h"

namespace services {

void ConnectExcel(bool) {}
void CloseExcel() {}

} // namespace services
