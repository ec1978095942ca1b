// The window at its first paint holds only the panel on show; nothing a user or a caller sees tells.
#include "app/main_window.h"
#include "app/menu_bar.h"
#include "support/main_window_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHash>
#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

using app::MainWindow;
using testsupport::firstPanel;

namespace {

// Every control widget's position in the registry, which holds the design order.
QHash<QWidget*, int> registryPositions(MainWindow& w)
{
    QHash<QWidget*, int> positions;
    const QList<services::Control>& all = w.controls().all();
    for (int i = 0; i < all.size(); ++i) {
        if (QWidget* c = all[i].widget())
            positions.insert(c, i);
    }
    return positions;
}

// The registry position of the control a widget belongs to (itself or the compound control around it).
int controlPosition(const QHash<QWidget*, int>& positions, QWidget* w)
{
    for (; w; w = w->parentWidget()) {
        if (auto it = positions.constFind(w); it != positions.constEnd())
            return *it;
    }
    return -1;
}

} // namespace

TEST(StartupWindow, TheFirstPaintLooksAsTheWholeWindowDoes)
{
    for (int n = 0; n < MainWindow::kPanelCount; ++n) {
        MainWindow w(firstPanel(n));
        // Painting alone does not complete the window: this is what its first paint shows.
        const QImage first = w.grab().toImage();
        ASSERT_GT(w.controls().all().size(), 400);
        EXPECT_TRUE(first == w.grab().toImage()) << "first panel " << n;
    }
}

TEST(StartupWindow, TabGoesThroughEveryPanelInDesignOrderWhicheverPanelCameFirst)
{
    // 10 starts with the steel-type frame that the catalogue places in panel 9.
    for (int start : {3, 10}) {
        MainWindow w(firstPanel(start));
        w.show();
        QApplication::processEvents();
        const QHash<QWidget*, int> positions = registryPositions(w);
        for (const services::Control& item : w.controls().all()) {
            const int panel = app::panelOfMenuItem(item.name);
            if (panel < 0)
                continue;
            w.menuCommand(item.name);
            QList<int> order;
            for (QWidget* x = w.nextInFocusChain(); x != &w; x = x->nextInFocusChain()) {
                if (!x->isVisibleTo(&w) || !x->isEnabled() || !(x->focusPolicy() & Qt::TabFocus))
                    continue;
                const int p = controlPosition(positions, x);
                if (p >= 0 && (order.isEmpty() || order.last() != p))
                    order << p;
            }
            EXPECT_FALSE(order.isEmpty()) << "panel " << panel;
            EXPECT_TRUE(std::is_sorted(order.begin(), order.end()))
                << "start " << start << ", panel " << panel << ": Tab leaves the design order";
        }
    }
}

TEST(StartupWindow, AClickBeforeTheRestOfTheWindowIsMadeStillRunsItsCommand)
{
    MainWindow w(firstPanel(3));
    w.show();
    // No event has been processed: the panels' commands are not attached yet when the click comes.
    auto* calculate = w.findChild<QAbstractButton*>(QStringLiteral("cmdOneRod(0)"));
    ASSERT_NE(calculate, nullptr);
    QTest::mouseClick(calculate, Qt::LeftButton);
    EXPECT_FALSE(w.controls().textBox(QStringLiteral("txtOneRodOut"), 0)->text().isEmpty());
    EXPECT_FALSE(w.controls().textBox(QStringLiteral("txtOneRodOut"), 1)->text().isEmpty());
}

TEST(StartupWindow, TheClientAreaStacksItsWidgetsInDesignOrderWhicheverPanelCameFirst)
{
    for (int start : {0, 10, 18}) {
        MainWindow w(firstPanel(start));
        w.show();
        QApplication::processEvents();
        const QHash<QWidget*, int> positions = registryPositions(w);
        QWidget* client = w.centralWidget();
        QList<int> order;
        for (QObject* o : client->children()) {
            if (auto* c = qobject_cast<QWidget*>(o))
                order << positions.value(c, -1);
        }
        EXPECT_FALSE(order.contains(-1));
        EXPECT_TRUE(std::is_sorted(order.begin(), order.end())) << "start " << start;
    }
}
