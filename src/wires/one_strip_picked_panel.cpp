// The picked one-wire panel ("图选单根避雷线"): both wire ends picked, the zone drawn along the wire.
#include "wires/one_strip_picked_panel.h"

#include "geometry/angles.h"
#include "geometry/colours.h"
#include "geometry/frame_drawing.h"
#include "geometry/plan_geometry.h"
#include "services/button_arrays.h"
#include "services/form.h"
#include "services/input_checks.h"
#include "services/panel_io.h"
#include "services/pick_prompts.h"
#include "services/pick_protocol.h"
#include "services/scale.h"
#include "wires/one_strip_drawing.h"
#include "wires/one_strip_values.h"

#include <cmath>

namespace wires {

using services::PickResult;

namespace {

const QString kHandler = QStringLiteral("cmdOneStripPicked_Click");
using Tick = services::DrawingTick;

const services::FieldTable<Tick>& ticks() { return services::pickedOneStripTicks(); }

} // namespace

OneStripPickedPanel::OneStripPickedPanel(services::Form& form, QObject* parent) : QObject(parent), m_form(form)
{
    services::wireButtonArray(form, QStringLiteral("cmdOneStripPicked"), kHandler, this,
                              [this](int index) { cmdOneStripPicked_Click(index); });
}

void OneStripPickedPanel::cmdOneStripPicked_Click(int index)
{
    if (run(index))
        services::endDrawingCommand();
    // Preset ends serve one run only, however it ended: the next click asks for the ends again.
    m_form.state().m_presetOneStrip = false;
}

// True for the normal end, which releases the drawing references; every early end keeps them.
bool OneStripPickedPanel::run(int index)
{
    if (!services::CheckOneStripPickedInput(m_form))
        return false;
    m_form.ShowMsg(QString());

    services::FormState& st = m_form.state();
    // One factor for the whole run, taken from a copy of the text: the box keeps what was typed.
    st.m_scale = services::ParseScale(services::boxText(m_form, services::pickedOneStripBoxes()[OneStripBox::Scale]));
    if (!BeginOneStripComputation(m_form, services::pickedOneStripBoxes()))
        return false;

    // Every run starts from a fresh connection, with ortho off and end/mid/centre snaps.
    if (!services::beginDrawingCommand(m_form, services::PanelKind::Picked))
        return false;
    if (index != 0)
        return true;

    if (!pickEnds())
        return false;
    m_form.ShowMsg(QString());

    // The work frame's +y axis lies along the wire: its direction less the program's half pi.
    st.m_angle = geometry::DirectionAngle(st.m_point1, st.m_point2) - geometry::kPi / 2;
    const double dx = st.m_point2[0] - st.m_point1[0];
    const double dy = st.m_point2[1] - st.m_point1[1];
    st.m_length = std::sqrt(dx * dx + dy * dy) / st.m_scale / 1000;
    if (!FinishOneStripComputation(m_form, services::pickedOneStripBoxes()))
        return false;
    return draw();
}

bool OneStripPickedPanel::pickEnds()
{
    services::FormState& st = m_form.state();
    if (st.m_presetOneStrip)
        return true;
    cad::Point end{};
    if (services::pickPoint(m_form, std::nullopt, services::prompts::OneStripEnd, end) != PickResult::Picked)
        return false;
    st.m_point1 = end;
    if (services::pickPoint(m_form, st.m_point1, services::prompts::OneStripPickedOtherEnd, end) != PickResult::Picked)
        return false;
    st.m_point2 = end;
    return true;
}

bool OneStripPickedPanel::draw()
{
    services::FormState& st = m_form.state();
    automation::ErrObject err;
    // Built about the first end and turned onto the wire, each entity as soon as it exists.
    const geometry::Placement alongWire = geometry::Placement::workFrame(st);

    if (services::isTicked(m_form, ticks()[Tick::GroundRange])) {
        st.m_color = geometry::kColorGround;
        DrawOneStripPlan(st, OneStripLevel::Ground, alongWire, err);
    }
    if (services::isTicked(m_form, ticks()[Tick::TargetRange])) {
        st.m_color = geometry::kColorTarget;
        if (NoZoneAtTarget(m_form)) {
            m_form.ShowMsg(kNoTargetZone);
            services::returnToMainWindow(m_form);
            return false;
        }
        DrawOneStripPlan(st, OneStripLevel::Target, alongWire, err);
    }
    if (services::isTicked(m_form, ticks()[Tick::Section])) {
        st.m_color = geometry::kColorGround;
        cad::Point foot{};
        if (services::pickPoint(m_form, std::nullopt, services::prompts::SectionPosition, foot) != PickResult::Picked)
            return false;
        m_form.ShowMsg(QString());
        DrawOneStripSection(st, geometry::Placement(foot, st.m_scale), err);
        if (err.failed()) {
            err.clear();
            services::returnToMainWindow(m_form);
            return false;
        }
    }
    return true;
}

} // namespace wires
