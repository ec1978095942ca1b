// Reading numbers typed into text boxes: the locale-aware numeric test with its conversion, and Val.
#pragma once

#include <QLocale>
#include <QString>
#include <optional>

namespace services {

// The value of a numeric text in the locale's notation (decimal point, currency symbol), or nothing
// when the text is not numeric. What it accepts is exactly what IsNumeric accepts: blanks around
// the number, a leading or trailing sign or parentheses for a negative value, a currency symbol,
// exponent notation (E or D), and &H / &O for hexadecimal and octal. Digit grouping is refused: a
// typed "1,5" is a slip for 1.5 far more often than fifteen, so it must not pass as 15.
// An empty text, a text without digits and a number out of the double range are not numeric.
std::optional<double> NumericValue(const QString& text, const QLocale& locale = QLocale());

// The numeric-text test the panels apply to their input boxes.
bool IsNumeric(const QString& text, const QLocale& locale = QLocale());

// The leading number of a text, read the locale-independent way: blanks, tabs and line feeds are
// skipped anywhere, the period is the decimal point, exponent notation and &H / &O are accepted,
// and the reading stops at the first other character. A text without a leading number reads as 0.
double Val(const QString& text);

// Val, also telling whether the reading took in the whole text (trailing blanks aside).
double Val(const QString& text, bool* readWholeText);

} // namespace services
