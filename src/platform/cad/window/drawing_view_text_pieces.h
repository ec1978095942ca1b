// Long lines of text cut into pieces to be laid out, and how wide they stand laid out so.
#pragma once

#include <QString>
#include <QStringView>
#include <vector>

class QFontMetricsF;

namespace cad {

// A line longer than this is laid out piece by piece from its start, so that no more of it is laid
// out than reaches the view and the budget allows; a shorter line is laid out whole.
inline constexpr qsizetype kPieceCharacters = 256;

// Where a piece of a long line that starts at `from` ends: after a blank near its end if there is
// one, else never inside a surrogate pair or before a combining mark.
qsizetype pieceEnd(const QString& line, qsizetype from);

// How wide a long line stands laid out piece by piece, in the pixels of the metrics it was measured with.
struct MeasuredLine {
    double width = 0;
    std::vector<double> pieces; // each piece's advance in order; empty where the width comes from a sample
    double perEstimate = 1;     // how much wider than estimated the sample measured
};

// A centred or right-aligned long line is placed by its width before any of it is laid out, so it
// is measured first; measuring shapes the characters as laying them out does and costs as much.
// True when `line` was measured before and is kept: measuring it again costs nothing.
bool lineMeasured(const QString& line);
// How many characters measuring `line` lays out.
qsizetype measuringCharacters(const QString& line);
// The width of `line` in `metrics`: the sum of its pieces' advances, kept for the next paints. A
// line too long to measure in one paint has its `estimated` width, scaled by how a sample of its
// pieces measures against what `estimate` makes of them.
MeasuredLine measureLine(const QString& line, double estimated, const QFontMetricsF& metrics,
                         double (*estimate)(QStringView));

} // namespace cad
