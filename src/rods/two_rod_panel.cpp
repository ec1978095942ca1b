// The two-rod panel (typed layout, unequal heights): the joint zone, its plan outlines and its section.
#include "rods/two_rod_panel.h"

#include "rods/frame_drawing.h"
#include "rods/pair_plan.h"
#include "rods/panel_io.h"
#include "rods/sections.h"
#include "rods/two_rod_zone.h"
#include "services/button_arrays.h"
#include "services/compute_then_draw.h"
#include "services/form.h"
#include "services/input_checks.h"
#include "services/pick_prompts.h"
#include "services/pick_protocol.h"

#include <QLineEdit>

namespace rods {

namespace {
const QString kIn = QStringLiteral("txtTwoRodIn");
const QString kOut = QStringLiteral("txtTwoRodOut");
const QString kHandler = QStringLiteral("cmdTwoRod_Click");
const QString kHeightUnsuitable = QStringLiteral("避雷针高度选择不当!");
constexpr int kClassCombo = 3;
} // namespace

TwoRodPanel::TwoRodPanel(services::Form& form, QObject* parent) : QObject(parent), m_form(form)
{
    services::connectClicks(form, QStringLiteral("cmdTwoRod"), this, [this](int index) { cmdTwoRod_Click(index); });
    form.registerHandler(kHandler, [this](int index) { cmdTwoRod_Click(index); });
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
    const auto h1 = boxNumber(m_form, kIn, 0);
    const auto h2 = boxNumber(m_form, kIn, 1);
    const auto hx = boxNumber(m_form, kIn, 2);
    const auto d = boxNumber(m_form, kIn, 3);
    if (!h1 || !h2 || !hx || !d)
        return false;
    st.m_lowRodHeight = *h1;
    st.m_highRodHeight = *h2;
    st.m_spacing = *d;
    st.m_targetHeight = *hx;
    if (const auto hr = classSphereRadius(m_form, kClassCombo))
        st.m_sphereRadius = *hr;

    const TwoRodZone z = TwoRodZoneOf(*h1, *h2, *hx, *d, st.m_sphereRadius);
    if (z.stop == TwoRodStop::SpacingTooLarge) {
        refuse(m_form, kIn, 3, QStringLiteral("避雷针间距过大,两针宜独立计算!"));
        return false;
    }
    st.m_lowOffset1 = z.lowOffset1;
    st.m_lowOffset2 = z.lowOffset2;
    if (!z.hasWaist()) {
        refuse(m_form, kIn, 0, kHeightUnsuitable);
        return false;
    }
    st.m_waistHalfWidth = z.waistHalfWidth;
    st.m_lowestHeight = z.lowestHeight;
    showResult(m_form, kOut, 6, z.waistHalfWidth);
    showResult(m_form, kOut, 5, z.lowestHeight);
    if (!z.complete()) {
        refuse(m_form, kIn, 0, kHeightUnsuitable);
        return false;
    }
    st.m_axisGap = z.axisGap;
    showResult(m_form, kOut, 4, z.axisGap);

    st.m_targetHalfWidth1 = z.rod1.rx;
    st.m_groundHalfWidth1 = z.rod1.r0;
    if (z.rod1.taller)
        m_form.ShowMsg(tallerRodWarning(QStringLiteral("低避雷针超过"), st.m_sphereRadius));
    showResult(m_form, kOut, 0, z.rod1.rx);
    showResult(m_form, kOut, 2, z.rod1.r0);

    st.m_targetHalfWidth2 = z.rod2.rx;
    st.m_groundHalfWidth2 = z.rod2.r0;
    if (z.rod2.taller)
        m_form.ShowMsg(tallerRodWarning(QStringLiteral("高避雷针超过"), st.m_sphereRadius));
    showResult(m_form, kOut, 1, z.rod2.rx);
    showResult(m_form, kOut, 3, z.rod2.r0);
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

    const Placement at(p, [this] {
        const QLineEdit* box = m_form.controls().textBox(kIn, 4);
        return box ? box->text() : QString();
    });
    if (index == 3) {
        drawFrameItems(st, at,
                       TwoRodSection({st.m_lowRodHeight, st.m_highRodHeight, st.m_spacing, st.m_targetHeight,
                                      st.m_sphereRadius, st.m_lowOffset1, st.m_groundHalfWidth1,
                                      st.m_groundHalfWidth2}),
                       err);
    } else {
        const PairPlanInput plan{st.m_spacing, st.m_lowOffset1, st.m_lowOffset2, st.m_waistHalfWidth, st.m_axisGap,
                                 st.m_targetHalfWidth1, st.m_targetHalfWidth2, st.m_groundHalfWidth1,
                                 st.m_groundHalfWidth2};
        for (const FrameArc& arc : index == 1 ? PairGroundArcs(plan) : PairTargetArcs(plan))
            drawFrameArc(st, at, arc, err);
    }
    err.clear();
    return true;
}

} // namespace rods
