// Execute strings, Request and Poke sent to the real window over a private session bus.
#include "app/link_execute_controls.h"
#include "app/link_execute_look.h"
#include "app/link_execute_topic.h"
#include "app/main_window.h"
#include "app/tip_line.h"
#include "platform/dde/dde_client.h"
#include "support/main_window_fixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using app::MainWindow;

namespace {

QString u8(const char* s) { return QString::fromUtf8(s); }

class DdeExecute : public testing::Test {
protected:
    DdeExecute()
        : window(testsupport::firstPanel(3)),
          application(QStringLiteral("RIDEtest%1").arg(QCoreApplication::applicationPid())),
          topic(window, application),
          client(dde::serviceName(application))
    {
    }

    QString tips() { return window.controls().label(QStringLiteral("lblTips"))->text(); }
    QComboBox* comClass(int i) { return window.controls().comboBox(QStringLiteral("comClass"), i); }
    void send(const QString& command) { ASSERT_TRUE(client.execute(command)) << qPrintable(command); }

    MainWindow window;
    QString application;
    app::LinkExecuteTopic topic;
    ddetest::Client client;
};

TEST_F(DdeExecute, TipLineCommands)
{
    ASSERT_TRUE(topic.isOffered());
    struct Case { QString command; QString tip; };
    const QString before = app::tipCaption(QStringLiteral("before"));
    const Case cases[] = {
        {u8("SHOW|请输入数据"), app::tipCaption(u8("请输入数据"))},
        {QStringLiteral("show|lower case"), app::tipCaption(QStringLiteral("lower case"))},
        {QStringLiteral("Client|a|b|c"), app::tipCaption(QStringLiteral("a|b|c"))},
        {QStringLiteral("SHOW|"), QString()},
        {QStringLiteral("SHOW"), app::tipCaption(QStringLiteral("SHOW"))},
        {QStringLiteral(" SHOW|blank before the word"), before},
        {QStringLiteral("SHOW |blank after the word"), before},
        {QStringLiteral("COMMAND|x"), before},
        {QStringLiteral("MEMORY|x"), before},
        {QStringLiteral("PRINT|x"), before},
        {QString(), before},
    };
    for (const Case& c : cases) {
        window.ShowMsg(QStringLiteral("before"));
        send(c.command);
        EXPECT_EQ(tips(), c.tip) << qPrintable(c.command);
    }
}

TEST_F(DdeExecute, ComboSelectionFollowsTheValueField)
{
    struct Case { QString command; int combo; int listIndex; };
    const Case cases[] = {
        {QStringLiteral("EXECUTE|comClass|0|2"), 0, 2},
        {QStringLiteral("EXECUTE|comClass|0"), 0, 0},
        {QStringLiteral("EXECUTE|comClass|0|-1"), 0, -1},
        {QStringLiteral("EXECUTE|comClass|0|3"), 0, -1},        // refused: keeps the selection it had
        {QStringLiteral("EXECUTE| comClass | 4 | 1 "), 4, 1},   // fields are trimmed
        {QStringLiteral("execute|comClass|1.5|2"), 2, 2},      // index rounded to the even neighbour
        {QStringLiteral("EXECUTE|comclass|5|2"), 5, 0},        // names compare case-sensitively
        {QStringLiteral("EXECUTE|comClass|13|2"), 12, 0},      // no such element
    };
    for (const Case& c : cases) {
        send(c.command);
        EXPECT_EQ(comClass(c.combo)->currentIndex(), c.listIndex) << qPrintable(c.command);
    }
    EXPECT_TRUE(comClass(0)->currentText().isEmpty());
    send(QStringLiteral("EXECUTE|comClass|0|1"));
    EXPECT_EQ(comClass(0)->currentText(), u8("第二类  Hr=45米"));

    // -1: the first of that name in design order.
    const services::Control* first = app::FindControl(window.controls(), QStringLiteral("comClass"), -1);
    ASSERT_TRUE(first);
    send(QStringLiteral("EXECUTE|comClass|-1|2"));
    EXPECT_EQ(qobject_cast<QComboBox*>(first->object.data())->currentIndex(), 2);
}

TEST_F(DdeExecute, ComboSelectionRunsItsClickHandler)
{
    int clicked = -2;
    QObject::connect(comClass(3), &QComboBox::activated, [&](int i) { clicked = i; });
    send(QStringLiteral("EXECUTE|comClass|3|1"));
    EXPECT_EQ(clicked, 1);
}

TEST_F(DdeExecute, OnlyTheTwoBuildingsMenuItemsRun)
{
    struct Case { QString command; int panel; };
    const Case cases[] = {
        {QStringLiteral("EXECUTE|mnuBuildDesign|-1"), 8},
        {QStringLiteral("EXECUTE|mnuBuildFrequency"), 8},      // index 0 on an item that is no array
        {QStringLiteral("EXECUTE|mnuBuildFrequency|-1"), 1},
        {QStringLiteral("EXECUTE|mnuOneRod|-1"), 1},
        {QStringLiteral("EXECUTE|mnuExit|-1"), 1},
        {QStringLiteral("EXECUTE|mnuBuild|-1"), 1},
        {QStringLiteral("EXECUTE|fraFrame|5"), 1},             // frames do nothing
        {QStringLiteral("EXECUTE|cmdTest|-1"), 8},             // the test button runs MenuExecute
    };
    for (const Case& c : cases) {
        send(c.command);
        EXPECT_EQ(window.shownPanel(), c.panel) << qPrintable(c.command);
    }
}

TEST_F(DdeExecute, EnablingTheTimerKeepsARunningTimerRunning)
{
    QTimer* timer = window.tipTimer();
    timer->start(2000);
    window.ShowMsg(QStringLiteral("cleared by the timer"));
    QTest::qWait(1000);
    send(QStringLiteral("EXECUTE|tmrDelete|-1"));
    EXPECT_TRUE(timer->isActive());
    // Due in about a second; a restarted interval would take two.
    EXPECT_TRUE(QTest::qWaitFor([&] { return tips().isEmpty(); }, 1800)) << "the interval must not start again";

    timer->stop();
    send(QStringLiteral("EXECUTE|tmrDelete|-1"));
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 2000);
}

TEST_F(DdeExecute, PicturesAndLabelsGetTheBorderOfTheChosenOne)
{
    auto border = [&](const char* name, int i) { return app::borderStyle(window.controls().widget(QLatin1String(name), i)); };
    send(QStringLiteral("EXECUTE|picShow|2"));
    for (int i = 0; i < MainWindow::kPanelCount; ++i)
        EXPECT_EQ(border("picShow", i), i == 2 ? 1 : 0) << i;
    send(QStringLiteral("EXECUTE|picShow|7"));
    EXPECT_EQ(border("picShow", 2), 0);
    EXPECT_EQ(border("picShow", 7), 1);

    // A label that is no array: only -1 reaches it, and no other control is touched.
    send(QStringLiteral("EXECUTE|lblTips|0"));
    EXPECT_EQ(app::borderStyle(window.controls().widget(QStringLiteral("lblTips"))), 0);
    send(QStringLiteral("EXECUTE|lblTips|-1"));
    EXPECT_EQ(app::borderStyle(window.controls().widget(QStringLiteral("lblTips"))), 1);
    EXPECT_EQ(border("picShow", 7), 1);

    // Divider lines are lines, not labels with a border.
    send(QStringLiteral("EXECUTE|linDivide|1"));
    for (int i = 0; i <= 1; ++i)
        EXPECT_TRUE(app::isLine(window.controls().widget(QStringLiteral("linDivide"), i))) << i;
}

TEST_F(DdeExecute, SteelTypeSelectorAndThePairingOfTheAngleSteelBoxes)
{
    auto w = [&](const char* name, int i) { return window.controls().widget(QLatin1String(name), i); };
    // The look of a size box: border, back colour, enabled.
    struct Look { int border; bool windowColour; bool enabled; };
    auto look = [&](int i) {
        QWidget* box = w("txtType", i);
        return Look{app::borderStyle(box), app::backColor(box) == app::windowBackgroundColor(), box->isEnabled()};
    };
    auto expectLooks = [&](const char* after, std::initializer_list<Look> expected) {
        int i = 0;
        for (const Look& e : expected) {
            const Look l = look(i);
            EXPECT_EQ(l.border, e.border) << after << " txtType(" << i << ")";
            EXPECT_EQ(l.windowColour, e.windowColour) << after << " txtType(" << i << ")";
            EXPECT_EQ(l.enabled, e.enabled) << after << " txtType(" << i << ")";
            ++i;
        }
    };

    send(QStringLiteral("EXECUTE|imgType|2"));
    for (int i = 0; i <= 3; ++i)
        EXPECT_EQ(app::borderStyle(w("imgType", i)), i == 2 ? 1 : 0) << i;
    EXPECT_TRUE(w("txtType", 0)->isEnabled()) << "no click handler runs";
    EXPECT_FALSE(w("txtType", 2)->isEnabled());

    const Look off{0, false, false};
    send(QStringLiteral("EXECUTE|txtType|4"));
    expectLooks("txtType 4", {off, off, off, {1, true, true}, {1, true, true}});
    send(QStringLiteral("EXECUTE|txtType|3"));
    expectLooks("txtType 3", {off, off, off, {0, false, false}, off});
    send(QStringLiteral("EXECUTE|txtType|1"));
    expectLooks("txtType 1", {off, {1, true, true}, off, off, off});

    // The label of the second width follows the first, after any EXECUTE, even one that finds nothing.
    send(QStringLiteral("EXECUTE|lblType|4"));
    EXPECT_EQ(app::borderStyle(w("lblType", 3)), 1);
    app::setBorderStyle(w("lblType", 4), 0);
    send(QStringLiteral("EXECUTE|noSuchControl|0"));
    EXPECT_EQ(app::borderStyle(w("lblType", 3)), 0);
    w("txtType", 4)->setEnabled(true);
    send(QStringLiteral("EXECUTE|noSuchControl|0"));
    EXPECT_TRUE(w("txtType", 3)->isEnabled());
    // Only EXECUTE pairs them.
    w("txtType", 4)->setEnabled(false);
    send(QStringLiteral("SHOW|x"));
    EXPECT_TRUE(w("txtType", 3)->isEnabled());
}

TEST_F(DdeExecute, SingleTextBoxAndThePanelButtons)
{
    QWidget* td = window.controls().widget(QStringLiteral("txtTD"));
    td->setEnabled(false);
    QWidget* other = window.controls().widget(QStringLiteral("txtOneRodIn"), 0);
    send(QStringLiteral("EXECUTE|txtTD|-1"));
    EXPECT_TRUE(td->isEnabled());
    EXPECT_EQ(app::borderStyle(td), 1);
    EXPECT_EQ(app::backColor(td), app::windowBackgroundColor());
    EXPECT_TRUE(other->isEnabled());
    EXPECT_EQ(app::borderStyle(other), 1);

    QList<int> clicks;
    for (int i = 0; i <= 1; ++i) {
        auto* b = window.controls().button(QStringLiteral("cmdOneRod"), i);
        ASSERT_TRUE(b);
        QObject::connect(b, &QAbstractButton::clicked, [&clicks, i] { clicks << i; });
    }
    send(QStringLiteral("EXECUTE|cmdOneRod|0"));
    send(QStringLiteral("EXECUTE|cmdOneRod|1.5")); // rounds to 2: no such element
    send(QStringLiteral("EXECUTE|cmdOneRod|0.5")); // rounds to 0
    send(QStringLiteral("EXECUTE|cmdOneRod|-1"));  // the first of the array
    EXPECT_EQ(clicks, (QList<int>{0, 0, 0}));

    auto* tick = window.controls().checkBox(QStringLiteral("chkOneRodIn"), 2);
    tick->setChecked(false);
    send(QStringLiteral("EXECUTE|chkOneRodIn|2"));
    EXPECT_EQ(tick->checkState(), Qt::Checked);
}

TEST_F(DdeExecute, RequestReadsTipLineAndCombos)
{
    send(u8("SHOW|请输入数据"));
    EXPECT_EQ(client.request(QStringLiteral("lblTips")), u8("提示: 请输入数据!"));
    send(QStringLiteral("EXECUTE|comClass|6|2"));
    EXPECT_EQ(client.request(QStringLiteral("comClass(6)")), u8("第三类  Hr=60米"));
    EXPECT_EQ(client.request(QStringLiteral(" comClass ( 6 ) ")), u8("第三类  Hr=60米"));
    EXPECT_EQ(client.request(QStringLiteral("comClass")), u8("第一类  Hr=30米"));
    EXPECT_EQ(client.request(QStringLiteral("lblClass(0)")), u8("建(构)筑物防雷类别"));
    EXPECT_TRUE(client.poke(QStringLiteral("txtOneRodIn(0)"), QStringLiteral("30")));
    EXPECT_EQ(client.request(QStringLiteral("txtOneRodIn(0)")), QStringLiteral("30"));
    EXPECT_EQ(client.request(QStringLiteral("txtOneRodOut(1)")), QString());
    for (const char* unknown : {"", "nothing", "comClass(99)", "comClass(x)", "lblTips(0)", "fraFrame(0)", "(((", "comClass(1"})
        EXPECT_EQ(client.request(QLatin1String(unknown)), QString()) << unknown;
}

TEST_F(DdeExecute, AnotherProgramComputesTheOneRodPanel)
{
    // rx = W(h) - W(hx) and r0 = W(h) with W(x) = sqrt(x (2 Hr - x)); class 2 gives Hr = 45 m.
    EXPECT_TRUE(client.poke(QStringLiteral("txtOneRodIn(0)"), QStringLiteral("24")));
    EXPECT_TRUE(client.poke(QStringLiteral("txtOneRodIn(1)"), QStringLiteral("12")));
    send(QStringLiteral("EXECUTE|comClass|2|1"));
    send(QStringLiteral("EXECUTE|cmdOneRod|0"));
    EXPECT_EQ(client.request(QStringLiteral("txtOneRodOut(0)")), QStringLiteral("9.205"));
    EXPECT_EQ(client.request(QStringLiteral("txtOneRodOut(1)")), QStringLiteral("39.799"));

    // A bad input is told on the tip line, as when the user clicks.
    EXPECT_TRUE(client.poke(QStringLiteral("txtOneRodIn(0)"), QStringLiteral("abc")));
    send(QStringLiteral("EXECUTE|cmdOneRod|0"));
    EXPECT_FALSE(client.request(QStringLiteral("lblTips")).isEmpty());
}

TEST_F(DdeExecute, PokedInputIsWhatThePressedButtonReads)
{
    // A small panel of its own: an input box, a result box and a button whose handler copies one to
    // the other, entered in the window's registry as the catalogue enters every panel.
    auto* input = new QLineEdit(&window);
    auto* result = new QLineEdit(&window);
    auto* button = new QPushButton(QStringLiteral("计算"), &window);
    window.controls().add(QStringLiteral("txtProbeIn"), 0, services::ControlKind::TextBox, input);
    window.controls().add(QStringLiteral("txtProbeOut"), 0, services::ControlKind::TextBox, result);
    window.controls().add(QStringLiteral("cmdProbe"), 0, services::ControlKind::CommandButton, button);
    QObject::connect(button, &QPushButton::clicked, [&] { result->setText(QString::number(input->text().toDouble() * 2, 'f', 3)); });

    EXPECT_TRUE(client.poke(QStringLiteral("txtProbeIn(0)"), QStringLiteral("21.5")));
    send(QStringLiteral("EXECUTE|cmdProbe|0"));
    EXPECT_EQ(client.request(QStringLiteral("txtProbeOut(0)")), QStringLiteral("43.000"));

    // Pokes into anything else are ignored.
    EXPECT_TRUE(client.poke(QStringLiteral("lblTips"), QStringLiteral("x")));
    EXPECT_TRUE(client.poke(QStringLiteral("nothing(3)"), QStringLiteral("x")));
    EXPECT_TRUE(tips().isEmpty());
    EXPECT_EQ(input->text(), QStringLiteral("21.5"));
}

} // namespace

namespace {

TEST_F(DdeExecute, AfterTheExitCommandNothingIsCarriedOut)
{
    window.ShowMsg(QStringLiteral("before"));
    const QString before = tips();
    window.mnuExit_Click();

    // Still answered, as every execute string is, but the closed window is left as it was.
    send(QStringLiteral("EXECUTE|mnuBuildDesign|-1"));
    send(QStringLiteral("SHOW|after exit"));
    EXPECT_EQ(window.shownPanel(), 3);
    EXPECT_EQ(tips(), before);
    EXPECT_TRUE(client.poke(QStringLiteral("txtOneRodIn(0)"), QStringLiteral("99")));
    EXPECT_NE(window.controls().textBox(QStringLiteral("txtOneRodIn"), 0)->text(), QStringLiteral("99"));
    EXPECT_TRUE(client.request(QStringLiteral("lblTips")).isEmpty());
}

} // namespace
