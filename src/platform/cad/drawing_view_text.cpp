// Texts drawn with the window's Song face, scaled so a Chinese character is as high as the text height.
#include "platform/cad/drawing_view_text.h"

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
// MText line pitch in text heights.
constexpr double kLinePitch = 5.0 / 3.0;

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

QStringList mtextLines(const QString& raw)
{
    QStringList lines{QString()};
    for (qsizetype i = 0; i < raw.size(); ++i) {
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

double lengthOn(const QTransform& t, double dx, double dy)
{
    const QPointF a = t.map(QPointF(0, 0)), b = t.map(QPointF(dx, dy));
    return std::hypot(b.x() - a.x(), b.y() - a.y());
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

void drawTextEntity(QPainter& p, const EntityData& e, const QTransform& toDevice, const QColor& color)
{
    const TextFont& tf = textFont();
    const double h = e.height > 0 ? e.height : 1.0;
    const bool mtext = e.kind == EntityKind::MText;
    const double widthFactor = mtext || !(e.widthFactor > 0) ? 1.0 : e.widthFactor;
    const QStringList lines = shownTextLines(e);

    // Layout pixels to drawing units: a Chinese character becomes h high; y flips so glyphs stand upright.
    const double k = h / tf.unitHeight;
    QTransform frame;
    Point anchor = e.insertion;
    const bool justified = !mtext && !(e.hAlign == 0 && e.vAlign == 0) && e.hAlign != 3 && e.hAlign != 5;
    if (justified)
        anchor = e.alignment;
    frame.translate(anchor[0], anchor[1]);
    frame.rotateRadians(e.rotation);
    frame.scale(k * widthFactor, -k);
    const QTransform toPixels = frame * toDevice;

    std::vector<double> widths;
    double widest = 0;
    for (const auto& l : lines) {
        widths.push_back(tf.metrics.horizontalAdvance(l));
        widest = std::max(widest, widths.back());
    }
    const double cap = tf.unitHeight, pitch = cap * kLinePitch;

    // Baseline of the first line and the horizontal placement of each line, in layout pixels
    // (y down, as Qt draws glyphs).
    double firstBaseline = 0;
    int column = 0;   // 0 left, 1 centre, 2 right
    if (mtext) {
        const int a = std::clamp(e.attachment, 1, 9);
        const int row = (a - 1) / 3;
        column = (a - 1) % 3;
        const double block = cap + pitch * (lines.size() - 1);
        firstBaseline = row == 0 ? cap : row == 1 ? cap - block / 2 : cap - block;
    } else if (justified) {
        column = e.hAlign == 1 || e.hAlign == 4 ? 1 : e.hAlign == 2 ? 2 : 0;
        if (e.hAlign == 4 || e.vAlign == 2)
            firstBaseline = cap / 2;
        else if (e.vAlign == 3)
            firstBaseline = cap;
        else if (e.vAlign == 1)
            firstBaseline = -tf.metrics.descent();
    }

    p.save();
    const QTransform base = p.transform();
    p.setPen(color);
    if (lengthOn(toDevice, 0, h) < kGreekPixels) {
        // Too small to read: a bar along each line, as long as the line would be.
        p.setTransform(toPixels * base);
        p.setPen(QPen(color, 0));
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const double w = widths[static_cast<std::size_t>(i)];
            const double x = column == 0 ? 0 : column == 1 ? -w / 2 : -w;
            const double y = firstBaseline + i * pitch - cap / 2;
            if (w > 0)
                p.drawLine(QPointF(x, y), QPointF(x + w, y));
        }
        p.restore();
        return;
    }
    p.setTransform(toPixels * base);
    p.setFont(tf.font);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const double w = widths[static_cast<std::size_t>(i)];
        const double x = column == 0 ? 0 : column == 1 ? -w / 2 : -w;
        p.drawText(QPointF(x, firstBaseline + i * pitch), lines[i]);
    }
    p.restore();
}

} // namespace cad
