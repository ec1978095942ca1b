// The real main window for the earthing tests, shown on a chosen earthing panel, with small helpers.
#pragma once

#include "app/main_window.h"
#include "services/control_registry.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <optional>

class EarthingWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        app::MainWindowOptions o;
        o.random = [] { return 9.5 / 19.0; }; // starts on panel 9
        o.tipClearIntervalMs = 3600000;
        window = std::make_unique<app::MainWindow>(o);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    services::ControlRegistry& controls() { return window->controls(); }

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
    // A click on a picture or a caption, as the user makes it.
    void click(const char* name, int index)
    {
        QWidget* w = widget(name, index);
        QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
    }
    void calculate(int index) { controls().button(QStringLiteral("cmdResistance"), index)->click(); }
    QString tip() { return controls().label(QStringLiteral("lblTips"))->text(); }
    void clearTip() { window->ShowMsg(QString()); }

    // The box marked as bad: focused, whole text selected.
    void expectMarked(const char* name, std::optional<int> index)
    {
        QLineEdit* b = box(name, index);
        EXPECT_EQ(window->focusWidget(), b) << name;
        EXPECT_EQ(b->selectedText(), b->text()) << name;
    }

    std::unique_ptr<app::MainWindow> window;
};
