// The real main window for the buildings tests, shown on the strike-count panel, with small helpers.
#pragma once

#include "app/main_window.h"
#include "services/control_registry.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <optional>

class StrikeCountWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        app::MainWindowOptions o;
        o.random = [] { return 1.5 / 19.0; }; // starts on panel 1
        o.tipClearIntervalMs = 3600000;
        window = std::make_unique<app::MainWindow>(o);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    services::ControlRegistry& controls() { return window->controls(); }
    QLineEdit* box(const char* name, std::optional<int> index = std::nullopt)
    {
        QLineEdit* b = controls().textBox(QString::fromUtf8(name), index);
        EXPECT_NE(b, nullptr) << name;
        return b;
    }
    void type(const char* name, std::optional<int> index, const char* text)
    {
        box(name, index)->setText(QString::fromUtf8(text));
    }
    void choose(const char* option, int index)
    {
        QRadioButton* o = controls().optionButton(QString::fromUtf8(option), index);
        QTest::mouseClick(o, Qt::LeftButton, {}, QPoint(8, o->height() / 2));
        EXPECT_TRUE(o->isChecked()) << option << index;
    }
    void calculate() { controls().button(QStringLiteral("cmdNumber"))->click(); }
    QString tip() { return controls().label(QStringLiteral("lblTips"))->text(); }
    void expectMarked(const char* name, std::optional<int> index)
    {
        QLineEdit* b = box(name, index);
        EXPECT_EQ(window->focusWidget(), b) << name;
        EXPECT_EQ(b->selectedText(), b->text()) << name;
    }

    std::unique_ptr<app::MainWindow> window;
};
