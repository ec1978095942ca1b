// frmMain: the working window with its menus, nineteen stacked panels and the tip line.
#pragma once

#include "services/form.h"

#include <QHash>
#include <QMainWindow>
#include <functional>
#include <memory>
#include <vector>

class QTimer;
class QLabel;

namespace app {

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

    // services::Form
    services::FormState& state() override { return m_state; }
    services::ControlRegistry& controls() override { return m_controls; }
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

private:
    void Form_Load();
    void earthingCommand(int n);
    void fillClassCombos();
    void tmrDelete_Timer();
    void cmdTest_Click();

    MainWindowOptions m_options;
    services::FormState m_state;
    services::ControlRegistry m_controls;
    QHash<QString, Handler> m_handlers;
    QTimer* m_tmrDelete = nullptr;
    QLabel* m_lblTips = nullptr;
    bool m_exiting = false;
};

} // namespace app
