// The real main window shown on a chosen first panel, with the helpers the panel tests share.
// Header only: the test programs that use it link the application library themselves.
#pragma once

#include "app/main_window.h"
#include "services/control_registry.h"
#include "services/form_state.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace testsupport {

// Options that start the window on panel n: the middle of its interval (u = Int(r * 19)).
inline app::MainWindowOptions firstPanel(int n)
{
    app::MainWindowOptions o;
    o.random = [n] { return (n + 0.5) / 19.0; };
    return o;
}

class MainWindowFixture : public ::testing::Test {
protected:
    explicit MainWindowFixture(int firstPanelIndex) : m_firstPanel(firstPanelIndex) {}

    void SetUp() override
    {
        app::MainWindowOptions o = firstPanel(m_firstPanel);
        o.tipClearIntervalMs = 3600000; // the tip line keeps what a test reads
        window = std::make_unique<app::MainWindow>(o);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    services::ControlRegistry& controls() { return window->controls(); }
    services::FormState& state() { return window->state(); }

    QWidget* widget(const char* name, std::optional<int> index = std::nullopt)
    {
        QWidget* w = controls().widget(QString::fromUtf8(name), index);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QLineEdit* box(const char* name, std::optional<int> index = std::nullopt)
    {
        QLineEdit* b = controls().textBox(QString::fromUtf8(name), index);
        EXPECT_NE(b, nullptr) << name;
        return b;
    }
    void type(const char* name, std::optional<int> index, const char* text) { box(name, index)->setText(QString::fromUtf8(text)); }
    QString text(const char* name, std::optional<int> index = std::nullopt) { return box(name, index)->text(); }
    void tick(const char* name, int index, bool on)
    {
        controls().checkBox(QString::fromUtf8(name), index)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
    }
    void press(const char* name, std::optional<int> index = std::nullopt)
    {
        controls().button(QString::fromUtf8(name), index)->click();
    }
    // A click on a picture or a caption, as the user makes it.
    void click(const char* name, int index)
    {
        QWidget* w = widget(name, index);
        QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
    }
    QString tip() { return controls().label(QStringLiteral("lblTips"))->text(); }

    // The widget holding the keyboard focus that a marked box must have.
    virtual QWidget* focused() { return window->focusWidget(); }

    // The box marked as bad: focused, its whole text selected.
    void expectMarked(const char* name, std::optional<int> index)
    {
        QLineEdit* b = box(name, index);
        EXPECT_EQ(focused(), b) << name << "(" << index.value_or(-1) << ")";
        EXPECT_EQ(b->selectedText(), b->text()) << name << "(" << index.value_or(-1) << ")";
    }

    std::unique_ptr<app::MainWindow> window;

private:
    int m_firstPanel;
};

} // namespace testsupport
