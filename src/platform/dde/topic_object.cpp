// Forwarding of bus calls to the topic handler, with no failure reaching the bus or the event loop.
#include "platform/dde/topic_object.h"

#include "platform/dde/dde_server.h"

#include <QtGlobal>
#include <exception>

namespace dde {

namespace {

// An exception must not unwind through Qt's event dispatch; the client still gets its answer.
template <typename F>
void guarded(const char* what, F&& f)
{
    try {
        f();
    } catch (const std::exception& e) {
        qWarning("dde: %s failed: %s", what, e.what());
    } catch (...) {
        qWarning("dde: %s failed", what);
    }
}

} // namespace

void TopicObject::Execute(const QString& command)
{
    if (m_handler)
        guarded("Execute", [&] { m_handler->execute(command); });
}

QString TopicObject::Request(const QString& item)
{
    QString answer;
    if (m_handler)
        guarded("Request", [&] { answer = m_handler->request(item); });
    return answer;
}

void TopicObject::Poke(const QString& item, const QString& text)
{
    if (m_handler)
        guarded("Poke", [&] { m_handler->poke(item, text); });
}

} // namespace dde
