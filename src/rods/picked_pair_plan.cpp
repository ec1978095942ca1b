// The plan arcs of a picked rod pair in its work frame, in the order they are drawn and filed.
#include "rods/picked_pair_plan.h"

namespace rods {

std::vector<PickedPairArc> PickedPairGroundArcs(const PairPlanInput& in)
{
    const std::vector<FrameArc> g = PairGroundArcs(in);
    return {{g[0], PairArcKind::Ground, PairSide::First}, {g[1], PairArcKind::Ground, PairSide::Second}};
}

std::vector<PickedPairArc> PickedPairTargetArcs(const PairPlanInput& in, bool twoCopies)
{
    // The typed pair's order: T1, T2, then T3, T4, T5, T6 (split) or T7, T8 (joined).
    const std::vector<FrameArc> t = PairTargetArcs(in);
    const PickedPairArc t1{t[0], PairArcKind::Rx, PairSide::First};
    const PickedPairArc t2{t[1], PairArcKind::Rx, PairSide::Second};
    auto waist = [&](int i, PairSide side) { return PickedPairArc{t[static_cast<std::size_t>(i)], PairArcKind::Waist, side}; };
    // The split test is made once per rod's group, on the same values, as the two groups are drawn.
    std::vector<PickedPairArc> arcs{t1};
    if (PairTargetSplit(in)) {
        arcs.insert(arcs.end(), {waist(2, PairSide::First), waist(4, PairSide::First)});
    } else {
        arcs.insert(arcs.end(), {waist(2, PairSide::First), waist(3, PairSide::First)});
    }
    arcs.push_back(t2);
    if (PairTargetSplit(in)) {
        arcs.insert(arcs.end(), {waist(3, PairSide::Second), waist(5, PairSide::Second)});
    } else if (twoCopies) {
        arcs.insert(arcs.end(), {waist(2, PairSide::Second), waist(3, PairSide::Second)});
    }
    return arcs;
}

} // namespace rods
