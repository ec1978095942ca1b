// The tests a pair of outline points must pass before the rolling sphere is set on them.
#include "buildings/building_outline_pair.h"

namespace buildings {

std::optional<QString> PairRefusal(const cad::Point& p1, const cad::Point& p2, double sphereRadius)
{
    const double dx = p1[0] - p2[0];
    const double dy = p1[1] - p2[1];
    const double d2 = dx * dx + dy * dy;
    const double diameter = 2.0 * sphereRadius;
    if (diameter * diameter < d2)
        return kPairTooFar;
    if (d2 == 0)
        return kPairSamePoint;
    if (p1[0] == p2[0])
        return kPairSameVertical;
    return std::nullopt;
}

ArcEnds LeftToRight(const cad::Point& p1, const cad::Point& p2)
{
    if (p1[0] < p2[0])
        return {p1, p2};
    return {p2, p1};
}

} // namespace buildings
