// A text's justification read from its DXF fields, and its box about where it stands.
#include "platform/cad/model/text_justification.h"

#include "platform/cad/geometry/geometry_transform.h"

#include <algorithm>
#include <cmath>

namespace cad {

namespace {

// An MTEXT's lines: one more than its \P breaks. Opening a plan works this out for a text of many
// megabytes, so it searches for backslashes, which is many times faster than searching for the pair.
qsizetype mtextLines(const QString& text)
{
    qsizetype lines = 1;
    for (qsizetype at = text.indexOf(QLatin1Char('\\')); at >= 0; at = text.indexOf(QLatin1Char('\\'), at + 2))
        lines += at + 1 < text.size() && text[at + 1] == QLatin1Char('P');
    return lines;
}

} // namespace

TextJustification textJustification(const EntityData& e)
{
    TextJustification j;
    if (e.kind == EntityKind::MText) {
        const int a = std::clamp<int>(e.attachment, 1, 9);
        j.anchor = e.insertion;
        j.column = static_cast<TextColumn>((a - 1) % 3);
        const int row = (a - 1) / 3;
        j.row = row == 0 ? TextRow::Top : row == 1 ? TextRow::Middle : TextRow::BlockBottom;
        return j;
    }
    // Aligned and fitted texts (3, 5) run from their insertion point, as does a left baseline one.
    const bool justified = !(e.hAlign == 0 && e.vAlign == 0) && e.hAlign != 3 && e.hAlign != 5;
    j.anchor = justified ? e.alignment : e.insertion;
    if (!justified)
        return j;
    j.column = e.hAlign == 1 || e.hAlign == 4 ? TextColumn::Centre
               : e.hAlign == 2                ? TextColumn::Right
                                              : TextColumn::Left;
    if (e.hAlign == 4 || e.vAlign == 2)
        j.row = TextRow::Middle;
    else if (e.vAlign == 3)
        j.row = TextRow::Top;
    else if (e.vAlign == 1)
        j.row = TextRow::Bottom;
    return j;
}

TextMirroring textMirroring(const EntityData& e)
{
    TextMirroring m;
    if (!e.rare)
        return m;
    const RareProperties& r = *e.rare;
    if (e.kind == EntityKind::MText) {
        m.upDown = r.extrusion[2] < 0 ? -1 : 1;
        return m;
    }
    m.across = (r.textFlags & 2) ? -1 : 1;
    m.upDown = (r.textFlags & 4) ? -1 : 1;
    constexpr double kDegree = geom::kTwoPi / 360;
    m.slant = std::tan(std::clamp(r.oblique, -85.0, 85.0) * kDegree);
    return m;
}

Box textBox(const EntityData& e)
{
    const bool mtext = e.kind == EntityKind::MText;
    const double h = e.height > 0 ? e.height : 1;
    const double w = std::max<qsizetype>(1, e.text.size()) * h * (mtext ? 1.0 : e.widthFactor);
    const double width = mtext && e.mtextWidth > 0 ? e.mtextWidth : w;
    const qsizetype lines = mtext ? mtextLines(e.text) : 1;
    const double block = h + h * kTextLinePitch * static_cast<double>(lines - 1);

    const TextJustification j = textJustification(e);
    const double left = j.column == TextColumn::Left ? 0 : j.column == TextColumn::Centre ? -width / 2 : -width;
    const double bottom = j.row == TextRow::Top ? -block : j.row == TextRow::Middle ? -block / 2 : 0;
    const TextMirroring m = textMirroring(e);
    const Point& p = j.anchor;
    Box b{p[0], p[1], p[0], p[1]};
    for (const double x : {left, left + width})
        for (const double y : {bottom, bottom + block}) {
            const double across = m.across * (x + m.slant * y), upDown = m.upDown * y;
            const Point c = geom::rotatePoint({p[0] + across, p[1] + upDown, 0}, p, e.rotation);
            b = {std::min(b.minX, c[0]), std::min(b.minY, c[1]), std::max(b.maxX, c[0]), std::max(b.maxY, c[1])};
        }
    return b;
}

} // namespace cad
