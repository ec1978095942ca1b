// The picked three-rod panel: picks, the built triangle, its values and its drawing.
#include "rods/three_rod_picked_panel.h"

#include "geometry/plan_geometry.h"
#include "rods/picked_fallbacks.h"
#include "rods/picked_panels.h"
#include "rods/rod_messages.h"
#include "rods/three_rod_triangle.h"
#include "rods/three_rod_union.h"
#include "rods/three_rod_values.h"
#include "rods/three_rod_zone.h"
#include "services/button_arrays.h"
#include "services/form.h"
#include "services/input_checks.h"
#include "services/panel_io.h"
#include "services/pick_prompts.h"
#include "services/pick_protocol.h"

namespace rods {

namespace {
const QString kHandler = QStringLiteral("cmdThreeRodPicked_Click");
const QString kRodsOnOneLine = QStringLiteral("针位重叠, 宜按双针计算!");
} // namespace

ThreeRodPickedPanel::ThreeRodPickedPanel(services::Form& form, QObject* parent) : QObject(parent), m_form(form)
{
    services::wireButtonArray(form, QStringLiteral("cmdThreeRodPicked"), kHandler, this,
                              [this](int index) { cmdThreeRodPicked_Click(index); });
}

void ThreeRodPickedPanel::cmdThreeRodPicked_Click(int /*index*/)
{
    if (!services::CheckThreeRodPickedInput(m_form))
        return;
    m_form.ShowMsg(QString());
    if (!readPickedRodInputs(m_form, kThreeRodPickedPanel, true))
        return;
    if (!services::beginDrawingCommand(m_form, services::PanelKind::Picked))
        return;
    if (!pickTriangle() || !computeValues())
        return;

    services::FormState& st = m_form.state();
    if (ThreeRodsApart(st.m_height, st.m_spacing, st.m_sphereRadius)) {
        // The single-rod engine releases the drawing at its own end.
        ThreeRodPickedAsSingle(m_form, kRodsApart);
        services::returnToMainWindow(m_form);
        return;
    }
    ThreeRodUnion(m_form, kThreeRodUnionMessage);
    services::endDrawingCommand();
}

// The first rod, the second, and a point on the third rod's side; then the triangle in its order.
bool ThreeRodPickedPanel::pickTriangle()
{
    services::FormState& st = m_form.state();
    cad::Point p{};
    if (services::pickPoint(m_form, std::nullopt, services::prompts::ThreeRodPickedFirst, p)
        != services::PickResult::Picked)
        return false;
    m_form.ShowMsg(QString());
    st.m_point1 = p;
    if (services::pickPoint(m_form, st.m_point1, services::prompts::ThreeRodPickedSecond, p)
        != services::PickResult::Picked)
        return false;
    m_form.ShowMsg(QString());
    st.m_point2 = p;
    if (services::pickPoint(m_form, st.m_point1, services::prompts::ThreeRodPickedSide, p)
        != services::PickResult::Picked)
        return false;
    m_form.ShowMsg(QString());
    st.m_point3 = p;

    const auto t = OrderedRodTriangle(st.m_point1, st.m_point2, st.m_point3, st.m_scale);
    if (!t) {
        st.m_angle = geometry::DirectionAngle(st.m_point1, st.m_point2);
        m_form.ShowMsg(kRodsOnOneLine);
        services::returnToMainWindow(m_form);
        return false;
    }
    st.m_point1 = t->rod0;
    st.m_point2 = t->rod1;
    st.m_point3 = t->rod2;
    st.m_angle = t->angle;
    st.m_spacing = t->spacing;
    return true;
}

bool ThreeRodPickedPanel::computeValues()
{
    if (!ShowThreeRodValues(m_form, pickedThreeRodBoxes())) {
        services::returnToMainWindow(m_form);
        return false;
    }
    return true;
}

} // namespace rods
