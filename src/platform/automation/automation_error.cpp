// An automation call that failed: its error number, and a text naming the number when it has no description.
#include "platform/automation/automation_error.h"

namespace automation {

AutomationError::AutomationError(std::int32_t number, const QString& description)
    : std::runtime_error(description.isEmpty() ? "automation error " + std::to_string(number)
                                               : description.toStdString()),
      m_number(number), m_description(description)
{
}

} // namespace automation
