// The object exported on the bus for one topic: forwards each call to the topic's handler.
#pragma once

#include <QObject>
#include <QString>

namespace dde {

class TopicHandler;

class TopicObject : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "dde.Topic")
public:
    explicit TopicObject(TopicHandler* handler) : m_handler(handler) {}
    void detach() { m_handler = nullptr; }

public slots:
    // A client's call is answered whatever happens inside: the reply is the acknowledgement.
    Q_SCRIPTABLE void Execute(const QString& command);
    Q_SCRIPTABLE QString Request(const QString& item);
    Q_SCRIPTABLE void Poke(const QString& item, const QString& text);

private:
    TopicHandler* m_handler;
};

} // namespace dde
