// Drawing the texts of a drawing: TEXT and MTEXT with their height, width factor, rotation and justification.
#pragma once

#include "platform/cad/entity_data.h"

#include <QColor>
#include <QStringList>
#include <QTransform>

class QPainter;

namespace cad {

// Draws one TEXT or MTEXT entity in `color` through `toDevice` (drawing units to pixels). Texts
// under a few pixels high are drawn as a bar of their length, as CAD programs do when zoomed out.
void drawTextEntity(QPainter& painter, const EntityData& text, const QTransform& toDevice, const QColor& color);

// The text as shown, one entry per line: the %% control codes (%%c diameter, %%d degree,
// %%p plus-minus) and MText formatting (\P new line, font and height switches, braces) resolved.
QStringList shownTextLines(const EntityData& text);

} // namespace cad
