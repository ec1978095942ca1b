// The equivalent diameter of the four steel sections.
#include "earthing/equivalent_diameter.h"

#include "earthing/magnitude.h"

#include <cmath>

namespace earthing {

EquivalentDiameter equivalentDiameter(SteelSection section, double sizeA, double sizeB)
{
    double d = 0;
    switch (section) {
    case SteelSection::CircularBar:
    case SteelSection::Pipe:
        d = sizeA / 1000;
        break;
    case SteelSection::Flat:
        d = sizeA / 2000; // half the width
        break;
    case SteelSection::Angle:
        d = 0.71 * std::pow(sizeA * sizeB * (sizeA * sizeA + sizeB * sizeB), 0.25) / 1000;
        break;
    }
    // The formulas divide by d and take its logarithm: it must be a positive, finite number.
    if (!std::isfinite(d) || d <= 0)
        return {0, diameterBox(section, sizeA, sizeB)};
    return {d, std::nullopt};
}

int diameterBox(SteelSection section, double sizeA, double sizeB)
{
    if (section == SteelSection::Angle)
        return farthestFromOne<int>({{3, sizeA}, {4, sizeB}});
    return static_cast<int>(section);
}

int sizeBoxCount(SteelSection section) { return section == SteelSection::Angle ? 2 : 1; }

SizeBox sizeBox(SteelSection section, int n)
{
    switch (section) {
    case SteelSection::CircularBar: return {0, "圆钢直径d数值无效!"};
    case SteelSection::Pipe: return {1, "钢管外径d数值无效!"};
    case SteelSection::Flat: return {2, "扁钢宽度b数值无效!"};
    case SteelSection::Angle: break;
    }
    return n == 0 ? SizeBox{3, "角钢边宽b1数值无效!"} : SizeBox{4, "角钢边宽b2数值无效!"};
}

} // namespace earthing
