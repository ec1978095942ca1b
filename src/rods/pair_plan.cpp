// Plan outlines of two rods' joint zone in the pair frame: at the ground and at the target height.
#include "rods/pair_plan.h"

namespace rods {

namespace {

struct PairPoints {
    FramePoint o1, o2, e, c, e1, c1, e2, c2, g1, g2;
};

PairPoints pointsOf(const PairPlanInput& in)
{
    const double d = in.spacing, d1 = in.lowOffset1, d2 = in.lowOffset2, b0 = in.waistHalfWidth;
    PairPoints p;
    p.o1 = {0.0, 0.0};
    p.o2 = {d, 0.0};
    p.e = {d1, b0};
    p.c = {d1, -b0};
    p.e1 = {d1 * in.rx1 / in.r01, b0 * in.rx1 / in.r01};
    p.c1 = {d1 * in.rx1 / in.r01, -b0 * in.rx1 / in.r01};
    p.e2 = {d - d2 * in.rx2 / in.r02, b0 * in.rx2 / in.r02};
    p.c2 = {d - d2 * in.rx2 / in.r02, -b0 * in.rx2 / in.r02};
    p.g1 = {d1 - in.axisGap, 0.0};
    p.g2 = {d1 + in.axisGap, 0.0};
    return p;
}

} // namespace

std::vector<FrameArc> PairGroundArcs(const PairPlanInput& in)
{
    const PairPoints p = pointsOf(in);
    return {
        {p.o1, in.r01, p.e, p.c},
        {p.o2, in.r02, p.c, p.e},
    };
}

bool PairTargetSplit(const PairPlanInput& in)
{
    const double w1 = in.r01 - in.rx1;
    const double w2 = in.r02 - in.rx2;
    return in.waistHalfWidth < w1 || in.waistHalfWidth < w2;
}

std::vector<FrameArc> PairTargetArcs(const PairPlanInput& in)
{
    const PairPoints p = pointsOf(in);
    const double w1 = in.r01 - in.rx1;
    const double w2 = in.r02 - in.rx2;
    std::vector<FrameArc> arcs{
        {p.o1, in.rx1, p.e, p.c},
        {p.o2, in.rx2, p.c, p.e},
    };
    if (PairTargetSplit(in)) {
        arcs.push_back({p.e, w1, p.e1, p.g1});
        arcs.push_back({p.e, w2, p.g2, p.e2});
        arcs.push_back({p.c, w1, p.g1, p.c1});
        arcs.push_back({p.c, w2, p.c2, p.g2});
    } else {
        // Both waist arcs take w1: with one target height w1 and w2 differ only by rounding.
        arcs.push_back({p.e, w1, p.e1, p.e2});
        arcs.push_back({p.c, w1, p.c2, p.c1});
    }
    return arcs;
}

} // namespace rods
