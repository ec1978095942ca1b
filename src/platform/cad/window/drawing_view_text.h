// Drawing the texts of a drawing: TEXT and MTEXT with their height, width factor, rotation and justification.
#pragma once

#include "platform/cad/model/entity_data.h"

#include <QColor>
#include <QLineF>
#include <QStringList>
#include <QTransform>
#include <vector>

class QPainter;

namespace cad {

// Draws one TEXT or MTEXT entity in `color` through `toDevice` (drawing units to pixels).
void drawTextEntity(QPainter& painter, const EntityData& text, const QTransform& toDevice, const QColor& color);

// A text only a few pixels high is not worth its glyphs: it shows as a bar per line, as long as
// the line, through its middle (drawing units), as CAD programs show texts when zoomed out.
bool textTooSmall(const EntityData& text, double pixelsPerUnit);
void textBars(const EntityData& text, std::vector<QLineF>& out);

// The text as shown, one entry per line: the %% control codes (%%c diameter, %%d degree,
// %%p plus-minus) and MText formatting (\P new line, font and height switches, braces) resolved.
QStringList shownTextLines(const EntityData& text);

} // namespace cad
