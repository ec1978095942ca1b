// Texts drawn with the window's Song face, scaled so a Chinese character is as high as the text height.
#include "platform/cad/window/drawing_view_text.h"

#include "platform/cad/model/text_justification.h"
#include "platform/cad/window/drawing_view_text_pieces.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

namespace cad {

namespace {

// Glyphs are laid out at this pixel size and scaled, so small and large texts keep their shapes.
constexpr int kLayoutPixels = 100;
// Below this height in pixels a text is only a bar.
constexpr double kGreekPixels = 3.0;

struct TextFont {
    QFont font;
    QFontMetricsF metrics;
    double unitHeight;
    TextFont() : font(QStringLiteral("AR PL SungtiL GB")), metrics(font), unitHeight(1)
    {
        font.setPixelSize(kLayoutPixels);
        font.setStyleStrategy(QFont::PreferAntialias);
        metrics = QFontMetricsF(font);
        // A Chinese character stands as high as the text height, as with the big fonts of CAD
        // text styles; Latin capitals come out a little lower.
        const double hanzi = metrics.tightBoundingRect(QStringLiteral("国")).height();
        unitHeight = hanzi > 0 ? hanzi : metrics.ascent();
    }
};

const TextFont& textFont()
{
    static const TextFont f;
    return f;
}

QString resolvePercentCodes(const QString& s)
{
    if (!s.contains(QLatin1String("%%")))
        return s;
    QString out;
    out.reserve(s.size());
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i] == QLatin1Char('%') && i + 2 < s.size() && s[i + 1] == QLatin1Char('%')) {
            const QChar code = s[i + 2].toLower();
            if (code == QLatin1Char('c')) { out += QChar(0x2205); i += 2; continue; }
            if (code == QLatin1Char('d')) { out += QChar(0x00B0); i += 2; continue; }
            if (code == QLatin1Char('p')) { out += QChar(0x00B1); i += 2; continue; }
            if (code == QLatin1Char('%')) { out += QLatin1Char('%'); i += 2; continue; }
            if (code == QLatin1Char('u') || code == QLatin1Char('o')) { i += 2; continue; }   // under/overline switches
        }
        out += s[i];
    }
    return out;
}

// Where the run of plain characters from `from` on ends: at the next backslash or brace.
qsizetype plainRunEnd(const QString& raw, qsizetype from)
{
    while (from < raw.size() && raw[from] != QLatin1Char('\\') && raw[from] != QLatin1Char('{')
           && raw[from] != QLatin1Char('}'))
        ++from;
    return from;
}

QStringList mtextLines(const QString& raw)
{
    QStringList lines{QString()};
    for (qsizetype i = 0; i < raw.size(); ++i) {
        // Plain runs go over at once: a long text is mostly plain.
        if (const qsizetype plain = plainRunEnd(raw, i); plain > i) {
            lines.back() += QStringView(raw).sliced(i, plain - i);
            i = plain - 1;
            continue;
        }
        const QChar c = raw[i];
        if (c == QLatin1Char('{') || c == QLatin1Char('}'))
            continue;
        if (c != QLatin1Char('\\') || i + 1 >= raw.size()) {
            lines.back() += c;
            continue;
        }
        const QChar code = raw[++i];
        switch (code.toLatin1()) {
        case 'P': lines.append(QString()); break;
        case '~': lines.back() += QLatin1Char(' '); break;
        case '\\': case '{': case '}': lines.back() += code; break;
        case 'L': case 'l': case 'O': case 'o': case 'K': case 'k': case 'N': break;
        case 'U':
            if (i + 5 < raw.size() && raw[i + 1] == QLatin1Char('+')) {
                bool ok = false;
                const uint u = raw.mid(i + 2, 4).toUInt(&ok, 16);
                if (ok) {
                    lines.back() += QChar(static_cast<char16_t>(u));
                    i += 5;
                    break;
                }
            }
            lines.back() += code;
            break;
        case 'S': {
            // Stacked fraction "\Sa^b;": shown flat as a/b.
            const qsizetype end = raw.indexOf(QLatin1Char(';'), i);
            QString stack = raw.mid(i + 1, end < 0 ? -1 : end - i - 1);
            stack.replace(QLatin1Char('^'), QLatin1Char('/')).replace(QLatin1Char('#'), QLatin1Char('/'));
            lines.back() += stack;
            i = end < 0 ? raw.size() : end;
            break;
        }
        case 'f': case 'F': case 'H': case 'W': case 'Q': case 'T': case 'A': case 'C': case 'c': case 'p': {
            const qsizetype end = raw.indexOf(QLatin1Char(';'), i);
            i = end < 0 ? raw.size() : end;
            break;
        }
        default: lines.back() += QLatin1Char('\\'); lines.back() += code; break;
        }
    }
    return lines;
}

} // namespace

QStringList shownTextLines(const EntityData& e)
{
    if (e.kind == EntityKind::MText) {
        QStringList lines = mtextLines(e.text);
        for (auto& l : lines)
            l = resolvePercentCodes(l);
        return lines;
    }
    return {resolvePercentCodes(e.text)};
}

namespace {

// Where the lines of a text go: `frame` maps layout pixels (y down, as Qt draws glyphs) to
// drawing units; each line starts at x and stands on its baseline, both in layout pixels. The
// starts of centred and right-aligned lines are estimated (from `estimated`, their estimated
// widths): drawing places them by their measured widths.
struct TextLine {
    QString text;
    double x = 0, baseline = 0, estimated = 0;
};
struct TextPlacement {
    QTransform frame;
    std::vector<TextLine> lines;
    int column = 0; // 0 left, 1 centre, 2 right
};

// A line's width in layout pixels, estimated without laying it out: a Chinese character as wide
// as high and others about half that.
double lineWidth(QStringView line)
{
    double w = 0;
    for (const QChar c : line)
        w += c.unicode() >= 0x2E80 ? 1.0 : 0.55;
    return w * textFont().unitHeight;
}

double lineStart(double width, int column) { return column == 0 ? 0 : column == 1 ? -width / 2 : -width; }

TextPlacement placeText(const EntityData& e)
{
    const TextFont& tf = textFont();
    const double h = e.height > 0 ? e.height : 1.0;
    const double widthFactor = e.kind == EntityKind::MText || !(e.widthFactor > 0) ? 1.0 : e.widthFactor;
    const QStringList lines = shownTextLines(e);

    // Layout pixels to drawing units: a Chinese character becomes h high; y flips so glyphs stand upright.
    const double k = h / tf.unitHeight;
    TextPlacement placed;
    const TextJustification j = textJustification(e);
    placed.frame.translate(j.anchor[0], j.anchor[1]);
    placed.frame.rotateRadians(e.rotation);
    if (e.rare) {
        // Mirrored as its file says, about the point it hangs from, as other programs show it.
        const TextMirroring m = textMirroring(e);
        placed.frame.scale(m.across, m.upDown);
        placed.frame.shear(m.slant, 0);
    }
    placed.frame.scale(k * widthFactor, -k);

    const double unit = tf.unitHeight, pitch = unit * kTextLinePitch;
    const double block = unit + pitch * (lines.size() - 1);
    const int column = placed.column = static_cast<int>(j.column);
    double firstBaseline = 0;
    switch (j.row) {
    case TextRow::Baseline:
        break;
    case TextRow::Bottom:
        firstBaseline = -tf.metrics.descent();
        break;
    case TextRow::Middle:
        firstBaseline = unit - block / 2;
        break;
    case TextRow::Top:
        firstBaseline = unit;
        break;
    case TextRow::BlockBottom:
        firstBaseline = unit - block;
        break;
    }
    for (qsizetype i = 0; i < lines.size(); ++i) {
        TextLine line;
        line.text = lines[i];
        line.estimated = column == 0 ? 0 : lineWidth(line.text);
        line.x = lineStart(line.estimated, column);
        line.baseline = firstBaseline + i * pitch;
        placed.lines.push_back(std::move(line));
    }
    return placed;
}

} // namespace

bool textTooSmall(const EntityData& e, double pixelsPerUnit)
{
    return (e.height > 0 ? e.height : 1.0) * pixelsPerUnit < kGreekPixels;
}

void textBars(const EntityData& e, std::vector<QLineF>& out)
{
    const TextPlacement placed = placeText(e);
    const double middle = textFont().unitHeight / 2;
    for (const auto& l : placed.lines)
        if (const double width = lineWidth(l.text); width > 0)
            out.push_back(placed.frame.map(QLineF(l.x, l.baseline - middle, l.x + width, l.baseline - middle)));
}

namespace {

// What a paint lays out of one text: the lines in `seen` (layout pixels), each from its start, as
// far as it reaches into `seen` and the budget allows. What is left for want of budget comes back
// as the box it stands in.
class LineDrawer {
public:
    LineDrawer(QPainter& painter, const QRectF& seen, int column, TextBudget& budget)
        : m_p(painter), m_seen(seen), m_column(column), m_budget(budget)
    {
    }

    void draw(const TextLine& l, std::vector<QRectF>& outlines)
    {
        const QFontMetricsF& metrics = textFont().metrics;
        if (l.baseline + metrics.descent() < m_seen.top() || l.baseline - metrics.ascent() > m_seen.bottom())
            return;
        if (l.text.size() <= kPieceCharacters) {
            if (!afford(l.text.size())) {
                outlines.push_back(box(l.x, l.baseline, lineWidth(l.text)));
                return;
            }
            const double width = metrics.horizontalAdvance(l.text);
            const double x = lineStart(width, m_column);
            if (x <= m_seen.right() && x + width >= m_seen.left())
                m_p.drawText(QPointF(x, l.baseline), l.text);
            return;
        }
        // A centred or right-aligned line stands by its measured width, as a short one does; a
        // left-aligned one needs no width and is measured piece by piece as it is laid out.
        MeasuredLine measured;
        if (m_column != 0) {
            if (!lineMeasured(l.text) && !afford(measuringCharacters(l.text))) {
                outlines.push_back(box(l.x, l.baseline, l.estimated));
                return;
            }
            measured = measureLine(l.text, l.estimated, metrics, lineWidth);
        }
        const double start = m_column == 0 ? l.x : lineStart(measured.width, m_column);
        double x = start;
        std::size_t i = 0;
        for (qsizetype at = 0; at < l.text.size() && x <= m_seen.right(); ++i) {
            const qsizetype end = pieceEnd(l.text, at);
            const bool known = i < measured.pieces.size();
            if (known && x + measured.pieces[i] < m_seen.left()) { // left of the view: nothing to lay out
                x += measured.pieces[i];
                at = end;
                continue;
            }
            if (!afford(end - at)) {
                const double rest = known ? measured.width - (x - start)
                                          : lineWidth(QStringView(l.text).sliced(at)) * measured.perEstimate;
                outlines.push_back(box(x, l.baseline, rest));
                return;
            }
            const QString piece = l.text.sliced(at, end - at);
            const double width = known ? measured.pieces[i] : metrics.horizontalAdvance(piece);
            if (x + width >= m_seen.left())
                m_p.drawText(QPointF(x, l.baseline), piece);
            x += width;
            at = end;
        }
    }

private:
    bool afford(qsizetype characters)
    {
        if (m_budget.laidOut + static_cast<std::size_t>(characters) > kTextCharactersPerPaint)
            return false;
        m_budget.laidOut += static_cast<std::size_t>(characters);
        return true;
    }

    // Where characters of a line stand: as high as a Chinese character, on the baseline.
    static QRectF box(double x, double baseline, double width)
    {
        const double h = textFont().unitHeight;
        return QRectF(x, baseline - h, width, h);
    }

    QPainter& m_p;
    QRectF m_seen;
    int m_column;
    TextBudget& m_budget;
};

} // namespace

void drawTextEntity(QPainter& p, const EntityData& e, const QTransform& toDevice, const QColor& color,
                    TextBudget& budget)
{
    const TextPlacement placed = placeText(e);
    const QTransform toPainter = placed.frame * toDevice * p.transform();
    bool invertible = false;
    const QTransform back = toPainter.inverted(&invertible);
    if (!invertible)
        return; // squeezed to nothing: nothing shows
    // The viewport in layout pixels, a character wider all round for glyphs that reach out of their boxes.
    const double margin = textFont().unitHeight;
    const QRectF seen = back.mapRect(QRectF(p.viewport())).adjusted(-margin, -margin, margin, margin);
    std::vector<QRectF> outlines;
    p.save();
    p.setTransform(toPainter);
    p.setPen(color);
    p.setFont(textFont().font);
    LineDrawer lines(p, seen, placed.column, budget);
    for (const auto& l : placed.lines)
        lines.draw(l, outlines);
    if (!outlines.empty()) {
        QPen pen(color, 1);
        pen.setCosmetic(true);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRects(outlines.data(), static_cast<int>(outlines.size()));
    }
    p.restore();
}

} // namespace cad
