// The one bounds check of the lists that the drawing commands index: past an end is "subscript out of range".
#pragma once

#include "platform/automation/automation_error.h"

#include <QString>

namespace services {

// Raises the resumable automation error 9 unless 0 <= index < count. Inside an errors-resumed step the
// step is then skipped and its target keeps its value, as the drawing procedures expect.
inline void checkSubscript(long long index, long long count)
{
    if (index < 0 || index >= count)
        throw automation::AutomationError(automation::errors::SubscriptOutOfRange,
                                          QStringLiteral("subscript out of range"));
}

} // namespace services
