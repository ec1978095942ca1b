// Long lines of text in pieces: where they break, and their measured widths kept from paint to paint.
#include "platform/cad/window/drawing_view_text_pieces.h"

#include "platform/cad/window/drawing_view_text.h"

#include <QCache>
#include <QFontMetricsF>
#include <memory>

namespace cad {

namespace {

// A line up to this long is measured whole, in one paint, leaving half the paint's budget to lay
// out what shows; a longer one (a megabyte MTEXT) from a sample of this many pieces spread along it.
constexpr qsizetype kMeasuredWholeCharacters = static_cast<qsizetype>(kTextCharactersPerPaint / 2);
constexpr qsizetype kSamplePieces = 8;
// Measured lines kept, in characters of their texts: about two megabytes.
constexpr qsizetype kKeptCharacters = 1000000;

// The window draws every text in one face at one layout size (and only from the GUI thread), so a
// line's text alone says how wide it stands.
QCache<QString, MeasuredLine>& measuredLines()
{
    static QCache<QString, MeasuredLine> kept(kKeptCharacters);
    return kept;
}

// Where a sample piece starting near `at` may start: not inside a surrogate pair or on a combining mark.
qsizetype pieceStartFrom(const QString& line, qsizetype at)
{
    while (at < line.size() && (line[at].isLowSurrogate() || line[at].isMark()))
        ++at;
    return at;
}

MeasuredLine sampledLine(const QString& line, double whole, const QFontMetricsF& metrics,
                         double (*estimate)(QStringView))
{
    double measured = 0, estimated = 0;
    for (qsizetype i = 0; i < kSamplePieces; ++i) {
        const qsizetype from = pieceStartFrom(line, line.size() / kSamplePieces * i);
        const qsizetype end = pieceEnd(line, from);
        const QStringView piece = QStringView(line).sliced(from, end - from);
        measured += metrics.horizontalAdvance(piece.toString());
        estimated += estimate(piece);
    }
    const double scale = estimated > 0 ? measured / estimated : 1;
    return {whole * scale, {}, scale};
}

} // namespace

qsizetype pieceEnd(const QString& line, qsizetype from)
{
    qsizetype end = from + kPieceCharacters;
    if (end >= line.size())
        return line.size();
    for (qsizetype i = end - 1; i > end - 32; --i)
        if (line[i].isSpace())
            return i + 1;
    while (end > from + 1 && (line[end].isLowSurrogate() || line[end].isMark()))
        --end;
    return end;
}

bool lineMeasured(const QString& line)
{
    return line.size() <= kMeasuredWholeCharacters && measuredLines().contains(line);
}

qsizetype measuringCharacters(const QString& line)
{
    return line.size() <= kMeasuredWholeCharacters ? line.size() : kSamplePieces * kPieceCharacters;
}

MeasuredLine measureLine(const QString& line, double estimated, const QFontMetricsF& metrics,
                         double (*estimate)(QStringView))
{
    // Too long to keep, and to hash on every paint: sampled afresh, at a bounded cost.
    if (line.size() > kMeasuredWholeCharacters)
        return sampledLine(line, estimated, metrics, estimate);
    if (const MeasuredLine* kept = measuredLines().object(line))
        return *kept;
    auto measured = std::make_unique<MeasuredLine>();
    for (qsizetype at = 0; at < line.size();) {
        const qsizetype end = pieceEnd(line, at);
        measured->pieces.push_back(metrics.horizontalAdvance(line.sliced(at, end - at)));
        measured->width += measured->pieces.back();
        at = end;
    }
    MeasuredLine out = *measured;
    measuredLines().insert(line, measured.release(), line.size());
    return out;
}

} // namespace cad
