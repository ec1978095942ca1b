// The picked two-rod panel: two equal rods picked in the drawing, their joint zone, plans and section;
// with a preset flag set, the pair engine of the three- and four-rod flows (rods/pair_engine.h).
#include "rods/two_rod_picked_panel.h"

#include "geometry/colours.h"
#include "geometry/frame_drawing.h"
#include "geometry/plan_geometry.h"
#include "rods/pair_engine.h"
#include "rods/pair_filing.h"
#include "rods/pair_plan.h"
#include "rods/picked_fallbacks.h"
#include "rods/picked_pair_plan.h"
#include "rods/picked_panels.h"
#include "rods/picked_rod_boxes.h"
#include "rods/rod_messages.h"
#include "rods/sections.h"
#include "rods/two_rod_zone.h"
#include "services/acad_refs.h"
#include "services/button_arrays.h"
#include "services/form.h"
#include "services/input_checks.h"
#include "services/number_format.h"
#include "services/panel_io.h"
#include "services/pick_prompts.h"
#include "services/pick_protocol.h"

#include <cmath>

namespace rods {

using services::PairRunOutcome;

namespace {

const RodPanelControls& kPanel = kTwoRodPickedPanel;

using Box = TwoRodPickedBox;

const services::FieldTable<Box>& boxes() { return twoRodPickedBoxes(); }

bool presetMode(const services::FormState& st)
{
    return st.m_presetFourRod[0] || st.m_presetFourRod[1] || st.m_presetThreeRod;
}

} // namespace

TwoRodPickedPanel::TwoRodPickedPanel(services::Form& form, QObject* parent) : QObject(parent), m_form(form)
{
    services::wireButtonArray(form, QStringLiteral("cmdTwoRodPicked"), kPairEngineHandler, this,
                              [this](int index) { cmdTwoRodPicked_Click(index); });
}

void TwoRodPickedPanel::cmdTwoRodPicked_Click(int index)
{
    services::FormState& st = m_form.state();
    const PairRunOutcome outcome = run(index);
    st.m_pairOutcome = outcome;
    // Preset mode lasts one run, whichever way it ended.
    st.m_presetFourRod[0] = false;
    st.m_presetFourRod[1] = false;
    st.m_presetThreeRod = false;
}

PairRunOutcome TwoRodPickedPanel::run(int index)
{
    if (!services::CheckTwoRodPickedInput(m_form))
        return PairRunOutcome::InputRefused;
    m_form.ShowMsg(QString());

    services::FormState& st = m_form.state();
    // h stays as typed: a rod above Hr is told and drawn with Hr where it matters.
    if (!readPickedRodInputs(m_form, kPanel, false))
        return PairRunOutcome::InputRefused;

    // Every run connects afresh, also as the engine: a driver's earlier command may have released.
    if (!services::connectForDrawing(m_form, services::PanelKind::Picked))
        return PairRunOutcome::NoDrawing;
    automation::ErrObject err;
    services::takeDrawingObjects(err);
    services::bringDrawingToFront(m_form, err);
    services::setPickingAids(err);
    if (err.failed())
        return PairRunOutcome::AutomationFailed;

    const bool preset = presetMode(st);
    if (index == 0) {
        if (!preset) {
            if (const PairRunOutcome picked = takeRods(); picked != PairRunOutcome::Drawn)
                return picked;
        }
        m_form.ShowMsg(QString());
        if (const PairRunOutcome drawn = computeAndDraw(preset); drawn != PairRunOutcome::Drawn)
            return drawn;
    }
    // The engine keeps the references for its driver's union outlines.
    if (!preset)
        services::endDrawingCommand();
    return PairRunOutcome::Drawn;
}

PairRunOutcome TwoRodPickedPanel::takeRods()
{
    services::FormState& st = m_form.state();
    auto outcomeOf = [](services::PickResult r) {
        return r == services::PickResult::Cancelled ? PairRunOutcome::PickCancelled : PairRunOutcome::PickFailed;
    };
    cad::Point rod{};
    if (const auto r = services::pickPoint(m_form, std::nullopt, services::prompts::TwoRodPickedFirst, rod);
        r != services::PickResult::Picked)
        return outcomeOf(r);
    st.m_point1 = rod;
    if (const auto r = services::pickPoint(m_form, st.m_point1, services::prompts::TwoRodPickedSecond, rod);
        r != services::PickResult::Picked)
        return outcomeOf(r);
    st.m_point2 = rod;
    return PairRunOutcome::Drawn;
}

PairRunOutcome TwoRodPickedPanel::computeAndDraw(bool preset)
{
    services::FormState& st = m_form.state();
    st.m_angle = geometry::DirectionAngle(st.m_point1, st.m_point2);
    const double dx = st.m_point2[0] - st.m_point1[0];
    const double dy = st.m_point2[1] - st.m_point1[1];
    const double d = std::sqrt(dx * dx + dy * dy) / st.m_scale / 1000.0;
    st.m_spacing = d;
    if (d == 0.0)
        return fallBack(QStringLiteral("避雷针重叠,已按单针计算!"), preset);

    const double h = st.m_height;
    const double hx = st.m_targetHeight;
    const double hr = st.m_sphereRadius;
    const TwoRodZone z = TwoRodZoneOf(h, h, hx, d, hr);
    if (z.stop == TwoRodStop::SpacingTooLarge)
        return fallBack(services::FormatFixed3(d) + QStringLiteral("m 避雷针间距过大,两针已独立计算!"), preset);

    st.m_lowOffset1 = z.lowOffset1;
    st.m_lowOffset2 = z.lowOffset2;
    st.m_waistHalfWidth = z.waistHalfWidth;
    st.m_lowestHeight = z.lowestHeight;
    services::showResult(m_form, boxes()[Box::WaistHalfWidth], z.waistHalfWidth);
    services::showResult(m_form, boxes()[Box::LowestHeight], z.lowestHeight);
    if (z.stop == TwoRodStop::GapUnsuitable || z.stop == TwoRodStop::HeightUnsuitable) {
        // Back to the main window first: the marked box takes the focus only in the active window.
        services::returnToMainWindow(m_form);
        services::refuse(m_form, boxes()[Box::Height], kHeightUnsuitable);
        return PairRunOutcome::HeightUnsuitable;
    }
    if (z.stop == TwoRodStop::RodRefused) {
        // Kept out by the gap test for equal rods; told all the same rather than drawn on no radii.
        services::returnToMainWindow(m_form);
        services::refuse(m_form, boxes()[Box::TargetHeight], kTargetTooHigh);
        return PairRunOutcome::HeightUnsuitable;
    }
    st.m_axisGap = z.axisGap;
    services::showResult(m_form, boxes()[Box::AxisGap], z.axisGap);
    if (z.rod1.taller)
        m_form.ShowMsg(services::tallerRodWarning(kLowRodTaller, hr));
    st.m_targetHalfWidth = z.rod1.rx;
    st.m_groundHalfWidth = z.rod1.r0;
    services::showResult(m_form, boxes()[Box::TargetRadius], z.rod1.rx);
    services::showResult(m_form, boxes()[Box::GroundRadius], z.rod1.r0);

    const PairPlanInput plan{d, z.lowOffset1, z.lowOffset2, z.waistHalfWidth, z.axisGap,
                             z.rod1.rx, z.rod1.rx, z.rod1.r0, z.rod1.r0};
    if (const PairRunOutcome planned = drawPlans(plan, preset); planned != PairRunOutcome::Drawn)
        return planned;
    if (services::isTicked(m_form, ticksOf(kPanel)[services::DrawingTick::Section]))
        return drawSection();
    return PairRunOutcome::Drawn;
}

PairRunOutcome TwoRodPickedPanel::fallBack(const QString& msg, bool preset)
{
    TwoRodPickedAsSingle(m_form, msg);
    if (preset) {
        // The single-rod runs released the drawing at their normal end; the driver's outlines need it.
        if (services::connectForDrawing(m_form, services::PanelKind::Typed)) {
            automation::ErrObject err;
            services::takeDrawingObjects(err);
        }
        m_form.ShowMsg(msg);
    }
    services::returnToMainWindow(m_form);
    return PairRunOutcome::SingleRods;
}

PairRunOutcome TwoRodPickedPanel::drawPlans(const PairPlanInput& plan, bool preset)
{
    services::FormState& st = m_form.state();
    const geometry::Placement frame = geometry::Placement::workFrame(st);
    auto drawArcs = [&](const std::vector<PickedPairArc>& arcs, automation::ErrObject& err) {
        for (const PickedPairArc& a : arcs) {
            const geometry::Placement at =
                preset ? frame.filedInto([&st, a](const services::EntityHandle& h) { filePairArc(st, a.kind, a.side, h); })
                       : frame;
            geometry::drawFrameArc(st, at, a.arc, err);
        }
    };

    if (services::isTicked(m_form, ticksOf(kPanel)[services::DrawingTick::GroundRange])) {
        st.m_color = geometry::kColorGround;
        automation::ErrObject err;
        drawArcs(PickedPairGroundArcs(plan), err);
        wrapQuadGroundCount(st);
        if (err.failed())
            return PairRunOutcome::AutomationFailed;
    }
    if (services::isTicked(m_form, ticksOf(kPanel)[services::DrawingTick::TargetRange])) {
        st.m_color = geometry::kColorTarget;
        automation::ErrObject err;
        drawArcs(PickedPairTargetArcs(plan, preset), err);
        wrapQuadTargetCount(st);
        if (err.failed()) {
            services::returnToMainWindow(m_form);
            return PairRunOutcome::AutomationFailed;
        }
    }
    return PairRunOutcome::Drawn;
}

PairRunOutcome TwoRodPickedPanel::drawSection()
{
    services::FormState& st = m_form.state();
    st.m_color = geometry::kColorGround;
    cad::Point at{};
    switch (services::pickPoint(m_form, std::nullopt, services::prompts::SectionPosition, at)) {
    case services::PickResult::Picked: break;
    case services::PickResult::Cancelled: return PairRunOutcome::PickCancelled;
    case services::PickResult::Failed: return PairRunOutcome::PickFailed;
    }
    m_form.ShowMsg(QString());

    // One height and one ground radius for both rods; the section lies flat and unturned at the pick.
    const double h = st.m_height;
    automation::ErrObject err;
    geometry::drawFrameItems(st, geometry::Placement(at, st.m_scale),
                             TwoRodSection({h, h, st.m_spacing, st.m_targetHeight, st.m_sphereRadius, st.m_lowOffset1,
                                            st.m_groundHalfWidth, st.m_groundHalfWidth}),
                             err);
    if (err.failed()) {
        services::returnToMainWindow(m_form);
        return PairRunOutcome::AutomationFailed;
    }
    return PairRunOutcome::Drawn;
}

} // namespace rods
