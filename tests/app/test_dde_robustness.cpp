// Thousands of random execute strings: every one is answered and the window keeps answering.
#include "app/link_execute_topic.h"
#include "app/main_window.h"
#include "app/tip_line.h"
#include "platform/dde/dde_client.h"

#include <QCoreApplication>
#include <QLabel>
#include <QRandomGenerator>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

// Random strings built from the pieces that matter: command words in any case and with blanks,
// control names that exist and that do not, indexes and values of every odd form, stray bars.
// Only controls whose action cannot wait for the user are named, so no call can block.
class RandomCommands {
public:
    explicit RandomCommands(quint32 seed) : m_gen(seed) {}

    QString next()
    {
        switch (m_gen.bounded(40)) {
        case 0: case 1: return QString();
        case 2: case 3: case 4: return noise(m_gen.bounded(1, 200));
        case 5: return pick(m_words) + QLatin1Char('|') + noise(50).repeated(m_gen.bounded(2000, 20000)); // huge
        case 6: case 7: return QString(m_gen.bounded(1, 50), QLatin1Char('|'));
        default: break;
        }
        QStringList parts{pick(m_words)};
        const int fields = m_gen.bounded(0, 6);
        for (int i = 0; i < fields; ++i)
            parts << (i == 0 ? pick(m_names) : pick(m_numbers));
        return parts.join(QLatin1Char('|'));
    }

private:
    QString pick(const QStringList& list) { return list.at(m_gen.bounded(int(list.size()))); }

    QString noise(int length)
    {
        QString s;
        s.reserve(length);
        for (int i = 0; i < length; ++i) {
            const char16_t ch = m_gen.bounded(4) == 0 ? char16_t(m_gen.bounded(0x20, 0xD7FF)) : char16_t(m_gen.bounded(0x20, 0x7F));
            s += QChar(ch);
        }
        return s;
    }

    QRandomGenerator m_gen;
    const QStringList m_words{QStringLiteral("EXECUTE"), QStringLiteral("execute"), QStringLiteral("SHOW"),
                              QStringLiteral("Client"), QStringLiteral("COMMAND"), QStringLiteral("MEMORY"),
                              QStringLiteral(" EXECUTE"), QStringLiteral("EXECUTE "), QStringLiteral(""),
                              QStringLiteral("XYZZY"), QString::fromUtf8("执行")};
    const QStringList m_names{QStringLiteral("comClass"), QStringLiteral("picShow"), QStringLiteral("fraFrame"),
                              QStringLiteral("lblClass"), QStringLiteral("lblTips"), QStringLiteral("tmrDelete"),
                              QStringLiteral("mnuBuildDesign"), QStringLiteral("mnuBuildFrequency"),
                              QStringLiteral("mnuExit"), QStringLiteral("mnuAbout"), QStringLiteral("mnuTool"),
                              QStringLiteral("cmdTest"), QStringLiteral("fraType"), QStringLiteral("imgType"),
                              QStringLiteral("lblType"), QStringLiteral("txtType"), QStringLiteral("COMCLASS"),
                              QStringLiteral("nothing"), QString(), QStringLiteral(" "), QStringLiteral("(0)")};
    const QStringList m_numbers{QStringLiteral("0"), QStringLiteral("-1"), QStringLiteral("1.5"), QStringLiteral("2.5"),
                                QStringLiteral("18"), QStringLiteral("19"), QStringLiteral("32767"), QStringLiteral("32768"),
                                QStringLiteral("-32769"), QStringLiteral("1e300"), QStringLiteral("-2"), QStringLiteral("abc"),
                                QStringLiteral(""), QStringLiteral(" 3 "), QStringLiteral("nan"), QStringLiteral("0x10")};
};

} // namespace

TEST(DdeRobustness, EveryRandomExecuteStringIsAnsweredAndTheWindowStaysResponsive)
{
    app::MainWindowOptions options;
    options.random = [] { return 0.5; };
    app::MainWindow window(options);
    const QString application = QStringLiteral("RIDEtest%1").arg(QCoreApplication::applicationPid());
    app::LinkExecuteTopic topic(window, application);
    ASSERT_TRUE(topic.isOffered());
    ddetest::Client client(dde::serviceName(application));

    RandomCommands commands(20261210);
    int unanswered = 0;
    for (int i = 0; i < 3000; ++i) {
        const QString command = commands.next();
        if (!client.execute(command)) {
            ++unanswered;
            ADD_FAILURE() << "no answer to: " << qPrintable(command.left(80));
        }
    }
    EXPECT_EQ(unanswered, 0);

    ASSERT_TRUE(client.execute(QStringLiteral("SHOW|still here")));
    EXPECT_EQ(client.request(QStringLiteral("lblTips")), app::tipCaption(QStringLiteral("still here")));
    EXPECT_EQ(window.controls().label(QStringLiteral("lblTips"))->text(), app::tipCaption(QStringLiteral("still here")));
}
