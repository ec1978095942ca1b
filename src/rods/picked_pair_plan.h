// The plan arcs of a picked rod pair in its work frame, in the order they are drawn and filed.
#pragma once

#include "rods/pair_plan.h"

#include <vector>

namespace rods {

// What an arc outlines, which decides the list it is filed in.
enum class PairArcKind { Ground, Rx, Waist };
// The rod of the pair whose list takes the arc: the first (m_point1) or the second (m_point2).
enum class PairSide { First, Second };

struct PickedPairArc {
    FrameArc arc;
    PairArcKind kind;
    PairSide side;
};

// Ground arcs 1 and 2, about the first and the second rod.
std::vector<PickedPairArc> PickedPairGroundArcs(const PairPlanInput& in);

// The outline at the target height grouped by rod: the rx arc of the first rod with the waist arcs on
// its side, then the second rod's. Split: T1, T3, T5, T2, T4, T6. Joined: T1, T7, T8, T2, and only
// when `twoCopies` (arcs filed per rod) T7 and T8 once more for the second rod's list.
std::vector<PickedPairArc> PickedPairTargetArcs(const PairPlanInput& in, bool twoCopies);

} // namespace rods
