// Where a TEXT or MTEXT stands about the point it is placed by, and the box it fills there.
#pragma once

#include "platform/cad/model/entity_data.h"
#include "platform/cad/model/spatial_index.h"

namespace cad {

// MText line pitch in text heights.
inline constexpr double kTextLinePitch = 5.0 / 3.0;

// How the lines of a text stand about their anchor. Across: they start at it, are centred on it or
// end at it. Up and down: the first line stands on it (its baseline, or the foot of its letters),
// the block of lines is centred on it, the first line hangs from it, or the last line stands on it.
enum class TextColumn { Left, Centre, Right };
enum class TextRow { Baseline, Bottom, Middle, Top, BlockBottom };

struct TextJustification {
    Point anchor{}; // a justified TEXT's alignment point, else the insertion point
    TextColumn column = TextColumn::Left;
    TextRow row = TextRow::Baseline;
};

TextJustification textJustification(const EntityData& text);

// How a text's lines are turned about its anchor before its rotation: mirrored across (backwards),
// upside down or, for a multi-line text seen from below, flipped; then slanted by its oblique angle
// (x grows by `slant` times the height above the baseline).
struct TextMirroring {
    double across = 1, upDown = 1;
    double slant = 0;
};
TextMirroring textMirroring(const EntityData& text);

// The box a TEXT or MTEXT fills, about where it is drawn: from its anchor, its estimated width
// (the MTEXT reference width where there is one) and its lines one text height high.
Box textBox(const EntityData& text);

} // namespace cad
