// Error numbers of the spreadsheet stand-in beyond the common automation ones.
#pragma once

#include "platform/automation/automation_error.h"

namespace sheet::errors {

// The spreadsheet's own refusal ("application-defined error"): a file that is no readable workbook, a cell address outside the sheet.
constexpr std::int32_t ApplicationDefined = automation::errors::fromHex(0x800A03EC);

} // namespace sheet::errors
