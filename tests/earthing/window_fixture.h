// The real main window for the earthing tests, shown on a chosen earthing panel, with small helpers.
#pragma once

#include "support/main_window_fixture.h"

class EarthingWindow : public testsupport::MainWindowFixture {
protected:
    EarthingWindow() : MainWindowFixture(9) {}

    void calculate(int index) { press("cmdResistance", index); }
    void clearTip() { window->ShowMsg(QString()); }
};
