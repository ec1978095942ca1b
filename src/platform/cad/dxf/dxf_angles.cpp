// Angles between a file's degrees and the drawing's radians.
#include "platform/cad/dxf/dxf_angles.h"

#include <charconv>

namespace cad {

double dxfDegrees(double radians)
{
    const double degrees = radians * (360.0 / geom::kTwoPi);
    constexpr int kMostDigits = 10; // beyond this the angle was computed, not typed: written as it converts
    for (int digits = 1; digits <= kMostDigits; ++digits) {
        char buf[32];
        const auto end = std::to_chars(buf, buf + sizeof buf, degrees, std::chars_format::general, digits).ptr;
        double shorter = 0;
        std::from_chars(buf, end, shorter);
        if (dxfRadians(shorter) == radians)
            return shorter;
    }
    return degrees;
}

} // namespace cad
