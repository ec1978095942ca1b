// The panels' pictures load and draw, and the help text has its eight sections in order.
#include "app/main_window.h"
#include "app/panel_catalogue.h"
#include "app/panel_pictures.h"
#include "app/twips.h"
#include "support/main_window_fixture.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace {

using K = services::ControlKind;

// Pixels that differ from a transparent background.
int inkedPixels(const QImage& image)
{
    int inked = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            inked += qAlpha(image.pixel(x, y)) > 64;
    return inked;
}

TEST(PanelPictures, EveryPictureLoadsAndDrawsAtItsBoxSize)
{
    app::initPanelResources();
    int pictures = 0;
    for (const app::CatalogueEntry& e : app::panelCatalogue()) {
        if ((e.kind != K::PictureBox && e.kind != K::Image) || e.caption.isEmpty())
            continue;
        ++pictures;
        SCOPED_TRACE(e.caption.toStdString());
        const QSize box(app::px(e.width) - 2, app::px(e.height) - 2);
        for (qreal ratio : {1.0, 2.0}) {
            const QImage image = app::renderPicture(e.caption, box, ratio).toImage();
            ASSERT_FALSE(image.isNull());
            EXPECT_EQ(image.size(), box * ratio);
            // A line drawing: some ink, yet mostly open paper.
            const int inked = inkedPixels(image);
            EXPECT_GT(inked, image.width() * image.height() / 100);
            EXPECT_LT(inked, image.width() * image.height() / 2);
            if (const QString dir = qEnvironmentVariable("RIDE_RENDER_DIR"); !dir.isEmpty() && ratio == 2.0) {
                QDir().mkpath(dir);
                image.save(QStringLiteral("%1/%2.png").arg(dir, QFileInfo(e.caption).baseName()));
            }
        }
    }
    // Eleven panel pictures, the outline example, four steels, ten electrode layouts, three towers.
    EXPECT_EQ(pictures, 11 + 1 + 4 + 10 + 3);
}

TEST(PanelPictures, MissingOrBrokenDrawingGivesNoPicture)
{
    EXPECT_TRUE(app::renderPicture(QStringLiteral(":/pictures/none.svg"), QSize(50, 50)).isNull());
    EXPECT_TRUE(app::renderPicture(QStringLiteral(":/help/help.txt"), QSize(50, 50)).isNull());
}

// Pictures are rendered only once their box is seen, at the box's final size; every panel the user
// switches to then shows each of its pictures.
TEST(PanelPictures, EachShownBoxHoldsItsPictureAtItsSizeAndHiddenOnesWait)
{
    app::MainWindow window(testsupport::firstPanel(0));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto labelOf = [&](const app::CatalogueEntry& e) {
        return qobject_cast<QLabel*>(window.controls().widget(e.name, e.index >= 0 ? std::optional<int>(e.index)
                                                                                   : std::nullopt));
    };
    int waiting = 0, hiddenAtStart = 0;
    for (int panel = 0; panel < app::MainWindow::kPanelCount; ++panel) {
        window.ShowPanel(panel);
        QApplication::processEvents();
        for (const app::CatalogueEntry& e : app::panelCatalogue()) {
            if (e.kind != K::PictureBox && e.kind != K::Image)
                continue;
            QLabel* label = labelOf(e);
            ASSERT_NE(label, nullptr) << e.name.toStdString();
            if (!label->isVisible()) {
                if (panel == 0 && !e.caption.isEmpty()) {
                    ++hiddenAtStart;
                    waiting += label->pixmap().isNull();
                }
                continue;
            }
            SCOPED_TRACE(e.name.toStdString() + " " + std::to_string(e.index) + " on panel " + std::to_string(panel));
            EXPECT_EQ(label->pixmap().isNull(), e.caption.isEmpty());
            if (!e.caption.isEmpty())
                EXPECT_EQ(label->pixmap().deviceIndependentSize().toSize(), label->size() - QSize(2, 2));
        }
    }
    // At startup none of the hidden pictures (the other eighteen panels' among them) was drawn yet.
    EXPECT_GE(hiddenAtStart, 18);
    EXPECT_EQ(waiting, hiddenAtStart);
}

TEST(HelpText, HasTheEightSectionsInOrderWithIndentedItems)
{
    app::MainWindow window(app::MainWindowOptions{[] { return 0.0; }, 30000});
    auto* help = qobject_cast<QPlainTextEdit*>(window.controls().widget(QStringLiteral("txtHelp")));
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isReadOnly());
    EXPECT_EQ(help->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

    const QStringList headings = {"一、功能", "二、依据及方法", "三、软件要求：", "四、名称及代号",
                                  "五、图形说明", "六、图选避雷针", "七、数据说明", "八、建(构)筑物避雷装置设计"};
    QStringList found;
    const QStringList lines = help->toPlainText().split(QLatin1Char('\n'));
    QString previous;
    for (const QString& line : lines) {
        if (line.isEmpty())
            continue;
        // A heading starts at the margin with its section number; the section before it ends in "。".
        if (QString::fromUtf8("一二三四五六七八").contains(line.at(0)) && line.mid(1, 1) == QString::fromUtf8("、")) {
            if (!found.isEmpty()) {
                EXPECT_TRUE(previous.endsWith(QString::fromUtf8("。"))) << previous.toStdString();
            }
            found << line;
        }
        previous = line;
    }
    EXPECT_TRUE(previous.endsWith(QString::fromUtf8("。")));
    EXPECT_EQ(found, headings);

    // Lines are broken by hand, so none may run wider than the box and wrap a second time.
    const int room = help->width() - 2 * help->frameWidth() - help->verticalScrollBar()->sizeHint().width() -
                     2 * static_cast<int>(help->document()->documentMargin());
    for (const QString& line : lines)
        EXPECT_LE(help->fontMetrics().horizontalAdvance(line), room) << line.toStdString();

    // Twenty functions, numbered in order.
    const QString text = help->toPlainText();
    for (int i = 1; i <= 20; ++i)
        EXPECT_TRUE(text.contains(QStringLiteral("\n  %1.").arg(i))) << i;
}

} // namespace
