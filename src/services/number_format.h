// Numbers as the program shows them: results with three decimals, single precision, plain decimal text.
#pragma once

#include <QLocale>
#include <QString>
#include <QVariant>

namespace services {

// The result-box format "0.000": three decimals with the locale's decimal point. As the platform
// did, the value is first taken to 15 significant digits and then rounded half away from zero
// (2.0005 gives "2.001", 1.0005 "1.001"); a negative value that rounds to zero keeps its sign ("-0.000").
QString FormatFixed3(double value, const QLocale& locale = QLocale());

// Rounds to single precision (to nearest, ties to even), as a Single variable holds a value.
float ToSingle(double value);

// The shortest plain decimal text of a number (no exponent, no trailing zeros, the locale's
// decimal point): at most 15 significant digits for a double ("0.3" for 0.1 + 0.2), 7 for a single
// (30.1f gives "30.1").
QString DecimalText(double value, const QLocale& locale = QLocale());
QString DecimalTextSingle(float value, const QLocale& locale = QLocale());

// A value as text, the way the platform turned a variant into a string: nothing (a blank cell) is
// "", a number its DecimalText, a text itself.
QString VariantText(const QVariant& value, const QLocale& locale = QLocale());

} // namespace services
