// Picked wires too far apart for one zone: each is drawn as a single wire by the picked one-wire panel's
// handler, the second wire a parallel copy of the first on the side of the third picked point.
#include "wires/two_wire_single_wires.h"

#include "geometry/plan_geometry.h"
#include "platform/automation/errors_resumed.h"
#include "services/acad_refs.h"
#include "services/crossing_list.h"
#include "services/form.h"
#include "services/input_checks_rules.h"
#include "services/wire_fields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <utility>

namespace wires {

using automation::resume;

namespace {

const QString kEngine = QStringLiteral("cmdOneStripPicked_Click");

QLineEdit* textBox(services::ControlRegistry& c, const services::PanelField& field)
{
    return c.textBox(field.name, field.index);
}

void copyPanelInputs(services::ControlRegistry& c)
{
    using services::OneStripBox;
    using services::TwoWireBox;
    const auto& two = services::pickedTwoWireBoxes();
    const auto& one = services::pickedOneStripBoxes();
    const std::pair<TwoWireBox, OneStripBox> sameInputs[] = {{TwoWireBox::Height, OneStripBox::Height},
                                                             {TwoWireBox::Sag, OneStripBox::Sag},
                                                             {TwoWireBox::Target, OneStripBox::Target},
                                                             {TwoWireBox::Scale, OneStripBox::Scale}};
    for (const auto& [from, to] : sameInputs) {
        QLineEdit* source = textBox(c, two[from]);
        if (QLineEdit* target = textBox(c, one[to]); source && target)
            target->setText(source->text());
    }
    const services::PanelField& twoClass = two[TwoWireBox::Class];
    const services::PanelField& oneClass = one[OneStripBox::Class];
    QComboBox* twoCombo = c.comboBox(twoClass.name, twoClass.index);
    if (QComboBox* oneCombo = c.comboBox(oneClass.name, oneClass.index); twoCombo && oneCombo)
        oneCombo->setCurrentIndex(twoCombo->currentIndex());
    const auto& ticksFrom = services::pickedTwoWireTicks();
    const auto& ticksTo = services::pickedOneStripTicks();
    for (const services::DrawingTick tick : ticksFrom.keys()) {
        QCheckBox* source = c.checkBox(ticksFrom[tick].name, ticksFrom[tick].index);
        if (QCheckBox* target = c.checkBox(ticksTo[tick].name, ticksTo[tick].index); source && target)
            target->setCheckState(source->checkState());
    }
}

// The joint results (h0, shift, minimum width) say nothing of wires drawn one by one.
void clearJointResults(services::Form& form)
{
    using services::TwoWireBox;
    const auto& two = services::pickedTwoWireBoxes();
    for (const TwoWireBox joint : {TwoWireBox::LowestHeight, TwoWireBox::MidlineShift, TwoWireBox::MinHalfWidth})
        if (QLineEdit* box = textBox(form.controls(), two[joint]))
            box->clear();
}

void runEngineOnce(services::Form& form)
{
    form.state().m_presetOneStrip = true;
    form.runHandler(kEngine, 0);
    form.state().m_presetOneStrip = false;
}

} // namespace

void TwoStripPickedAsSingle(services::Form& form, const QString& msg)
{
    services::FormState& st = form.state();
    // Coincident picks give the first wire no direction, so there is no side to put the second one on.
    if (st.m_point1[0] == st.m_point2[0] && st.m_point1[1] == st.m_point2[1]) {
        form.ShowMsg(services::checks::wireLengthMessage());
        clearJointResults(form);
        return;
    }
    copyPanelInputs(form.controls());

    automation::ErrObject err;
    // The fall-back's own references: every engine run releases the shared ones.
    cad::Entity firstWire, secondWire;
    st.m_fromPoint = st.m_point1;
    st.m_toPoint = st.m_point2;
    if (resume(err, [&] { firstWire = services::g_modelSpace.AddLine(st.m_fromPoint, st.m_toPoint); }))
        resume(err, [&] { firstWire.setVisible(false); });
    // A positive offset lies left of the line's direction; the side comes from the third point alone.
    const double along = st.m_spacing * st.m_scale * 1000;
    const bool left = geometry::SideOfLine(st.m_point1, st.m_point2, st.m_point3) != geometry::kRight;
    const double distance = left ? along : -along;
    if (!firstWire.isNothing())
        resume(err, [&] { secondWire = services::offsetOf(firstWire, distance).at(0); });

    form.ShowMsg(msg);
    runEngineOnce(form);

    // Without the copy there are no ends for the second wire: it is not drawn over the first.
    bool haveEnds = !secondWire.isNothing();
    haveEnds = haveEnds && resume(err, [&] { st.m_tmpPoint = secondWire.StartPoint(); });
    if (haveEnds)
        st.m_point1 = st.m_tmpPoint;
    haveEnds = haveEnds && resume(err, [&] { st.m_tmpPoint = secondWire.EndPoint(); });
    if (haveEnds) {
        st.m_point2 = st.m_tmpPoint;
        runEngineOnce(form);
    }

    clearJointResults(form);
    if (!firstWire.isNothing())
        resume(err, [&] { firstWire.Erase(); });
    if (!secondWire.isNothing())
        resume(err, [&] { secondWire.Erase(); });
    err.clear();

    // The engine clears the tip line as it starts: tell again why the wires were drawn one by one,
    // unless a run had something of its own to say.
    const QLabel* tips = form.controls().label(QStringLiteral("lblTips"));
    if (tips && tips->text().isEmpty())
        form.ShowMsg(msg);
}

} // namespace wires
