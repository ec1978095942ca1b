// The panels as the user sees them: nothing overlaps, nothing sticks out of its frame, no caption is cut.
#include "app/main_window.h"
#include "app/panel_catalogue.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <gtest/gtest.h>

namespace {

using K = services::ControlKind;

QString keyOf(const services::Control& c)
{
    return c.index ? QStringLiteral("%1(%2)").arg(c.name).arg(*c.index) : c.name;
}

std::string rectText(const QRect& r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()).toStdString();
}

// The caption of a frame.
QRect captionRect(QGroupBox* g)
{
    QStyleOptionGroupBox opt;
    opt.initFrom(g);
    opt.text = g->title();
    opt.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    return g->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, g);
}

// Within the border of its frame and clear of the frame's caption.
bool fitsInFrame(QGroupBox* g, const QRect& r)
{
    return g->rect().adjusted(1, 1, -1, -1).contains(r) && !captionRect(g).intersects(r);
}

class PanelLayout : public ::testing::Test {
protected:
    PanelLayout() : window(app::MainWindowOptions{[] { return 0.0; }, 30000}) {}
    app::MainWindow window;
};

TEST_F(PanelLayout, ControlsLieInsideTheirFramesWithoutOverlap)
{
    const services::ControlRegistry& reg = window.controls();
    QList<const services::Control*> panelControls;
    for (const services::Control& c : reg.all()) {
        QWidget* w = c.widget();
        if (!w || c.kind == K::Menu || !w->parentWidget() || w->parentWidget()->objectName() == QLatin1String("client"))
            continue;
        panelControls << &c;
        // Inside the container, below its caption.
        if (auto* g = qobject_cast<QGroupBox*>(w->parentWidget())) {
            EXPECT_TRUE(fitsInFrame(g, w->geometry())) << keyOf(c).toStdString() << " sticks out of "
                                                              << g->objectName().toStdString() << " " << rectText(w->geometry()) << " in "
                                                              << rectText(captionRect(g));
        }
    }
    for (int i = 0; i < panelControls.size(); ++i) {
        for (int j = i + 1; j < panelControls.size(); ++j) {
            QWidget* a = panelControls[i]->widget();
            QWidget* b = panelControls[j]->widget();
            if (a->parentWidget() != b->parentWidget())
                continue;
            EXPECT_FALSE(a->geometry().intersects(b->geometry()))
                << keyOf(*panelControls[i]).toStdString() << " overlaps " << keyOf(*panelControls[j]).toStdString()
                << " " << rectText(a->geometry()) << " / " << rectText(b->geometry());
        }
    }
}

TEST_F(PanelLayout, SteelTypeFrameFitsBesideTheInputsOfEveryEarthingPanel)
{
    QWidget* type = window.controls().widget(QStringLiteral("fraType"));
    ASSERT_NE(type, nullptr);
    for (const char* item : {"mnuVerticality", "mnuHorizontal", "mnuGird", "mnuSupport"}) {
        window.menuCommand(QString::fromLatin1(item));
        auto* panel = qobject_cast<QGroupBox*>(type->parentWidget());
        ASSERT_NE(panel, nullptr);
        EXPECT_TRUE(fitsInFrame(panel, type->geometry())) << item;
        for (QObject* o : panel->children()) {
            auto* sibling = qobject_cast<QWidget*>(o);
            if (sibling && sibling != type) {
                EXPECT_FALSE(sibling->geometry().intersects(type->geometry()))
                    << item << ": " << sibling->objectName().toStdString();
            }
        }
    }
}

TEST_F(PanelLayout, NoCaptionOrTextIsCut)
{
    for (const services::Control& c : window.controls().all()) {
        QWidget* w = c.widget();
        if (!w || c.kind == K::Menu || c.name == QLatin1String("lblTips"))
            continue;
        SCOPED_TRACE(keyOf(c).toStdString());
        if (auto* l = qobject_cast<QLabel*>(w); l && !l->text().isEmpty()) {
            if (l->wordWrap())
                EXPECT_LE(l->heightForWidth(l->width()), l->height());
            else
                EXPECT_LE(l->sizeHint().width(), l->width());
            EXPECT_LE(l->fontMetrics().height(), l->height());
        } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            EXPECT_LE(b->sizeHint().width(), b->width());
        } else if (auto* t = qobject_cast<QLineEdit*>(w)) {
            EXPECT_LT(t->fontMetrics().horizontalAdvance(t->text()) + 8, t->width());
            EXPECT_LE(t->fontMetrics().height() + 2, t->height());
        } else if (auto* cb = qobject_cast<QComboBox*>(w)) {
            EXPECT_LE(cb->sizeHint().width(), cb->width());
        } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
            EXPECT_LT(g->fontMetrics().horizontalAdvance(g->title()) + 20, g->width());
        }
    }
}

TEST_F(PanelLayout, TheInstalledFacesAreTheOnesAskedFor)
{
    const services::ControlRegistry& reg = window.controls();
    EXPECT_EQ(QFontInfo(reg.widget(QStringLiteral("lblTips"))->font()).family(), QStringLiteral("AR PL SungtiL GB"));
    const QFontInfo bold(reg.widget(QStringLiteral("cboProvince"))->font());
    EXPECT_EQ(bold.family(), QStringLiteral("Noto Sans CJK SC"));
    EXPECT_TRUE(bold.bold());
}

// With RIDE_RENDER_DIR set, every panel is written there as panel-NN.png for a look by eye.
TEST_F(PanelLayout, RendersEveryPanel)
{
    const QString dir = qEnvironmentVariable("RIDE_RENDER_DIR");
    const char* const items[19] = {
        "mnuContent", "mnuBuildFrequency", "mnuOneRodHeight", "mnuOneRod", "mnuTwoRod", "mnuFourRod",
        "mnuOneStrip", "mnuTwoStrip", "mnuBuildDesign", "mnuVerticality", "mnuHorizontal", "mnuGird",
        "mnuSupport", "mnuTwoRodPicked", "mnuFourRodPicked", "mnuOneStripPicked", "mnuTwoStripPicked",
        "mnuThreeRod", "mnuThreeRodPicked"};
    window.show();
    for (int n = 0; n < 19; ++n) {
        window.menuCommand(QString::fromLatin1(items[n]));
        ASSERT_EQ(window.shownPanel(), n);
        const QImage image = window.grab().toImage();
        EXPECT_FALSE(image.isNull());
        if (!dir.isEmpty()) {
            QDir().mkpath(dir);
            image.save(QStringLiteral("%1/panel-%2.png").arg(dir).arg(n, 2, 10, QLatin1Char('0')));
        }
    }
}

} // namespace
