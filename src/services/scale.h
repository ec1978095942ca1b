// The drawing scale typed into a panel ("1:500"): its test and the factor from metres to drawing units.
#pragma once

#include <QString>

namespace services {

// True when text is a drawing scale: blanks removed, one digit 1 to 9, a colon and a positive
// number ("1:500", "1 : 500", "1:5e2", "1:0.5"). The number after the colon must be numeric and
// be read in full by Val, so that ParseScale never takes a different number than the one typed
// ("1:1,000" is refused rather than drawn at 1:1).
bool IsValidScale(const QString& text);

// The factor of a scale text that IsValidScale accepted: the digit divided by the number
// ("1:500" gives 0.002). A length in metres times 1000 times the factor is a length in drawing units.
double ParseScale(const QString& text);

} // namespace services
