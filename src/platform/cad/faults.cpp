// The process-wide table of injected failures.
#include "platform/cad/faults.h"

#include "platform/automation/automation_error.h"

namespace cad {

void Faults::failNext(const QString& member, std::int32_t number) { m_pending.emplace(member, number); }

void Faults::failAlways(const QString& member, std::int32_t number) { m_always[member] = number; }

void Faults::reset()
{
    m_pending.clear();
    m_always.clear();
}

void Faults::check(const char* member)
{
    if (empty())
        return;
    const QString name = QString::fromLatin1(member);
    if (auto it = m_always.find(name); it != m_always.end())
        throw automation::AutomationError(it->second, QStringLiteral("injected failure of ") + name);
    if (auto it = m_pending.find(name); it != m_pending.end()) {
        const auto number = it->second;
        m_pending.erase(it);
        throw automation::AutomationError(number, QStringLiteral("injected failure of ") + name);
    }
}

Faults& faults()
{
    static Faults table;
    return table;
}

} // namespace cad
