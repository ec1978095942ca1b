// The program's execute-string topic on the session bus, standing in for a DDE source window.
//
// A client calls, on the bus name serviceName(application) and the object path "/" + topic:
//     Execute(s command)            runs the command string; always answered, never an error
//     Request(s item) -> s          the text of the item ("name" or "name(index)"), "" if unknown
//     Poke(s item, s text)          writes the item's text; an unknown item is ignored
// What the strings mean is the handler's business; this layer only carries them.
#pragma once

#include <QObject>
#include <QString>
#include <memory>

namespace dde {

// Implemented by the window that serves the topic.
class TopicHandler {
public:
    virtual ~TopicHandler() = default;
    virtual void execute(const QString& command) = 0;
    virtual QString request(const QString& item) = 0;
    virtual void poke(const QString& item, const QString& text) = 0;
};

// The D-Bus interface name of every topic.
inline constexpr const char* kInterface = "dde.Topic";

// The bus name of an application: "dde." and its name, with every character a bus name cannot hold
// replaced by "_" ("RIDE" gives "dde.RIDE").
QString serviceName(const QString& application);

class TopicObject;

class Server {
public:
    Server();
    ~Server();
    Server(const Server&) = delete;
    Server& operator=(const Server&) = delete;

    // Offers topic of application on the session bus with handler, which must outlive the server
    // or be withdrawn by stop(). False, and nothing offered, when there is no session bus or the
    // name is taken; the program then simply runs without the interface.
    bool start(const QString& application, const QString& topic, TopicHandler* handler);
    void stop();
    bool isRunning() const { return m_object != nullptr; }

private:
    std::unique_ptr<TopicObject> m_object;
    QString m_service;
    QString m_path;
};

} // namespace dde
