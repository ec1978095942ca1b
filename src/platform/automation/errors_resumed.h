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
#include <algorithm>
#include <cstdint>
#include <type_traits>
#include <utility>
#include <vector>

namespace automation {

class ErrObject;

namespace detail {
// The error objects alive on this thread, oldest first: the last one is the innermost caller's.
inline thread_local std::vector<ErrObject*> t_liveErrObjects;
} // namespace detail

class ErrObject {
public:
    ErrObject() { detail::t_liveErrObjects.push_back(this); }
    ErrObject(const ErrObject& other) : m_number(other.m_number), m_description(other.m_description)
    {
        detail::t_liveErrObjects.push_back(this);
    }
    ErrObject& operator=(const ErrObject& other)
    {
        m_number = other.m_number;
        m_description = other.m_description;
        return *this;
    }
    ~ErrObject()
    {
        auto& live = detail::t_liveErrObjects;
        const auto it = std::find(live.rbegin(), live.rend(), this);
        if (it != live.rend())
            live.erase(std::next(it).base());
    }

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

// Routines that leave no failure pending, the caller's included, declare one of these first: when the
// routine returns, the innermost error object still alive (its own are gone by then) is cleared.
class ClearsCallersError {
public:
    ClearsCallersError() = default;
    ClearsCallersError(const ClearsCallersError&) = delete;
    ClearsCallersError& operator=(const ClearsCallersError&) = delete;
    ~ClearsCallersError()
    {
        if (!detail::t_liveErrObjects.empty())
            detail::t_liveErrObjects.back()->clear();
    }
};

} // namespace automation
