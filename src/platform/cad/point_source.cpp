// The scripted answer source that tests put in place of the engineer.
#include "platform/cad/point_source.h"

#include "platform/automation/automation_error.h"

namespace cad {

using automation::AutomationError;
namespace errors = automation::errors;

ScriptedPointSource& ScriptedPointSource::point(double x, double y, double z) { return point(Point{x, y, z}); }

ScriptedPointSource& ScriptedPointSource::point(const Point& p)
{
    m_queue.emplace_back(p);
    return *this;
}

ScriptedPointSource& ScriptedPointSource::string(const QString& text)
{
    m_queue.emplace_back(text);
    return *this;
}

ScriptedPointSource& ScriptedPointSource::cancel()
{
    m_queue.emplace_back(Cancel{});
    return *this;
}

ScriptedPointSource& ScriptedPointSource::fail(std::int32_t number)
{
    m_queue.emplace_back(Failure{number});
    return *this;
}

void ScriptedPointSource::clear()
{
    m_queue.clear();
    m_prompts.clear();
    m_bases.clear();
    m_unanswered = 0;
}

ScriptedPointSource::Answer ScriptedPointSource::next()
{
    if (m_queue.empty()) {
        ++m_unanswered;
        return Cancel{};
    }
    Answer a = std::move(m_queue.front());
    m_queue.pop_front();
    return a;
}

namespace {
[[noreturn]] void throwFor(const ScriptedPointSource::Answer& a)
{
    if (auto f = std::get_if<ScriptedPointSource::Failure>(&a))
        throw AutomationError(f->number, QStringLiteral("scripted failure"));
    throw AutomationError(errors::UserCancelled, QStringLiteral("cancelled"));
}
} // namespace

Point ScriptedPointSource::getPoint(const Document&, std::optional<Point> base, const QString& prompt)
{
    m_prompts.push_back(prompt);
    m_bases.push_back(base);
    const Answer a = next();
    if (auto p = std::get_if<Point>(&a))
        return *p;
    if (std::holds_alternative<QString>(a))
        ++m_unanswered;   // the script expected a string here
    throwFor(a);
}

QString ScriptedPointSource::getString(const Document&, bool, const QString& prompt)
{
    m_prompts.push_back(prompt);
    const Answer a = next();
    if (auto s = std::get_if<QString>(&a))
        return *s;
    if (std::holds_alternative<Point>(a))
        ++m_unanswered;
    throwFor(a);
}

} // namespace cad
