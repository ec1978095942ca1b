// The topic on the bus: calls reach the handler whole and are always answered.
#include "platform/dde/dde_client.h"
#include "platform/dde/dde_server.h"

#include <QCoreApplication>
#include <QStringList>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

class RecordingHandler : public dde::TopicHandler {
public:
    void execute(const QString& command) override
    {
        executed << command;
        if (command == QLatin1String("throw"))
            throw std::runtime_error("handler failed");
    }
    QString request(const QString& item) override
    {
        if (item == QLatin1String("throw"))
            throw std::runtime_error("handler failed");
        return items.value(item);
    }
    void poke(const QString& item, const QString& text) override { items.insert(item, text); }

    QStringList executed;
    QHash<QString, QString> items;
};

QString uniqueApplication() { return QStringLiteral("RIDEtest%1").arg(QCoreApplication::applicationPid()); }

TEST(DdeServer, ServiceNameIsMadeFromTheApplicationName)
{
    EXPECT_EQ(dde::serviceName(QStringLiteral("RIDE")), QStringLiteral("dde.RIDE"));
    EXPECT_EQ(dde::serviceName(QStringLiteral("my prog.v2")), QStringLiteral("dde.my_prog_v2"));
    EXPECT_EQ(dde::serviceName(QStringLiteral("2RIDE")), QStringLiteral("dde._2RIDE"));
    EXPECT_EQ(dde::serviceName(QString()), QStringLiteral("dde._"));
}

TEST(DdeServer, CallsTravelOverTheBusToTheHandler)
{
    RecordingHandler handler;
    dde::Server server;
    ASSERT_TRUE(server.start(uniqueApplication(), QStringLiteral("Main"), &handler));
    ddetest::Client client(dde::serviceName(uniqueApplication()));
    ASSERT_TRUE(client.connected());

    const QString withBars = QString::fromUtf8("CLIENT|a|b|提示 ");
    EXPECT_TRUE(client.execute(withBars));
    EXPECT_TRUE(client.execute(QString()));
    EXPECT_TRUE(client.poke(QStringLiteral("txtA(1)"), QStringLiteral("12.5")));
    EXPECT_EQ(client.request(QStringLiteral("txtA(1)")), QStringLiteral("12.5"));
    EXPECT_EQ(client.request(QStringLiteral("unknown")), QString());
    EXPECT_EQ(handler.executed, (QStringList{withBars, QString()}));
}

TEST(DdeServer, HandlerFailuresStillGetAnAnswer)
{
    RecordingHandler handler;
    dde::Server server;
    ASSERT_TRUE(server.start(uniqueApplication(), QStringLiteral("Main"), &handler));
    ddetest::Client client(dde::serviceName(uniqueApplication()));

    EXPECT_TRUE(client.execute(QStringLiteral("throw")));
    EXPECT_EQ(client.request(QStringLiteral("throw")), QString());
    EXPECT_TRUE(client.execute(QStringLiteral("after")));
    EXPECT_EQ(handler.executed.last(), QStringLiteral("after"));
}

TEST(DdeServer, StoppedServerIsGoneFromTheBus)
{
    RecordingHandler handler;
    {
        dde::Server server;
        ASSERT_TRUE(server.start(uniqueApplication(), QStringLiteral("Main"), &handler));
    }
    ddetest::Client client(dde::serviceName(uniqueApplication()));
    EXPECT_EQ(client.call(QStringLiteral("Execute"), {QStringLiteral("SHOW|x")}, 2000).type(),
              QDBusMessage::ErrorMessage);
    EXPECT_TRUE(handler.executed.isEmpty());
}

} // namespace
