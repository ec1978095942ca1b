// The real main window for the buildings tests, shown on the strike-count panel, with small helpers.
#pragma once

#include "support/main_window_fixture.h"

#include <QRadioButton>

class StrikeCountWindow : public testsupport::MainWindowFixture {
protected:
    StrikeCountWindow() : MainWindowFixture(1) {}

    void choose(const char* option, int index)
    {
        QRadioButton* o = controls().optionButton(QString::fromUtf8(option), index);
        QTest::mouseClick(o, Qt::LeftButton, {}, QPoint(8, o->height() / 2));
        EXPECT_TRUE(o->isChecked()) << option << index;
    }
    void calculate() { press("cmdNumber"); }
};
