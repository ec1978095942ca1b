// Registration of a topic on the session bus.
#include "platform/dde/dde_server.h"

#include "platform/dde/topic_object.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>

namespace dde {

QString serviceName(const QString& application)
{
    QString element;
    for (QChar ch : application) {
        const bool allowed = (ch >= QLatin1Char('A') && ch <= QLatin1Char('Z'))
            || (ch >= QLatin1Char('a') && ch <= QLatin1Char('z')) || (ch >= QLatin1Char('0') && ch <= QLatin1Char('9'))
            || ch == QLatin1Char('_') || ch == QLatin1Char('-');
        element += allowed ? ch : QLatin1Char('_');
    }
    // An element of a bus name may not be empty nor begin with a digit.
    if (element.isEmpty() || element.front().isDigit())
        element.prepend(QLatin1Char('_'));
    return QStringLiteral("dde.") + element;
}

Server::Server() = default;

Server::~Server() { stop(); }

bool Server::start(const QString& application, const QString& topic, TopicHandler* handler)
{
    stop();
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    const QString service = serviceName(application);
    const QString path = QLatin1Char('/') + topic;
    auto object = std::make_unique<TopicObject>(handler);
    if (!bus.registerObject(path, object.get(), QDBusConnection::ExportScriptableSlots))
        return false;
    if (!bus.registerService(service)) {
        bus.unregisterObject(path);
        return false;
    }
    m_object = std::move(object);
    m_service = service;
    m_path = path;
    return true;
}

void Server::stop()
{
    if (!m_object)
        return;
    m_object->detach();
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.unregisterService(m_service);
    bus.unregisterObject(m_path);
    m_object.reset();
}

} // namespace dde
