// Fault injection for tests: the next call of a named member fails with a chosen error number.
#pragma once

#include <QString>
#include <cstdint>
#include <map>

namespace cad {

class Faults {
public:
    // The next call of `member` ("AddArc", "Color", "setColor", "GetPoint", ...) anywhere throws
    // AutomationError(number). Calling it again for the same member queues a further failure.
    void failNext(const QString& member, std::int32_t number);
    // Every call of `member` fails until reset.
    void failAlways(const QString& member, std::int32_t number);
    void reset();
    // Throws when a failure is pending for `member`; called at the start of every member.
    void check(const char* member);
    bool empty() const { return m_pending.empty() && m_always.empty(); }

private:
    std::multimap<QString, std::int32_t> m_pending;
    std::map<QString, std::int32_t> m_always;
};

// The process-wide fault table.
Faults& faults();

} // namespace cad
