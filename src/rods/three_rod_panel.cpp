// The typed three-rod panel: three rods on an equilateral triangle of a typed side.
#include "rods/three_rod_panel.h"

#include "rods/picked_fallbacks.h"
#include "rods/picked_panels.h"
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
const QString kIn = QStringLiteral("txtThreeRodIn");
const QString kOut = QStringLiteral("txtThreeRodOut");
const QString kHandler = QStringLiteral("cmdThreeRod_Click");
constexpr int kClassCombo = 11;
const QString kRodsApart = QStringLiteral("间距均较大, 已按单针计算!");

void setText(services::Form& form, const QString& name, int index, const QString& text)
{
    if (QLineEdit* box = form.controls().textBox(name, index))
        box->setText(text);
}

// The picked three-rod panel takes this panel's inputs, class, centre result and the one drawing
// the element asks for: the union and the single-rod fall-back read them there.
void fillPickedPanel(services::Form& form, int element)
{
    const QString pickedIn = kThreeRodPickedPanel.inputs;
    setText(form, pickedIn, 0, services::boxText(form, kIn, 0)); // h as typed, not capped
    setText(form, pickedIn, 1, services::boxText(form, kIn, 1));
    QComboBox* from = form.controls().comboBox(QStringLiteral("comClass"), kClassCombo);
    QComboBox* to = form.controls().comboBox(QStringLiteral("comClass"), kThreeRodPickedPanel.classCombo);
    if (from && to)
        to->setCurrentIndex(from->currentIndex());
    setText(form, pickedIn, 2, services::boxText(form, kIn, 3));
    setText(form, kThreeRodPickedPanel.results, 2, services::boxText(form, kOut, 2));
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
    const auto h = services::boxNumber(m_form, kIn, 0);
    const auto hx = services::boxNumber(m_form, kIn, 1);
    const auto d = services::boxNumber(m_form, kIn, 2);
    if (!h || !hx || !d)
        return false;
    st.m_height = *h;
    st.m_targetHeight = *hx;
    st.m_spacing = *d;
    st.m_scale = services::ParseScale(services::boxText(m_form, kIn, 3));
    if (const auto hr = services::classSphereRadius(m_form, kClassCombo))
        st.m_sphereRadius = *hr;
    if (st.m_height > st.m_sphereRadius)
        st.m_height = st.m_sphereRadius;
    return ShowThreeRodValues(m_form, kIn, kOut);
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
