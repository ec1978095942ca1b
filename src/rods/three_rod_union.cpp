// The three-rod union: the three sides of a rod triangle drawn through the pair engine, then merged.
#include "rods/three_rod_union.h"

#include "geometry/plan_geometry.h"
#include "rods/pair_engine.h"
#include "rods/picked_panels.h"
#include "rods/three_rod_ground_outline.h"
#include "rods/three_rod_target_outline.h"
#include "rods/three_rod_values.h"
#include "services/form.h"
#include "services/numeric_text.h"
#include "services/panel_io.h"

#include <array>

namespace rods {

namespace {

struct PairRun {
    int first;
    int second;
    const char* code;
    int meet; // the pair's place in m_pairTargetMeet: "01", "12", "02"
};
constexpr std::array<PairRun, 3> kPairRuns{{{0, 1, "01", 0}, {0, 2, "02", 2}, {1, 2, "12", 1}}};

void restoreTriangle(services::FormState& st, const std::array<cad::Point, 3>& rods)
{
    st.m_point1 = rods[0];
    st.m_point2 = rods[1];
    st.m_point3 = rods[2];
    st.m_angle = geometry::DirectionAngle(st.m_point1, st.m_point2);
}

void emptyRodLists(services::FormState& st)
{
    for (int r = 0; r < 3; ++r) {
        st.m_rodGroundHandles[r].reset();
        st.m_rodTargetHandles[r].reset();
        st.m_rodWaistHandles[r].reset();
    }
}

} // namespace

void ThreeRodUnion(services::Form& form, const QString& msg)
{
    services::FormState& st = form.state();
    // The pair runs take their two rods in m_point1 and m_point2; the triangle is kept here.
    const std::array<cad::Point, 3> rods{st.m_point1, st.m_point2, st.m_point3};
    beginPairDriverRun(st);
    copyPanelInputs(form, kThreeRodPickedPanel, kTwoRodPickedPanel);
    form.ShowMsg(msg);

    for (const PairRun& run : kPairRuns) {
        const auto outcome = runPresetPair(form, PairPreset::ThreeRod, rods[run.first], rods[run.second],
                                           QString::fromLatin1(run.code));
        if (pairRunEndedEarly(outcome)) {
            // An outline of fewer pairs would be wrong; the hidden arcs of this union go with it.
            abandonPairDriverRun(st);
            restoreTriangle(st, rods);
            return;
        }
        st.m_pairTargetMeet[run.meet] = st.m_lowestHeight >= st.m_targetHeight;
    }

    restoreTriangle(st, rods);
    const QString centre = services::boxText(form, pickedThreeRodBoxes()[ThreeRodBox::CentreHeight]);
    st.m_lowestHeight = centre.isEmpty() ? -1.0 : services::NumericValue(centre).value_or(-1.0);

    if (services::isTicked(form, ticksOf(kTwoRodPickedPanel)[services::DrawingTick::GroundRange]))
        DrawThreeRodGroundUnion(form);
    if (services::isTicked(form, ticksOf(kTwoRodPickedPanel)[services::DrawingTick::TargetRange]))
        DrawThreeRodTargetUnion(form);
    emptyRodLists(st);
}

} // namespace rods
