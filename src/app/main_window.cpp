// frmMain: start-up, the panel switch, the menu commands, the exit command and the tip line.
#include "app/main_window.h"

#include "app/catalogue_builder.h"
#include "app/fonts.h"
#include "app/link_execute_controls.h"
#include "app/menu_bar.h"
#include "app/menu_execute.h"
#include "app/panel_catalogue.h"
#include "app/panels.h"
#include "app/tip_line.h"
#include "app/twips.h"
#include "app/window_icon.h"
#include "services/acad_connection.h"
#include "services/excel_connection.h"
#include "services/rolling_sphere.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSet>
#include <QTimer>
#include <cmath>

namespace app {

namespace {
// The frame and caption of a fixed single-border window, so that the outer size is the one designed.
constexpr int kBorderPx = 2;
constexpr int kCaptionPx = 22;
// The earthing panels share the steel-type frame, which the catalogue places in the first of them.
constexpr int kFirstEarthingPanel = 9;
constexpr int kLastEarthingPanel = 12;

bool isEarthingPanel(int n) { return n >= kFirstEarthingPanel && n <= kLastEarthingPanel; }
} // namespace

MainWindow::MainWindow(MainWindowOptions options) : m_options(std::move(options))
{
    if (!m_options.random) {
        auto gen = std::make_shared<QRandomGenerator>(QRandomGenerator::securelySeeded());
        m_options.random = [gen] { return gen->generateDouble(); };
    }
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("zoveduzo"));
    startIconRendering(); // drawn while the window is made, set at the end
    setFont(windowFont());
    setAttribute(Qt::WA_DeleteOnClose, false);

    buildMenuBar(menuBar(), m_controls);
    for (const services::Control& c : m_controls.all()) {
        if (QAction* a = c.action(); a && !a->isSeparator() && !a->menu()) {
            const QString name = c.name;
            connect(a, &QAction::triggered, this, [this, name] { menuCommand(name); });
        }
    }

    const double r = m_options.random();
    const int u = static_cast<int>(std::floor(static_cast<float>(r) * static_cast<float>(kPanelCount)));
    m_firstPanel = std::clamp(u, 0, kPanelCount - 1);

    // The first paint needs only the panel drawn for it (and, for an earthing panel, the panel that holds
    // the steel-type frame); the other eighteen are made right after it, or sooner when asked for.
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    m_builder = std::make_unique<CatalogueBuilder>(client, panelCatalogue());
    finishFontPreload();
    QSet<int> first{m_firstPanel};
    if (isEarthingPanel(m_firstPanel))
        first.insert(kFirstEarthingPanel);
    m_builder->drawPicturesAhead(first, devicePixelRatioF());
    m_builder->build(first);

    m_tmrDelete = new QTimer(this);
    m_tmrDelete->setObjectName(QStringLiteral("tmrDelete"));
    connect(m_tmrDelete, &QTimer::timeout, this, &MainWindow::tmrDelete_Timer);

    m_lblTips = qobject_cast<QLabel*>(control(QStringLiteral("lblTips")));
    if (auto* test = qobject_cast<QAbstractButton*>(control(QStringLiteral("cmdTest"))))
        connect(test, &QAbstractButton::clicked, this, &MainWindow::cmdTest_Click);

    Form_Load();
    setWindowIcon(programIcon());
    // Input that arrives before the rest of the window finds it complete.
    QCoreApplication::instance()->installEventFilter(this);
}

MainWindow::~MainWindow() = default;

void MainWindow::completeWindow()
{
    if (m_complete)
        return;
    m_complete = true;
    QCoreApplication::instance()->removeEventFilter(this);
    m_builder->buildRest(true);
    m_builder->restoreStackingOrder();
    m_builder->registerAll(m_controls);
    m_controls.add(QStringLiteral("tmrDelete"), std::nullopt, services::ControlKind::Timer, m_tmrDelete);
    installPanels(*this);
    // What the start did for the panel on show, again for the whole window.
    layOutPanels();
    if (isEarthingPanel(m_firstPanel))
        earthingCommand(m_firstPanel);
    showPanel(m_firstPanel);
    fillClassCombos();
}

bool MainWindow::event(QEvent* event)
{
    if (event->type() == QEvent::Paint && !m_complete && !m_completionQueued) {
        m_completionQueued = true;
        QTimer::singleShot(0, this, &MainWindow::completeWindow);
    }
    return QMainWindow::event(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_complete && event->isInputEvent())
        completeWindow();
    return QMainWindow::eventFilter(watched, event);
}

services::FormState& MainWindow::state()
{
    completeWindow();
    return m_state;
}

services::ControlRegistry& MainWindow::controls()
{
    completeWindow();
    return m_controls;
}

QWidget* MainWindow::control(const QString& name, std::optional<int> index) const
{
    return m_builder->widget(name, index);
}

void MainWindow::Form_Load()
{
    // The outer size is fixed; the client area is what the frame and caption leave of it.
    const int clientW = px(kWidthTwips) - 2 * kBorderPx;
    const int clientH = px(kHeightTwips) - kCaptionPx - 2 * kBorderPx;
    setFixedSize(clientW, clientH);

    layOutPanels();
    if (isEarthingPanel(m_firstPanel))
        earthingCommand(m_firstPanel);
    showPanel(m_firstPanel);

    fillClassCombos();

    if (Compiled()) {
        if (QWidget* test = control(QStringLiteral("cmdTest")))
            test->setVisible(false);
    }

    m_tmrDelete->start(m_options.tipClearIntervalMs);
}

void MainWindow::layOutPanels()
{
    for (int i = 0; i < kPanelCount; ++i) {
        if (QWidget* f = control(QStringLiteral("fraFrame"), i))
            f->setGeometry(px(90), px(90), px(7470), px(6030));
        if (QWidget* p = control(QStringLiteral("picShow"), i))
            p->setGeometry(px(7600), px(90), px(3300), px(6030));
    }
    if (m_lblTips)
        m_lblTips->setGeometry(px(90), px(6030 + 90 + 120), px(kWidthTwips - 150), px(300));
}

void MainWindow::fillClassCombos()
{
    static const QStringList classes = {services::kClass1, services::kClass2, services::kClass3};
    const int last = m_builder->maxIndex(QStringLiteral("comClass"));
    for (int i = 0; i <= last; ++i) {
        if (auto* c = qobject_cast<QComboBox*>(control(QStringLiteral("comClass"), i))) {
            c->clear();
            c->addItems(classes);
            c->setCurrentIndex(-1);
        }
    }
    for (int i = 0; i <= last; ++i) {
        if (auto* c = qobject_cast<QComboBox*>(control(QStringLiteral("comClass"), i)))
            c->setCurrentIndex(0);
    }
}

void MainWindow::ShowPanel(int n)
{
    completeWindow();
    showPanel(n);
}

void MainWindow::showPanel(int n)
{
    for (int i = 0; i < kPanelCount; ++i) {
        if (QWidget* p = control(QStringLiteral("picShow"), i))
            p->setVisible(false);
        if (QWidget* f = control(QStringLiteral("fraFrame"), i))
            f->setVisible(false);
    }
    if (QWidget* p = control(QStringLiteral("picShow"), n))
        p->setVisible(true);
    if (QWidget* f = control(QStringLiteral("fraFrame"), n))
        f->setVisible(true);
}

int MainWindow::shownPanel() const
{
    for (int i = 0; i < kPanelCount; ++i) {
        if (QWidget* f = control(QStringLiteral("fraFrame"), i); f && !f->isHidden())
            return i;
    }
    return -1;
}

void MainWindow::earthingCommand(int n)
{
    showPanel(n);
    QWidget* type = control(QStringLiteral("fraType"));
    QWidget* frame = control(QStringLiteral("fraFrame"), n);
    if (!type || !frame || type->parentWidget() == frame)
        return;
    // Reparenting keeps the position within the container, the size, and every child's state.
    const QRect geometry = type->geometry();
    const bool visible = !type->isHidden();
    type->setParent(frame);
    type->setGeometry(geometry);
    type->setVisible(visible);
}

void MainWindow::menuCommand(const QString& itemName)
{
    completeWindow();
    const int panel = panelOfMenuItem(itemName);
    if (isEarthingPanel(panel)) {
        earthingCommand(panel);
    } else if (panel >= 0) {
        showPanel(panel);
    } else if (itemName.compare(QLatin1String("mnuExit"), Qt::CaseInsensitive) == 0) {
        mnuExit_Click();
    } else {
        runHandler(itemName + QStringLiteral("_Click"));
    }
}

void MainWindow::mnuExit_Click()
{
    if (m_exiting)
        return;
    m_exiting = true;
    services::CloseExcel();
    services::ReleaseAcadObjects();
    m_tmrDelete->stop();
    // Our own dialogs (the About box) go with the main window; the drawing window stands for a
    // separate program and stays open with its drawings.
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w != this && w->isWindow() && w->parentWidget() == this)
            w->close();
    }
    close();
    emit exited();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Form_Unload: every close runs the exit command and is never refused.
    if (!m_exiting)
        mnuExit_Click();
    event->accept();
}

void MainWindow::ShowMsg(const QString& msg)
{
    if (m_lblTips)
        m_lblTips->setText(tipCaption(msg));
    // Every message stays its full interval: a result shown just before the clearing tick would
    // otherwise vanish before it can be read.
    if (m_tmrDelete->isActive())
        m_tmrDelete->start();
}

QString MainWindow::caption() const { return windowTitle(); }

void MainWindow::tmrDelete_Timer() { ShowMsg(QString()); }

void MainWindow::cmdTest_Click() { MenuExecute(*this, FindControl(controls(), QStringLiteral("mnuBuildDesign"), -1)); }

void MainWindow::registerHandler(const QString& name, Handler handler)
{
    completeWindow();
    m_handlers.insert(name.toLower(), std::move(handler));
}

bool MainWindow::runHandler(const QString& name, int index)
{
    completeWindow();
    auto it = m_handlers.constFind(name.toLower());
    if (it == m_handlers.constEnd())
        return false;
    (*it)(index);
    return true;
}

} // namespace app
