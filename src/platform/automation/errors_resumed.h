// "Errors resumed": a failing automation statement is skipped, its number stays readable until cleared.
//
// Write the ported procedures one statement at a time:
//     ErrObject err;
//     resume(err, [&] { g_modelSpace = doc.ModelSpace(); });
//     if (resumeIf(err, [&] { return app.Documents().Count() == 0; })) { ... }
// Only AutomationError is recorded; any other exception is a bug and propagates.
#pragma once

#include "platform/automation/automation_error.h"

#include <QString>
#include <cstdint>
#include <type_traits>
#include <utility>

namespace automation {

class ErrObject {
public:
    std::int32_t number() const noexcept { return m_number; }
    QString description() const { return m_description; }
    bool failed() const noexcept { return m_number != 0; }
    void clear() noexcept { m_number = 0; m_description.clear(); }
    void record(const AutomationError& e) { m_number = e.number(); m_description = e.description(); }
    // Raises the recorded failure again, as the caller's own (the platform's "re-raise").
    [[noreturn]] void raise() const { throw AutomationError(m_number, m_description); }

private:
    std::int32_t m_number = 0;
    QString m_description;
};

// Runs one statement; a failure is recorded in err and execution goes on. Returns true when it ran through.
template <typename Statement>
bool resume(ErrObject& err, Statement&& statement)
{
    try {
        std::forward<Statement>(statement)();
        return true;
    } catch (const AutomationError& e) {
        err.record(e);
        return false;
    }
}

// A condition under errors resumed: when evaluating it fails, execution resumes at the next
// statement, which is the first one inside the block, so the block is entered.
template <typename Condition>
bool resumeIf(ErrObject& err, Condition&& condition)
{
    try {
        return static_cast<bool>(std::forward<Condition>(condition)());
    } catch (const AutomationError& e) {
        err.record(e);
        return true;
    }
}

// Reads a value under errors resumed: on failure the target keeps what it held.
template <typename T, typename Getter>
bool resumeAssign(ErrObject& err, T& target, Getter&& getter)
{
    return resume(err, [&] { target = std::forward<Getter>(getter)(); });
}

} // namespace automation
