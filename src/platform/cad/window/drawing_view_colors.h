// The CAD colour indexes as screen colours on the drawing view's dark background.
#pragma once

#include <QColor>

namespace cad {

// The view's background.
QColor drawingBackground();

// The screen colour of colour index 1..255 (1 red, 2 yellow, 3 green, 4 cyan, 5 blue, 6 magenta,
// 7 white on the dark background, 8 and 9 greys, 10..249 the hue wheel, 250..255 greys). Index 0
// (by block) and 256 (by layer) must be resolved by the caller; anything else shows as white.
QColor colorOfIndex(int index);

} // namespace cad
