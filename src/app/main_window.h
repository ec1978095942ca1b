// frmMain: the working window with its menus, nineteen stacked panels and the tip line.
#pragma once

#include "services/form.h"

#include <QHash>
#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QTimer;
class QLabel;

namespace app {

class CatalogueBuilder;

struct MainWindowOptions {
    // Uniform in [0, 1); draws the first panel. Seeded from the clock by default.
    std::function<double()> random;
    int tipClearIntervalMs = 30000;
};

class MainWindow : public QMainWindow, public services::Form {
    Q_OBJECT
public:
    explicit MainWindow(MainWindowOptions options = {});
    ~MainWindow() override;

    // services::Form. Every way in from outside finds the whole window: the panels not made for the
    // first paint are made at the first call.
    services::FormState& state() override;
    services::ControlRegistry& controls() override;
    void ShowMsg(const QString& msg) override;
    QString caption() const override;
    QWidget* window() override { return this; }
    void registerHandler(const QString& name, Handler handler) override;
    bool runHandler(const QString& name, int index = -1) override;

    // The outer size in twips as the window reports it.
    int Width() const { return kWidthTwips; }
    int Height() const { return kHeightTwips; }

    void ShowPanel(int n);
    // Runs the command of a menu item by its name, as a click on it would.
    void menuCommand(const QString& itemName);
    void mnuExit_Click();
    // True once the exit command has run: the window is gone for the user and for other programs.
    bool hasExited() const { return m_exiting; }
    bool Compiled() const { return true; }

    // The panel on show, or -1.
    int shownPanel() const;
    QTimer* tipTimer() const { return m_tmrDelete; }

    static constexpr int kPanelCount = 19;
    static constexpr int kWidthTwips = 11010;
    static constexpr int kHeightTwips = 7260;

signals:
    // The exit command has run: what this start holds for the others (instance lock, bus name) may go,
    // though a drawing window may keep the process running.
    void exited();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    // Makes the panels left out of the first paint, enters every control in the registry and attaches
    // the panels' commands; runs once, just after the first paint or at the first call that needs it.
    void completeWindow();
    void layOutPanels();
    void showPanel(int n);
    void earthingCommand(int n);
    void fillClassCombos();
    // A control made so far, whether or not the window is complete.
    QWidget* control(const QString& name, std::optional<int> index = std::nullopt) const;
    void tmrDelete_Timer();
    void cmdTest_Click();

    MainWindowOptions m_options;
    services::FormState m_state;
    services::ControlRegistry m_controls;
    QHash<QString, Handler> m_handlers;
    std::unique_ptr<CatalogueBuilder> m_builder;
    int m_firstPanel = 0;
    bool m_complete = false;
    bool m_completionQueued = false;
    QTimer* m_tmrDelete = nullptr;
    QLabel* m_lblTips = nullptr;
    bool m_exiting = false;
};

} // namespace app
