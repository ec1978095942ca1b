// Field reading for execute strings.
#include "app/link_execute_fields.h"

#include "services/numeric_text.h"
#include "services/text_trim.h"

#include <QStringList>
#include <cmath>

namespace app {

int CountOccurrences(QString s, const QString& sub)
{
    if (sub.isEmpty())
        return 0;
    int count = 0;
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = s.indexOf(sub, from, Qt::CaseInsensitive);
        if (at < 0)
            break;
        ++count;
        from = at + sub.size();
    }
    return count;
}

QString GetField(const QString& sep, const QString& s, int n)
{
    if (s.isEmpty() || n < 1)
        return {};
    const int c = CountOccurrences(s, sep);
    if (n > c + 1)
        return {};
    const QStringList pieces = services::TrimBlanks(s).split(sep, Qt::KeepEmptyParts, Qt::CaseInsensitive);
    // Trimming can only remove separators that are blanks themselves, so a piece may be missing.
    if (n > pieces.size())
        return {};
    return services::TrimBlanks(pieces.at(n - 1));
}

std::optional<int> toInteger16(const QString& text)
{
    // The same reading as the numeric test of the input boxes.
    const std::optional<double> value = services::NumericValue(text);
    if (!value || !std::isfinite(*value))
        return std::nullopt;
    // The default rounding mode rounds halves to the even neighbour.
    const double rounded = std::nearbyint(*value);
    if (rounded < -32768.0 || rounded > 32767.0)
        return std::nullopt;
    return static_cast<int>(rounded);
}

} // namespace app
