// The one-rod panel: rx and r0 of a rod ("计算"), and its drawing ("绘图"), also the single-rod engine.
#include "rods/one_rod_panel.h"

#include "geometry/colours.h"
#include "geometry/frame_drawing.h"
#include "rods/one_rod_zone.h"
#include "rods/picked_panels.h"
#include "rods/rod_messages.h"
#include "rods/sections.h"
#include "services/acad_refs.h"
#include "services/button_arrays.h"
#include "services/compute_then_draw.h"
#include "services/form.h"
#include "services/input_checks.h"
#include "services/panel_io.h"
#include "services/pick_prompts.h"
#include "services/pick_protocol.h"
#include "services/rod_fields.h"

namespace rods {

using automation::resume;
using geometry::Placement;

namespace {

const QString kHandler = QStringLiteral("cmdOneRod_Click");

enum class Box { Height, TargetHeight, Scale, Class, TargetRadius, GroundRadius };
using Tick = services::DrawingTick;

const services::FieldTable<Box>& boxes()
{
    const services::FieldTable<services::RodInput> in = services::rodInputs(kOneRodPanel.inputs);
    static const services::FieldTable<Box> table{
        {Box::Height, in[services::RodInput::Height]},      {Box::TargetHeight, in[services::RodInput::TargetHeight]},
        {Box::Scale, in[services::RodInput::Scale]},        {Box::Class, classComboOf(kOneRodPanel)},
        {Box::TargetRadius, {kOneRodPanel.results, 0, {}}}, {Box::GroundRadius, {kOneRodPanel.results, 1, {}}},
    };
    return table;
}

} // namespace

OneRodPanel::OneRodPanel(services::Form& form, QObject* parent) : QObject(parent), m_form(form)
{
    services::wireButtonArray(form, QStringLiteral("cmdOneRod"), kHandler, this,
                              [this](int index) { cmdOneRod_Click(index); });
}

void OneRodPanel::cmdOneRod_Click(int index)
{
    services::RunTypedButton(m_form, index,
                             {kHandler, 2, false, [this] { return services::CheckOneRodInput(m_form); },
                              [this] { return compute(); },
                              [this](int, automation::ErrObject& err) { return draw(err); }});
    if (index == 1) {
        // Preset mode lasts one run, whichever way the run ended.
        services::FormState& st = m_form.state();
        st.m_presetFourRod[0] = false;
        st.m_presetThreeRod = false;
        st.m_presetTwoRod = false;
    }
}

bool OneRodPanel::compute()
{
    services::FormState& st = m_form.state();
    const auto h = services::boxNumber(m_form, boxes()[Box::Height]);
    const auto hx = services::boxNumber(m_form, boxes()[Box::TargetHeight]);
    if (!h || !hx)
        return false;
    st.m_height = *h;
    st.m_targetHeight = *hx;
    if (const auto hr = services::classSphereRadius(m_form, boxes()[Box::Class]))
        st.m_sphereRadius = *hr;

    const auto radii = OneRodRadiiOf(st.m_height, st.m_targetHeight, st.m_sphereRadius);
    if (!radii) {
        services::refuse(m_form, boxes()[Box::TargetHeight], kTargetTooHigh);
        return false;
    }
    if (radii->taller)
        m_form.ShowMsg(services::tallerRodWarning(QStringLiteral("避雷针超过"), st.m_sphereRadius));

    st.m_targetHalfWidth = services::shownValue(radii->rx);
    st.m_groundHalfWidth = services::shownValue(radii->r0);
    services::showResult(m_form, boxes()[Box::TargetRadius], st.m_targetHalfWidth);
    services::showResult(m_form, boxes()[Box::GroundRadius], st.m_groundHalfWidth);
    return true;
}

bool OneRodPanel::draw(automation::ErrObject& err)
{
    services::FormState& st = m_form.state();
    const bool preset = st.m_presetTwoRod || st.m_presetThreeRod || st.m_presetFourRod[0];
    const auto ticks = ticksOf(kOneRodPanel);
    const bool ground = services::isTicked(m_form, ticks[Tick::GroundRange]);
    const bool target = services::isTicked(m_form, ticks[Tick::TargetRange]);
    const bool section = services::isTicked(m_form, ticks[Tick::Section]);
    auto scaleText = [this] { return services::boxText(m_form, boxes()[Box::Scale]); };

    if (preset) {
        st.m_pickedPoint = st.m_point1;
    } else {
        services::bringDrawingToFront(m_form, err);
        if (ground || target) {
            cad::Point rod{};
            if (services::pickPoint(m_form, std::nullopt, services::prompts::OneRodPosition, rod)
                != services::PickResult::Picked)
                return false;
        }
    }
    m_form.ShowMsg(QString());
    if (err.failed()) {
        err.clear();
        return false;
    }

    const Placement rodAt(st.m_pickedPoint, scaleText);
    auto circle = [&](short colour, double radiusMetres) {
        st.m_color = colour;
        st.m_centrePoint = st.m_pickedPoint;
        st.m_radius = rodAt.length(radiusMetres);
        if (st.m_radius > 0.0001) {
            if (resume(err, [&] { services::g_lastCircle = services::g_modelSpace.AddCircle(st.m_centrePoint, st.m_radius); })) {
                resume(err, [&] { services::g_lastCircle.setColor(st.m_color); });
                resume(err, [] { services::g_lastCircle.Update(); });
            }
        }
        if (err.failed()) {
            err.clear();
            return false;
        }
        return true;
    };
    if (ground && !circle(geometry::kColorGround, st.m_groundHalfWidth))
        return false;
    if (target && !circle(geometry::kColorTarget, st.m_targetHalfWidth))
        return false;

    if (section) {
        st.m_color = geometry::kColorGround;
        cad::Point q{};
        if (services::pickPoint(m_form, std::nullopt, services::prompts::SectionPosition, q)
            != services::PickResult::Picked)
            return false;
        m_form.ShowMsg(QString());
        const double h = st.m_height;
        if (h > st.m_sphereRadius)
            st.m_height = st.m_sphereRadius;
        geometry::drawFrameItems(st, Placement(q, scaleText),
                                 OneRodSection(h, st.m_targetHeight, st.m_sphereRadius, st.m_groundHalfWidth), err);
        err.clear();
    }
    return true;
}

} // namespace rods
