// The drawing-panel window started on the one-rod panel, under the names the rod tests use.
#pragma once

#include "support/drawing_window.h"

namespace rodtest {

using drawingtest::arc;
using drawingtest::circle;
using drawingtest::Computation;
using drawingtest::EntityKind;
using drawingtest::Expected;
using drawingtest::line;
using drawingtest::texts;

class RodWindow : public drawingtest::DrawingWindow {
protected:
    RodWindow() : DrawingWindow(3) {} // the one-rod panel
};

} // namespace rodtest
