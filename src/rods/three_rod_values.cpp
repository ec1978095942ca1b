// The boxes of both three-rod panels and the values they show: the centre height, then rx and r0 of one rod.
#include "rods/three_rod_values.h"

#include "rods/one_rod_zone.h"
#include "rods/picked_panels.h"
#include "rods/rod_messages.h"
#include "rods/three_rod_zone.h"
#include "services/form.h"
#include "services/number_format.h"
#include "services/panel_io.h"

#include <QLineEdit>

namespace rods {

using B = ThreeRodBox;

const ThreeRodBoxes& pickedThreeRodBoxes()
{
    using services::RodInput;
    const services::FieldTable<RodInput> in = services::rodInputs(kThreeRodPickedPanel.inputs);
    const QString& out = kThreeRodPickedPanel.results;
    static const ThreeRodBoxes table{
        {B::Height, in[RodInput::Height]}, {B::TargetHeight, in[RodInput::TargetHeight]},
        {B::Scale, in[RodInput::Scale]},   {B::Class, classComboOf(kThreeRodPickedPanel)},
        {B::TargetRadius, {out, 0, {}}},   {B::GroundRadius, {out, 1, {}}},
        {B::CentreHeight, {out, 2, {}}},
    };
    return table;
}

bool ShowThreeRodValues(services::Form& form, const ThreeRodBoxes& boxes)
{
    services::FormState& st = form.state();
    const auto h0 = ThreeRodCentreHeight(st.m_height, st.m_spacing, st.m_sphereRadius);
    st.m_lowestHeight = h0.value_or(kNoCentreHeight);
    const services::PanelField& centre = boxes[B::CentreHeight];
    if (QLineEdit* box = form.controls().textBox(centre.name, centre.index))
        box->setText(h0 ? services::FormatFixed3(*h0) : QString());

    const auto radii = OneRodRadiiOf(st.m_height, st.m_targetHeight, st.m_sphereRadius);
    if (!radii || 2.0 * st.m_sphereRadius - st.m_targetHeight < 0.0) {
        services::refuse(form, boxes[B::TargetHeight], kTargetTooHigh);
        return false;
    }
    st.m_targetHalfWidth = services::shownValue(radii->rx);
    st.m_groundHalfWidth = services::shownValue(radii->r0);
    services::showResult(form, boxes[B::TargetRadius], st.m_targetHalfWidth);
    services::showResult(form, boxes[B::GroundRadius], st.m_groundHalfWidth);
    return true;
}

} // namespace rods
