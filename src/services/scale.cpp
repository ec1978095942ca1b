// Drawing-scale texts: validity and factor.
#include "services/scale.h"

#include "services/numeric_text.h"

#include <cmath>

namespace services {

namespace {

// Blanks anywhere in a scale text are ignored; the full-width blank of Chinese input counts as one.
QString withoutBlanks(const QString& text)
{
    QString result = text;
    result.remove(QLatin1Char(' '));
    result.remove(QChar(0x3000));
    return result;
}

} // namespace

bool IsValidScale(const QString& text)
{
    const QString s = withoutBlanks(text);
    if (s.size() < 3)
        return false;
    if (s[1] != QLatin1Char(':'))
        return false;
    const QString digit = s.left(1);
    if (!IsNumeric(digit) || !(Val(digit) > 0))
        return false;
    const QString number = s.mid(2);
    bool readWhole = false;
    if (!IsNumeric(number) || !(Val(number, &readWhole) > 0))
        return false;
    // A subnormal number such as 1e-310 would give an infinite factor.
    return readWhole && std::isfinite(Val(digit) / Val(number));
}

double ParseScale(const QString& text)
{
    const QString s = withoutBlanks(text);
    return Val(s.left(1)) / Val(s.mid(2));
}

} // namespace services
