// The four-rod union driver: side pairs through the pair engine, then the union outlines or the side zones.
#include "rods/four_rod_union.h"

#include "geometry/plan_geometry.h"
#include "platform/automation/errors_resumed.h"
#include "rods/four_rod_union_outlines.h"
#include "rods/pair_engine.h"
#include "rods/picked_panels.h"
#include "rods/picked_rod_boxes.h"
#include "services/acad_refs.h"
#include "services/control_registry.h"
#include "services/form.h"
#include "services/numeric_routines.h"
#include "services/panel_io.h"
#include "services/rolling_sphere.h"

#include <QLineEdit>
#include <array>

namespace rods {

namespace {



// Shows a group's filed arcs as the pair engine drew them. When its zones meet at the target height the
// joining arcs were filed twice (entries 4 and 5 repeat 1 and 2 per pair): the copies are erased instead.
void showGroup(services::FormState& st, int group, bool meet, int pairs)
{
    automation::ErrObject err;
    auto entity = [&](const services::EntityHandle& h) { return services::g_acadApp.ActiveDocument().HandleToObject(h); };
    for (int i = 0; i < 2 * pairs; ++i)
        automation::resume(err, [&] { entity(st.m_quadGroundHandles[group].at(i)).setVisible(true); });
    for (int i = 0; i < 6 * pairs; ++i) {
        const bool copy = meet && (i % 6 == 4 || i % 6 == 5);
        automation::resume(err, [&] {
            cad::Entity e = entity(st.m_quadTargetHandles[group].at(i));
            if (copy)
                e.Erase();
            else
                e.setVisible(true);
        });
    }
}

void emptyResultBoxes(services::Form& form)
{
    for (const FourRodPickedBox key : kFourRodLayoutResults) {
        const services::PanelField& field = fourRodPickedBoxes()[key];
        if (QLineEdit* box = form.controls().textBox(field.name, field.index))
            box->clear();
    }
}

} // namespace

void FourRodUnion(services::Form& form, const QString& msg)
{
    services::FormState& st = form.state();
    const std::array<cad::Point, 4> rod{st.m_point1, st.m_point2, st.m_point3, st.m_point4};
    const double longSide = st.m_longSide;
    const double shortSide = st.m_shortSide;

    copyPanelInputs(form, kFourRodPickedPanel, kTwoRodPickedPanel);
    form.ShowMsg(msg);
    beginPairDriverRun(st);
    st.m_quadTargetMeet = {false, false};

    // Runs one side pair; false after an early end, when everything this run filed is gone again.
    auto pair = [&](PairPreset preset, const cad::Point& a, const cad::Point& b, services::PairRunOutcome& out) {
        out = runPresetPair(form, preset, a, b);
        if (!pairRunEndedEarly(out))
            return true;
        abandonPairDriverRun(st);
        emptyResultBoxes(form);
        return false;
    };
    auto meets = [&] { return st.m_lowestHeight >= st.m_targetHeight; };
    const auto drawn = services::PairRunOutcome::Drawn;
    services::PairRunOutcome a{}, b{}, c{}, d{};

    if (shortSide == 0.0) {
        // Rods 3 and 4 stand on rods 1 and 2: one pair, shown as the pair engine drew it.
        if (!pair(PairPreset::FourRodFirstGroup, rod[0], rod[1], a))
            return;
        if (a == drawn) {
            st.m_quadTargetMeet[0] = meets();
            showGroup(st, 0, st.m_quadTargetMeet[0], 1);
        }
    } else {
        if (!pair(PairPreset::FourRodFirstGroup, rod[0], rod[2], a)
            || !pair(PairPreset::FourRodFirstGroup, rod[1], rod[3], b))
            return;
        if (b == drawn)
            st.m_quadTargetMeet[0] = meets();

        const double m = services::MinOf({st.m_height, st.m_sphereRadius});
        const double shared = services::SphereHalfWidth(m, st.m_sphereRadius);
        if (longSide < 2.0 * shared && shortSide < 2.0 * shared) {
            if (!pair(PairPreset::FourRodSecondGroup, rod[0], rod[1], c)
                || !pair(PairPreset::FourRodSecondGroup, rod[2], rod[3], d))
                return;
            if (d == drawn)
                st.m_quadTargetMeet[1] = meets();
            st.m_point1 = rod[0];
            st.m_point2 = rod[1];
            st.m_point3 = rod[2];
            st.m_point4 = rod[3];
            st.m_angle = geometry::DirectionAngle(st.m_point1, st.m_point2);
            // The outlines stand on all four pairs' arcs; a pair drawn as single rods filed none.
            if (a == drawn && b == drawn && c == drawn && d == drawn) {
                if (services::isTicked(form, ticksOf(kTwoRodPickedPanel)[services::DrawingTick::GroundRange]))
                    DrawFourRodGroundUnion(form);
                if (services::isTicked(form, ticksOf(kTwoRodPickedPanel)[services::DrawingTick::TargetRange]))
                    DrawFourRodTargetUnion(form);
            }
        } else {
            showGroup(st, 0, st.m_quadTargetMeet[0], 2);
        }
    }
    emptyResultBoxes(form);
    form.ShowMsg(msg); // the pair runs cleared it
}

} // namespace rods
