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

#include <initializer_list>
#include <memory>
#include <optional>
#include <vector>

namespace testsupport {

// Expected box texts written as literals.
inline QStringList texts(std::initializer_list<const char*> values)
{
    QStringList out;
    for (const char* v : values)
        out << QString::fromUtf8(v);
    return out;
}

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

    // A control array taken whole, element 0 up to the registry's highest index.
    int lastIndex(const char* name)
    {
        const int last = controls().maxIndex(QString::fromUtf8(name));
        EXPECT_GE(last, 0) << name << " is no control array";
        return last;
    }
    // Types values into elements 0, 1, ... of a box array; a nullptr leaves its element as it is.
    void typeBoxes(const char* name, const std::vector<const char*>& values)
    {
        for (std::size_t i = 0; i < values.size(); ++i)
            if (values[i])
                type(name, int(i), values[i]);
    }
    // The same text in every box of an array: a mark that shows which boxes a command wrote.
    void fillBoxes(const char* name, const char* value)
    {
        for (int i = 0, last = lastIndex(name); i <= last; ++i)
            type(name, i, value);
    }
    // Every box of an array, in index order.
    QStringList boxTexts(const char* name)
    {
        QStringList out;
        for (int i = 0, last = lastIndex(name); i <= last; ++i)
            out << text(name, i);
        return out;
    }
    // Ticks elements 0, 1, ... of a check-box array as given.
    void tickBoxes(const char* name, std::initializer_list<bool> on)
    {
        int i = 0;
        for (const bool b : on)
            tick(name, i++, b);
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
