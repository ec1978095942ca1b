// The pair engine's calling contract: how the three- and four-rod flows draw each rod pair through it.
#include "rods/pair_engine.h"

#include "platform/automation/errors_resumed.h"
#include "services/acad_refs.h"
#include "services/form.h"

namespace rods {

using services::PairRunOutcome;

namespace {

// Both groups' slots back to no handle, so only what a driver run files is ever erased.
template <int N>
void emptySlots(services::HandleSlots<N>& list)
{
    for (int i = 0; i < N; ++i)
        list.set(i, services::EntityHandle());
}

void eraseFiled(const services::EntityHandle& handle)
{
    if (handle.isEmpty() || handle == services::kNoEntity)
        return;
    automation::ErrObject err; // an arc already gone, or no drawing: nothing to erase
    cad::Entity arc;
    if (automation::resumeAssign(err, arc, [&] { return services::g_acadApp.ActiveDocument().HandleToObject(handle); }))
        automation::resume(err, [&] { arc.Erase(); });
}

} // namespace

bool pairRunEndedEarly(PairRunOutcome outcome)
{
    return outcome != PairRunOutcome::Drawn && outcome != PairRunOutcome::SingleRods;
}

void beginPairDriverRun(services::FormState& st)
{
    for (std::size_t r = 0; r < 3; ++r) {
        st.m_rodGroundHandles[r].reset();
        st.m_rodTargetHandles[r].reset();
        st.m_rodWaistHandles[r].reset();
    }
    for (std::size_t e = 0; e < 2; ++e) {
        emptySlots(st.m_quadGroundHandles[e]);
        emptySlots(st.m_quadTargetHandles[e]);
    }
    st.m_quadGroundCount = 0;
    st.m_quadTargetCount = 0;
}

PairRunOutcome runPresetPair(services::Form& form, PairPreset preset, const cad::Point& a, const cad::Point& b,
                             const QString& pairId)
{
    services::FormState& st = form.state();
    st.m_point1 = a;
    st.m_point2 = b;
    switch (preset) {
    case PairPreset::ThreeRod:
        st.m_presetThreeRod = true;
        st.m_pairId = pairId;
        break;
    case PairPreset::FourRodFirstGroup: st.m_presetFourRod[0] = true; break;
    case PairPreset::FourRodSecondGroup: st.m_presetFourRod[1] = true; break;
    }
    st.m_pairOutcome = PairRunOutcome::NotRun;
    if (!form.runHandler(kPairEngineHandler, 0)) {
        st.m_presetThreeRod = false;
        st.m_presetFourRod = {};
    }
    return st.m_pairOutcome;
}

void abandonPairDriverRun(services::FormState& st)
{
    for (std::size_t r = 0; r < 3; ++r) {
        for (const services::HandleList* list : {&st.m_rodGroundHandles[r], &st.m_rodTargetHandles[r], &st.m_rodWaistHandles[r]}) {
            for (int i = 0; i < list->count(); ++i)
                eraseFiled(list->at(i));
        }
    }
    for (std::size_t e = 0; e < 2; ++e) {
        for (int i = 0; i < st.m_quadGroundHandles[e].size(); ++i)
            eraseFiled(st.m_quadGroundHandles[e].at(i));
        for (int i = 0; i < st.m_quadTargetHandles[e].size(); ++i)
            eraseFiled(st.m_quadTargetHandles[e].at(i));
    }
    beginPairDriverRun(st);
}

} // namespace rods
