// Picks the input to blame when a formula of the earthing panels leaves the range of a Double.
#pragma once

#include <cmath>
#include <initializer_list>
#include <utility>

namespace earthing {

// Products and quotients overflow or underflow through the value farthest from 1 in order of
// magnitude, large or small; zeros (a resistivity of 0) never cause that and are skipped.
// The first of equal candidates wins.
template <typename Id>
Id farthestFromOne(std::initializer_list<std::pair<Id, double>> candidates)
{
    const std::pair<Id, double>* best = candidates.begin();
    double bestDistance = -1;
    for (const auto& c : candidates) {
        if (c.second == 0)
            continue;
        const double distance = std::abs(std::log(std::abs(c.second)));
        if (distance > bestDistance) {
            best = &c;
            bestDistance = distance;
        }
    }
    return best->first;
}

} // namespace earthing
