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

class ErrObject;

namespace detail {
// The innermost error object alive on this thread; each links to the one made before it. A plain
// pointer, so an error object that outlives the thread's other objects still unlinks safely.
inline thread_local ErrObject* t_innermostErrObject = nullptr;
} // namespace detail

class ErrObject {
public:
    ErrObject() { link(); }
    ErrObject(const ErrObject& other) : m_number(other.m_number), m_description(other.m_description) { link(); }
    ErrObject& operator=(const ErrObject& other)
    {
        m_number = other.m_number;
        m_description = other.m_description;
        return *this;
    }
    ~ErrObject() { unlink(); }

    // The innermost error object alive on this thread (the caller's, seen from a routine that has
    // none of its own yet), or nullptr.
    static ErrObject* innermost() { return detail::t_innermostErrObject; }

    std::int32_t number() const noexcept { return m_number; }
    QString description() const { return m_description; }
    bool failed() const noexcept { return m_number != 0; }
    void clear() noexcept { m_number = 0; m_description.clear(); }
    void record(const AutomationError& e) { m_number = e.number(); m_description = e.description(); }
    // Raises the recorded failure again, as the caller's own (the platform's "re-raise").
    [[noreturn]] void raise() const { throw AutomationError(m_number, m_description); }

private:
    void link()
    {
        m_outer = detail::t_innermostErrObject;
        detail::t_innermostErrObject = this;
    }
    // Error objects usually end in reverse order of their making; one that does not is found in the chain.
    void unlink()
    {
        if (detail::t_innermostErrObject == this) {
            detail::t_innermostErrObject = m_outer;
            return;
        }
        for (ErrObject* e = detail::t_innermostErrObject; e; e = e->m_outer) {
            if (e->m_outer == this) {
                e->m_outer = m_outer;
                return;
            }
        }
    }

    std::int32_t m_number = 0;
    QString m_description;
    ErrObject* m_outer = nullptr;
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

// Routines that leave no failure pending, the caller's included, declare one of these first: when the
// routine returns, the innermost error object still alive (its own are gone by then) is cleared.
class ClearsCallersError {
public:
    ClearsCallersError() = default;
    ClearsCallersError(const ClearsCallersError&) = delete;
    ClearsCallersError& operator=(const ClearsCallersError&) = delete;
    ~ClearsCallersError()
    {
        if (ErrObject* callers = ErrObject::innermost())
            callers->clear();
    }
};

} // namespace automation
