// The two-rod panel (typed layout, unequal heights): the joint zone, its plan outlines and its section.
#include "rods/two_rod_panel.h"

#include "geometry/frame_drawing.h"
#include "rods/pair_plan.h"
#include "rods/rod_messages.h"
#include "rods/sections.h"
#include "rods/two_rod_zone.h"
#include "services/button_arrays.h"
#include "services/compute_then_draw.h"
#include "services/form.h"
#include "services/input_checks.h"
#include "services/panel_io.h"
#include "services/pick_prompts.h"
#include "services/pick_protocol.h"
#include "services/rod_fields.h"

namespace rods {

using geometry::Placement;

namespace {

const QString kHandler = QStringLiteral("cmdTwoRod_Click");

using Box = services::TwoRodBox;

const services::FieldTable<Box>& boxes() { return services::twoRodBoxes(); }

void show(services::Form& form, Box box, double value) { services::showResult(form, boxes()[box], value); }

} // namespace

TwoRodPanel::TwoRodPanel(services::Form& form, QObject* parent) : QObject(parent), m_form(form)
{
    services::wireButtonArray(form, QStringLiteral("cmdTwoRod"), kHandler, this,
                              [this](int index) { cmdTwoRod_Click(index); });
}

void TwoRodPanel::cmdTwoRod_Click(int index)
{
    services::RunTypedButton(m_form, index,
                             {kHandler, 4, true, [this] { return services::CheckTwoRodInput(m_form); },
                              [this] { return compute(); },
                              [this](int i, automation::ErrObject& err) { return draw(i, err); }});
}

bool TwoRodPanel::compute()
{
    services::FormState& st = m_form.state();
    const auto h1 = services::boxNumber(m_form, boxes()[Box::LowRodHeight]);
    const auto h2 = services::boxNumber(m_form, boxes()[Box::HighRodHeight]);
    const auto hx = services::boxNumber(m_form, boxes()[Box::TargetHeight]);
    const auto d = services::boxNumber(m_form, boxes()[Box::Spacing]);
    if (!h1 || !h2 || !hx || !d)
        return false;
    st.m_lowRodHeight = *h1;
    st.m_highRodHeight = *h2;
    st.m_spacing = *d;
    st.m_targetHeight = *hx;
    if (const auto hr = services::classSphereRadius(m_form, boxes()[Box::Class]))
        st.m_sphereRadius = *hr;

    const TwoRodZone z = TwoRodZoneOf(*h1, *h2, *hx, *d, st.m_sphereRadius);
    if (z.stop == TwoRodStop::SpacingTooLarge) {
        services::refuse(m_form, boxes()[Box::Spacing], QStringLiteral("避雷针间距过大,两针宜独立计算!"));
        return false;
    }
    st.m_lowOffset1 = z.lowOffset1;
    st.m_lowOffset2 = z.lowOffset2;
    if (!z.hasWaist()) {
        services::refuse(m_form, boxes()[Box::LowRodHeight], kHeightUnsuitable);
        return false;
    }
    st.m_waistHalfWidth = z.waistHalfWidth;
    st.m_lowestHeight = z.lowestHeight;
    show(m_form, Box::WaistHalfWidth, z.waistHalfWidth);
    show(m_form, Box::LowestHeight, z.lowestHeight);
    if (!z.complete()) {
        services::refuse(m_form, boxes()[Box::LowRodHeight], kHeightUnsuitable);
        return false;
    }
    st.m_axisGap = z.axisGap;
    show(m_form, Box::AxisGap, z.axisGap);

    // Each rod's radii, unrounded, with its own warning when it is taller than Hr.
    auto rod = [&](const OneRodRadii& r, double& rx, double& r0, const QString& warning, Box rxBox, Box r0Box) {
        rx = r.rx;
        r0 = r.r0;
        if (r.taller)
            m_form.ShowMsg(services::tallerRodWarning(warning, st.m_sphereRadius));
        show(m_form, rxBox, r.rx);
        show(m_form, r0Box, r.r0);
    };
    rod(z.rod1, st.m_targetHalfWidth1, st.m_groundHalfWidth1, kLowRodTaller, Box::TargetRadius1, Box::GroundRadius1);
    rod(z.rod2, st.m_targetHalfWidth2, st.m_groundHalfWidth2, QStringLiteral("高避雷针超过"), Box::TargetRadius2,
        Box::GroundRadius2);
    return true;
}

bool TwoRodPanel::draw(int index, automation::ErrObject& err)
{
    services::FormState& st = m_form.state();
    services::bringDrawingToFront(m_form, err);
    const QString prompt = index == 3 ? services::prompts::SectionPosition : services::prompts::TwoRodLeftPosition;
    cad::Point p{};
    if (services::pickPoint(m_form, std::nullopt, prompt, p) != services::PickResult::Picked)
        return false;
    m_form.ShowMsg(QString());

    const Placement at(p, [this] { return services::boxText(m_form, boxes()[Box::Scale]); });
    if (index == 3) {
        geometry::drawFrameItems(st, at,
                       TwoRodSection({st.m_lowRodHeight, st.m_highRodHeight, st.m_spacing, st.m_targetHeight,
                                      st.m_sphereRadius, st.m_lowOffset1, st.m_groundHalfWidth1,
                                      st.m_groundHalfWidth2}),
                       err);
    } else {
        const PairPlanInput plan{st.m_spacing, st.m_lowOffset1, st.m_lowOffset2, st.m_waistHalfWidth, st.m_axisGap,
                                 st.m_targetHalfWidth1, st.m_targetHalfWidth2, st.m_groundHalfWidth1,
                                 st.m_groundHalfWidth2};
        for (const geometry::FrameArc& arc : index == 1 ? PairGroundArcs(plan) : PairTargetArcs(plan))
            geometry::drawFrameArc(st, at, arc, err);
    }
    err.clear();
    return true;
}

} // namespace rods
