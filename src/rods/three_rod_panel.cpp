// The typed three-rod panel: three rods on an equilateral triangle of a typed side.
#include "rods/three_rod_panel.h"

#include "rods/picked_fallbacks.h"
#include "rods/picked_panels.h"
#include "rods/rod_messages.h"
#include "rods/three_rod_union.h"
#include "rods/three_rod_values.h"
#include "rods/three_rod_zone.h"
#include "services/button_arrays.h"
#include "services/compute_then_draw.h"
#include "services/form.h"
#include "services/input_checks.h"
#include "services/panel_io.h"
#include "services/pick_prompts.h"
#include "services/pick_protocol.h"
#include "services/scale.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include <cmath>

namespace rods {

namespace {
const QString kHandler = QStringLiteral("cmdThreeRod_Click");

// Copies the text of a typed-panel box into the same box of the picked panel.
void copyBox(services::Form& form, ThreeRodBox key)
{
    const services::PanelField& to = pickedThreeRodBoxes()[key];
    if (QLineEdit* box = form.controls().textBox(to.name, to.index))
        box->setText(services::boxText(form, typedThreeRodBoxes()[key]));
}

// The picked three-rod panel takes this panel's inputs, class, centre result and the one drawing
// the element asks for: the union and the single-rod fall-back read them there.
void fillPickedPanel(services::Form& form, int element)
{
    copyBox(form, ThreeRodBox::Height); // h as typed, not capped
    copyBox(form, ThreeRodBox::TargetHeight);
    const services::PanelField& fromClass = typedThreeRodBoxes()[ThreeRodBox::Class];
    const services::PanelField& toClass = pickedThreeRodBoxes()[ThreeRodBox::Class];
    QComboBox* from = form.controls().comboBox(fromClass.name, fromClass.index);
    QComboBox* to = form.controls().comboBox(toClass.name, toClass.index);
    if (from && to)
        to->setCurrentIndex(from->currentIndex());
    copyBox(form, ThreeRodBox::Scale);
    copyBox(form, ThreeRodBox::CentreHeight);
    for (int box = 0; box < 3; ++box) {
        if (QCheckBox* check = form.controls().checkBox(kThreeRodPickedPanel.checks, box))
            check->setCheckState(box == element - 1 ? Qt::Checked : Qt::Unchecked);
    }
}

} // namespace

ThreeRodPanel::ThreeRodPanel(services::Form& form, QObject* parent) : QObject(parent), m_form(form)
{
    services::wireButtonArray(form, QStringLiteral("cmdThreeRod"), kHandler, this,
                              [this](int index) { cmdThreeRod_Click(index); });
}

void ThreeRodPanel::cmdThreeRod_Click(int index)
{
    services::TypedButtonSteps steps{kHandler, 4, true, [this] { return services::CheckThreeRodInput(m_form); },
                                     [this] { return compute(); },
                                     [this](int i, automation::ErrObject& err) { return draw(i, err); }};
    steps.releaseAfterCompute = true;
    services::RunTypedButton(m_form, index, steps);
}

bool ThreeRodPanel::compute()
{
    services::FormState& st = m_form.state();
    const ThreeRodBoxes& boxes = typedThreeRodBoxes();
    const auto h = services::boxNumber(m_form, boxes[ThreeRodBox::Height]);
    const auto hx = services::boxNumber(m_form, boxes[ThreeRodBox::TargetHeight]);
    const auto d = services::boxNumber(m_form, boxes[ThreeRodBox::Spacing]);
    if (!h || !hx || !d)
        return false;
    st.m_height = *h;
    st.m_targetHeight = *hx;
    st.m_spacing = *d;
    st.m_scale = services::ParseScale(services::boxText(m_form, boxes[ThreeRodBox::Scale]));
    if (const auto hr = services::classSphereRadius(m_form, boxes[ThreeRodBox::Class]))
        st.m_sphereRadius = *hr;
    if (st.m_height > st.m_sphereRadius)
        st.m_height = st.m_sphereRadius;
    return ShowThreeRodValues(m_form, boxes);
}

bool ThreeRodPanel::draw(int index, automation::ErrObject& err)
{
    services::FormState& st = m_form.state();
    cad::Point p{};
    if (index == 3) {
        // The sections stand at the drawing's origin; their positions are asked per pair.
        st.m_pickedPoint = p;
    } else {
        services::bringDrawingToFront(m_form, err);
        if (services::pickPoint(m_form, std::nullopt, services::prompts::LowerLeftRodPosition, p)
            != services::PickResult::Picked)
            return false;
        m_form.ShowMsg(QString());
    }

    const double k = 1000.0 * st.m_scale;
    const double d = st.m_spacing;
    st.m_point1 = p;
    st.m_point2 = {p[0] + d * k, p[1], p[2]};
    st.m_point3 = {p[0] + (d / 2.0) * k, p[1] + (d * std::sqrt(3.0) / 2.0) * k, p[2]};
    fillPickedPanel(m_form, index);

    if (ThreeRodsApart(st.m_height, d, st.m_sphereRadius))
        ThreeRodPickedAsSingle(m_form, kRodsApart);
    else
        ThreeRodUnion(m_form, kThreeRodUnionMessage);
    err.clear();
    return true;
}

} // namespace rods
