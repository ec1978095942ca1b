// Drawing the texts of a drawing: TEXT and MTEXT with their height, width factor, rotation and justification.
#pragma once

#include "platform/cad/model/entity_data.h"

#include <QColor>
#include <QLineF>
#include <QStringList>
#include <QTransform>
#include <cstddef>
#include <vector>

class QPainter;

namespace cad {

// Laying out glyphs (font fallback above all) costs by the character, so one paint lays out at most
// this many characters of its texts and shows the rest of them as outlines of where they stand: a
// screen of readable text is a few thousand characters, a megabyte text would hold the window.
inline constexpr std::size_t kTextCharactersPerPaint = 20000;

// What one paint has laid out of its texts so far.
struct TextBudget {
    std::size_t laidOut = 0;
    bool spent() const { return laidOut >= kTextCharactersPerPaint; }
};

// Draws one TEXT or MTEXT entity in `color` through `toDevice` (drawing units to pixels): only the
// lines and, of a long line, the pieces that reach into the painter's viewport are laid out, and
// what `budget` leaves no room for is outlined.
void drawTextEntity(QPainter& painter, const EntityData& text, const QTransform& toDevice, const QColor& color,
                    TextBudget& budget);

// A text only a few pixels high is not worth its glyphs: it shows as a bar per line, as long as
// the line, through its middle (drawing units), as CAD programs show texts when zoomed out.
bool textTooSmall(const EntityData& text, double pixelsPerUnit);
void textBars(const EntityData& text, std::vector<QLineF>& out);

// The text as shown, one entry per line: the %% control codes (%%c diameter, %%d degree,
// %%p plus-minus) and MText formatting (\P new line, font and height switches, braces) resolved.
QStringList shownTextLines(const EntityData& text);

} // namespace cad
