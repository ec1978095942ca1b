// A client of an execute-string topic for tests: its own bus connection, so every call really
// travels through the bus daemon, and an event loop while it waits, so the server in the same
// process can answer.
#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QEventLoop>
#include <QTimer>
#include <QVariantList>

namespace ddetest {

class Client {
public:
    Client(QString service, QString path = QStringLiteral("/Main"))
        : m_bus(QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("dde-test-client"))),
          m_service(std::move(service)), m_path(std::move(path))
    {
    }

    bool connected() const { return m_bus.isConnected(); }

    // The reply message; its type is ErrorMessage when the call failed or timed out.
    QDBusMessage call(const QString& method, const QVariantList& args, int timeoutMs = 25000)
    {
        QDBusMessage msg = QDBusMessage::createMethodCall(m_service, m_path, QStringLiteral("dde.Topic"), method);
        msg.setArguments(args);
        QDBusPendingCallWatcher watcher(m_bus.asyncCall(msg, timeoutMs));
        if (!watcher.isFinished()) {
            QEventLoop loop;
            QObject::connect(&watcher, &QDBusPendingCallWatcher::finished, &loop, &QEventLoop::quit);
            QTimer::singleShot(timeoutMs + 1000, &loop, &QEventLoop::quit);
            loop.exec();
        }
        return watcher.reply();
    }

    bool execute(const QString& command) { return call(QStringLiteral("Execute"), {command}).type() == QDBusMessage::ReplyMessage; }

    QString request(const QString& item)
    {
        const QDBusMessage reply = call(QStringLiteral("Request"), {item});
        return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()
            ? reply.arguments().first().toString() : QStringLiteral("<no reply>");
    }

    bool poke(const QString& item, const QString& text)
    {
        return call(QStringLiteral("Poke"), {item, text}).type() == QDBusMessage::ReplyMessage;
    }

private:
    QDBusConnection m_bus;
    QString m_service;
    QString m_path;
};

} // namespace ddetest
