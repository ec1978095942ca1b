// Angles between a file's degrees and the drawing's radians.
#include "platform/cad/dxf/dxf_angles.h"

#include <charconv>

namespace cad {

// A decimal of up to 10 digits that reads back to the radians is the nearest such decimal to the
// converted degrees (they differ by rounding alone): one rounding finds it. Beyond 10 digits the
// angle was computed, not typed, and is written as it converts.
double dxfDegrees(double radians)
{
    const double degrees = radians * (360.0 / geom::kTwoPi);
    char buf[32];
    const auto end = std::to_chars(buf, buf + sizeof buf, degrees, std::chars_format::general, 10).ptr;
    double typed = 0;
    std::from_chars(buf, end, typed);
    return dxfRadians(typed) == radians ? typed : degrees;
}

} // namespace cad
