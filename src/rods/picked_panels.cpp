// The controls of the rod panels that hand their inputs to another panel's engine, and the hand-over.
#include "rods/picked_panels.h"

#include "services/form.h"
#include "services/panel_io.h"
#include "services/rod_fields.h"
#include "services/scale.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace rods {

void copyPanelInputs(services::Form& form, const RodPanelControls& from, const RodPanelControls& to)
{
    const services::ControlRegistry& c = form.controls();
    // Walked by the giving panel's elements; a missing control on either side is skipped.
    for (int i = 0; i <= c.maxIndex(from.inputs); ++i) {
        const QLineEdit* src = c.textBox(from.inputs, i);
        QLineEdit* dst = c.textBox(to.inputs, i);
        if (src && dst)
            dst->setText(src->text());
    }
    const services::PanelField fromClass = classComboOf(from), toClass = classComboOf(to);
    const QComboBox* srcClass = c.comboBox(fromClass.name, fromClass.index);
    QComboBox* dstClass = c.comboBox(toClass.name, toClass.index);
    if (srcClass && dstClass)
        dstClass->setCurrentIndex(srcClass->currentIndex());
    const auto fromTicks = ticksOf(from), toTicks = ticksOf(to);
    for (const services::DrawingTick tick : fromTicks.keys()) {
        const QCheckBox* src = c.checkBox(fromTicks[tick].name, fromTicks[tick].index);
        QCheckBox* dst = c.checkBox(toTicks[tick].name, toTicks[tick].index);
        if (src && dst)
            dst->setCheckState(src->checkState());
    }
}

services::PanelField classComboOf(const RodPanelControls& panel)
{
    return {QStringLiteral("comClass"), panel.classCombo, {}};
}

services::FieldTable<services::DrawingTick> ticksOf(const RodPanelControls& panel)
{
    return services::drawingTicks(panel.checks);
}

bool readPickedRodInputs(services::Form& form, const RodPanelControls& panel, bool capAtSphere)
{
    services::FormState& st = form.state();
    using services::RodInput;
    const services::FieldTable<RodInput> boxes = services::rodInputs(panel.inputs);
    const auto h = services::boxNumber(form, boxes[RodInput::Height]);
    const auto hx = services::boxNumber(form, boxes[RodInput::TargetHeight]);
    if (!h || !hx)
        return false;
    st.m_height = *h;
    st.m_targetHeight = *hx;
    st.m_scale = services::ParseScale(services::boxText(form, boxes[RodInput::Scale]));
    if (const auto hr = services::classSphereRadius(form, classComboOf(panel)))
        st.m_sphereRadius = *hr;
    if (capAtSphere && st.m_height > st.m_sphereRadius)
        st.m_height = st.m_sphereRadius; // the box keeps the typed height
    return true;
}

} // namespace rods
