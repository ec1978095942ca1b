// Where the pair engine files the handle of each hidden plan arc for the rod-group union outlines.
#include "rods/pair_filing.h"

namespace rods {

namespace {

// The rod of a three-rod pair whose list takes the arc: a digit of m_pairId, or none.
int rodOfSide(const QString& pairId, PairSide side)
{
    if (pairId.isEmpty())
        return -1;
    const QChar digit = side == PairSide::First ? pairId.front() : pairId.back();
    if (digit == QLatin1Char('0'))
        return 0;
    if (digit == QLatin1Char('1'))
        return 1;
    if (digit == QLatin1Char('2'))
        return 2;
    return -1;
}

} // namespace

void filePairArc(services::FormState& st, PairArcKind kind, PairSide side, const services::EntityHandle& handle)
{
    for (std::size_t e = 0; e < st.m_presetFourRod.size(); ++e) {
        if (!st.m_presetFourRod[e])
            continue;
        if (kind == PairArcKind::Ground)
            services::fileAtCounter(st.m_quadGroundHandles[e], st.m_quadGroundCount, handle);
        else
            services::fileAtCounter(st.m_quadTargetHandles[e], st.m_quadTargetCount, handle);
    }
    if (!st.m_presetThreeRod)
        return;
    const int rod = rodOfSide(st.m_pairId, side);
    if (rod < 0)
        return;
    const auto r = static_cast<std::size_t>(rod);
    switch (kind) {
    case PairArcKind::Ground: st.m_rodGroundHandles[r].file(handle); break;
    case PairArcKind::Rx: st.m_rodTargetHandles[r].file(handle); break;
    case PairArcKind::Waist: st.m_rodWaistHandles[r].file(handle); break;
    }
}

void wrapQuadGroundCount(services::FormState& st)
{
    if (st.m_quadGroundCount == 4)
        st.m_quadGroundCount = 0;
}

void wrapQuadTargetCount(services::FormState& st)
{
    if (st.m_quadTargetCount == 12)
        st.m_quadTargetCount = 0;
}

} // namespace rods
