// Reading the fields of an execute string: "|"-separated, blank-trimmed, numbers as 16-bit integers.
#pragma once

#include <QString>
#include <optional>

namespace app {

// How often sub occurs in s, ignoring case; occurrences do not overlap. sub must not be empty.
int CountOccurrences(QString s, const QString& sub);

// The n-th field (from 1) of s separated by sep, without leading and trailing blanks; empty when s
// is empty, n < 1, or s has fewer than n fields.
QString GetField(const QString& sep, const QString& s, int n);

// A field read as a number and rounded to a 16-bit signed integer, halves to the even neighbour;
// nothing when the text is empty, no number, or outside -32768..32767 after rounding.
std::optional<int> toInteger16(const QString& text);

} // namespace app
