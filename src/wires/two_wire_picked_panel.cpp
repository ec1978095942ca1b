// The picked two-wire panel: both ends of one wire and the side of the other picked in the drawing; the
// zone is drawn onto the picked wires, the sections at a picked place.
#include "wires/two_wire_picked_panel.h"

#include "geometry/plan_geometry.h"
#include "services/button_arrays.h"
#include "services/form.h"
#include "services/input_checks.h"
#include "services/number_format.h"
#include "services/panel_io.h"
#include "services/pick_prompts.h"
#include "services/pick_protocol.h"
#include "wires/two_wire_drawings.h"
#include "wires/two_wire_single_wires.h"
#include "wires/two_wire_values.h"

#include <cmath>

namespace wires {

namespace {
const QString kHandler = QStringLiteral("cmdTwoStripPicked_Click");
const QString kSpacingTooLarge = QStringLiteral("m 避雷线间距过大,两线已独立计算!");
const QString kSpacingTooSmall = QStringLiteral("m 避雷线间距过小,将形成空间防雷盲点,从而降低保护范围最低点的高度!");

using Tick = services::DrawingTick;

const services::FieldTable<Tick>& ticks() { return services::pickedTwoWireTicks(); }
} // namespace

TwoWirePickedPanel::TwoWirePickedPanel(services::Form& form, QObject* parent) : QObject(parent), m_form(form)
{
    services::wireButtonArray(form, QStringLiteral("cmdTwoStripPicked"), kHandler, this,
                              [this](int index) { cmdTwoStripPicked_Click(index); });
}

void TwoWirePickedPanel::cmdTwoStripPicked_Click(int index)
{
    if (index != 0)
        return;
    if (run())
        services::endDrawingCommand();
}

bool TwoWirePickedPanel::run()
{
    if (!services::CheckTwoStripPickedInput(m_form))
        return false;
    m_form.ShowMsg(QString());
    const TwoWireBoxes& b = services::pickedTwoWireBoxes();
    if (!readTwoWireInputs(m_form, b))
        return false;
    if (!services::beginDrawingCommand(m_form, services::PanelKind::Picked))
        return false;
    if (!pickWires())
        return false;

    services::FormState& st = m_form.state();
    const TwoWireZone z = settleTwoWireZone(m_form, b);
    if (z.stop == TwoWireStop::SpacingTooLarge) {
        services::showResult(m_form, b[TwoWireBox::TargetHalfWidth], z.targetHalfWidth);
        services::showResult(m_form, b[TwoWireBox::GroundHalfWidth], z.groundHalfWidth);
        TwoStripPickedAsSingle(m_form, services::FormatFixed3(st.m_spacing) + kSpacingTooLarge);
        services::returnToMainWindow(m_form);
        return false;
    }
    if (z.stop == TwoWireStop::SpacingTooSmall) {
        m_form.ShowMsg(services::FormatFixed3(st.m_spacing) + kSpacingTooSmall);
        services::returnToMainWindow(m_form);
        return false;
    }

    automation::ErrObject err;
    if (services::isTicked(m_form, ticks()[Tick::GroundRange])) {
        st.m_color = 1;
        drawGroundPlan(st, pickedPlanPlacement(st), err);
    }
    if (services::isTicked(m_form, ticks()[Tick::TargetRange])) {
        st.m_color = 6;
        drawTargetPlan(m_form, pickedPlanPlacement(st), err);
    }
    if (!services::isTicked(m_form, ticks()[Tick::Section]))
        return true; // a fault skipped in the plans goes unnoticed here
    st.m_color = 1;
    cad::Point q{};
    if (services::pickPoint(m_form, std::nullopt, services::prompts::SectionPosition, q) != services::PickResult::Picked)
        return false;
    m_form.ShowMsg(QString());
    const double factor = st.m_scale;
    if (!drawSections(m_form, [factor](const cad::Point& origin) { return geometry::Placement(origin, factor); }, err)) {
        services::returnToMainWindow(m_form);
        return false;
    }
    if (err.failed()) {
        err.clear();
        services::returnToMainWindow(m_form);
        return false;
    }
    return true;
}

bool TwoWirePickedPanel::pickWires()
{
    services::FormState& st = m_form.state();
    namespace prompts = services::prompts;
    if (services::pickPoint(m_form, std::nullopt, prompts::TwoStripEnd, st.m_point1) != services::PickResult::Picked)
        return false;
    m_form.ShowMsg(QString());
    if (services::pickPoint(m_form, st.m_point1, prompts::TwoStripPickedOtherEnd, st.m_point2) != services::PickResult::Picked)
        return false;
    m_form.ShowMsg(QString());
    if (services::pickPoint(m_form, st.m_point1, prompts::TwoStripPickedSecondWire, st.m_point3) != services::PickResult::Picked)
        return false;
    m_form.ShowMsg(QString());

    const double x1 = st.m_point1[0], y1 = st.m_point1[1];
    const double x2 = st.m_point2[0], y2 = st.m_point2[1];
    const double x3 = st.m_point3[0], y3 = st.m_point3[1];
    st.m_angle = geometry::DirectionAngle(st.m_point1, st.m_point2);
    st.m_length = std::sqrt(std::abs(x2 - x1) * std::abs(x2 - x1) + std::abs(y2 - y1) * std::abs(y2 - y1));
    st.m_length = st.m_length / st.m_scale / 1000;
    // The distance of the third point from the first wire; its sign follows the formula, not the side.
    if (x2 == x1) {
        st.m_sideDistance = x1 - x3;
    } else {
        const double s = (y2 - y1) / (x2 - x1);
        const double c = y1 - (y2 - y1) * x1 / (x2 - x1);
        st.m_sideDistance = (s * x3 + (-1) * y3 + c) / std::pow(s * s + 1.0, 0.5);
    }
    st.m_sideDistance = st.m_sideDistance / st.m_scale / 1000;
    st.m_spacing = std::abs(st.m_sideDistance);
    return true;
}

} // namespace wires
