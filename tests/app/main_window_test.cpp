// The main window: start state, panel switching by menu and F1, fraType travelling, exit.
#include "app/main_window.h"
#include "support/main_window_fixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QTimer>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QTest>
#include <gtest/gtest.h>

using app::MainWindow;
using app::MainWindowOptions;
using testsupport::firstPanel;

namespace {

int visibleCount(MainWindow& w, const QString& name)
{
    int n = 0;
    for (int i = 0; i < MainWindow::kPanelCount; ++i)
        n += w.controls().widget(name, i)->isHidden() ? 0 : 1;
    return n;
}

QWidget* typeContainer(MainWindow& w) { return w.controls().widget(QStringLiteral("fraType"))->parentWidget(); }

} // namespace

TEST(MainWindow, StartsWithExactlyOnePanelAndItsPicture)
{
    for (int n : {0, 3, 8, 13, 18}) {
        MainWindow w(firstPanel(n));
        EXPECT_EQ(w.shownPanel(), n);
        EXPECT_EQ(visibleCount(w, QStringLiteral("fraFrame")), 1);
        EXPECT_EQ(visibleCount(w, QStringLiteral("picShow")), 1);
        EXPECT_FALSE(w.controls().widget(QStringLiteral("picShow"), n)->isHidden());
        EXPECT_EQ(w.windowTitle(), QStringLiteral("zoveduzo"));
        EXPECT_TRUE(w.controls().widget(QStringLiteral("cmdTest"))->isHidden());
        EXPECT_TRUE(w.controls().label(QStringLiteral("lblTips"))->text().isEmpty());
    }
}

TEST(MainWindow, RandomFirstPanelCoversTheRangeAndEarthingPanelsHoldFraType)
{
    for (int n = 0; n < MainWindow::kPanelCount; ++n) {
        MainWindow w(firstPanel(n));
        ASSERT_EQ(w.shownPanel(), n);
        const int expectedHolder = (n >= 9 && n <= 12) ? n : 9;
        EXPECT_EQ(typeContainer(w), w.controls().widget(QStringLiteral("fraFrame"), expectedHolder)) << n;
    }
    MainWindowOptions edge;
    edge.random = [] { return 0.9999999; };
    MainWindow w(edge);
    EXPECT_EQ(w.shownPanel(), 18);
}

TEST(MainWindow, EveryClassComboListsTheThreeClassesWithTheFirstChosen)
{
    MainWindow w(firstPanel(3));
    const int last = w.controls().maxIndex(QStringLiteral("comClass"));
    ASSERT_EQ(last, 12);
    for (int i = 0; i <= last; ++i) {
        QComboBox* c = w.controls().comboBox(QStringLiteral("comClass"), i);
        ASSERT_TRUE(c);
        ASSERT_EQ(c->count(), 3);
        EXPECT_EQ(c->itemText(0), QString::fromUtf8("第一类  Hr=30米"));
        EXPECT_EQ(c->itemText(1), QString::fromUtf8("第二类  Hr=45米"));
        EXPECT_EQ(c->itemText(2), QString::fromUtf8("第三类  Hr=60米"));
        EXPECT_EQ(c->currentText(), QString::fromUtf8("第一类  Hr=30米"));
    }
}

TEST(MainWindow, MenuItemsShowTheirPanelsAndKeepValues)
{
    MainWindow w(firstPanel(0));
    const struct { const char* item; int panel; } rows[] = {
        {"mnuBuildFrequency", 1}, {"mnuBuildDesign", 8}, {"mnuOneRodHeight", 2}, {"mnuOneRod", 3},
        {"mnuTwoRod", 4}, {"mnuThreeRod", 17}, {"mnuFourRod", 5}, {"mnuTwoRodPicked", 13},
        {"mnuThreeRodPicked", 18}, {"mnuFourRodPicked", 14}, {"mnuOneStrip", 6}, {"mnuTwoStrip", 7},
        {"mnuOneStripPicked", 15}, {"mnuTwoStripPicked", 16}, {"mnuVerticality", 9}, {"mnuHorizontal", 10},
        {"mnuGird", 11}, {"mnuSupport", 12}, {"mnuContent", 0},
    };
    QComboBox* class3 = w.controls().comboBox(QStringLiteral("comClass"), 2);
    class3->setCurrentIndex(2);
    for (const auto& r : rows) {
        QAction* a = w.controls().menu(QString::fromLatin1(r.item));
        ASSERT_TRUE(a) << r.item;
        a->trigger();
        EXPECT_EQ(w.shownPanel(), r.panel) << r.item;
        EXPECT_EQ(visibleCount(w, QStringLiteral("picShow")), 1);
        a->trigger(); // the item of the panel on show changes nothing
        EXPECT_EQ(w.shownPanel(), r.panel);
    }
    EXPECT_EQ(class3->currentIndex(), 2) << "a hidden panel keeps its values";
}

TEST(MainWindow, MenuBarOrderSeparatorsAndF1)
{
    MainWindow w(firstPanel(5));
    QStringList tops;
    for (QAction* a : w.menuBar()->actions())
        tops << a->text();
    EXPECT_EQ(tops, (QStringList{QString::fromUtf8("建(构)筑物"), QString::fromUtf8("避雷针"), QString::fromUtf8("避雷线"),
                                 QString::fromUtf8("接地装置"), QString::fromUtf8("工具箱"), QString::fromUtf8("帮助")}));
    QAction* earthBar = w.controls().menu(QStringLiteral("mnuEarthBar0"));
    ASSERT_TRUE(earthBar);
    EXPECT_TRUE(earthBar->isSeparator());
    EXPECT_EQ(w.controls().menu(QStringLiteral("mnuContent"))->shortcut(), QKeySequence(Qt::Key_F1));

    w.show();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w, Qt::Key_F1);
    EXPECT_EQ(w.shownPanel(), 0);
}

TEST(MainWindow, FraTypeTravelsWithItsStateBetweenEarthingPanels)
{
    MainWindow w(firstPanel(3));
    QWidget* type = w.controls().widget(QStringLiteral("fraType"));
    const QRect where = type->geometry();
    auto* probe = new QLineEdit(type); // stands for any control inside the frame
    probe->setText(QStringLiteral("40x4"));

    w.controls().menu(QStringLiteral("mnuVerticality"))->trigger();
    EXPECT_EQ(type->parentWidget(), w.controls().widget(QStringLiteral("fraFrame"), 9));
    w.controls().menu(QStringLiteral("mnuHorizontal"))->trigger();
    EXPECT_EQ(type->parentWidget(), w.controls().widget(QStringLiteral("fraFrame"), 10));
    EXPECT_EQ(w.shownPanel(), 10);
    EXPECT_EQ(type->geometry(), where);
    EXPECT_FALSE(type->isHidden());
    EXPECT_EQ(probe->text(), QStringLiteral("40x4"));
    EXPECT_EQ(probe->parentWidget(), type);

    w.controls().menu(QStringLiteral("mnuOneRod"))->trigger();
    EXPECT_EQ(type->parentWidget(), w.controls().widget(QStringLiteral("fraFrame"), 10))
        << "other panels leave the frame where it was";
}

TEST(MainWindow, HiddenTestButtonShowsTheBuildingDesignPanel)
{
    MainWindow w(firstPanel(4));
    w.controls().button(QStringLiteral("cmdTest"))->click();
    EXPECT_EQ(w.shownPanel(), 8);
}

TEST(MainWindow, TipTimerEmptiesTheLine)
{
    MainWindowOptions o = firstPanel(3);
    o.tipClearIntervalMs = 30;
    MainWindow w(o);
    EXPECT_EQ(w.tipTimer()->interval(), 30);
    EXPECT_TRUE(w.tipTimer()->isActive());
    w.ShowMsg(QStringLiteral("first"));
    w.ShowMsg(QString::fromUtf8("选点被取消。"));
    EXPECT_EQ(w.controls().label(QStringLiteral("lblTips"))->text(), QString::fromUtf8("提示: 选点被取消。"));
    QTRY_VERIFY_WITH_TIMEOUT(w.controls().label(QStringLiteral("lblTips"))->text().isEmpty(), 2000);
    EXPECT_TRUE(w.tipTimer()->isActive()) << "the timer keeps running";
}

TEST(MainWindow, EveryMessageStaysItsFullInterval)
{
    MainWindowOptions o = firstPanel(3);
    o.tipClearIntervalMs = 10000;
    MainWindow w(o);
    w.ShowMsg(QStringLiteral("first"));
    QTest::qWait(2500);
    // (The timer is a coarse one: its remaining time is known to within 5 %.)
    ASSERT_LT(w.tipTimer()->remainingTime(), 8600);
    // A new message starts the interval again; the clearing is not due for the first one's sake.
    w.ShowMsg(QStringLiteral("second"));
    EXPECT_GT(w.tipTimer()->remainingTime(), 9000);
    EXPECT_EQ(w.tipTimer()->interval(), 10000);
}

TEST(MainWindow, ExitClosesTheWindowAndStopsItsTimer)
{
    MainWindow w(firstPanel(3));
    w.show();
    w.controls().menu(QStringLiteral("mnuExit"))->trigger();
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(w.tipTimer()->isActive());
}
