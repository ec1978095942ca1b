// The picked rod groups' fall-back: rods on one spot or too far apart are drawn one by one as single rods.
#include "rods/picked_fallbacks.h"

#include "rods/picked_panels.h"
#include "rods/picked_rod_boxes.h"
#include "rods/three_rod_values.h"
#include "services/form.h"
#include "services/number_format.h"

#include <QLineEdit>
#include <functional>
#include <vector>

namespace rods {

namespace {

// How one picked group falls back: its panel, its rods, its preset flag, and what the result boxes that
// say nothing of single rods read afterwards.
struct FallBack {
    const RodPanelControls& panel;
    int rods;
    std::function<void(services::FormState&)> setPreset;
    std::vector<services::PanelField> groupResults;
    QString resultText;
};

template <typename Key, std::size_t N>
std::vector<services::PanelField> fieldsOf(const services::FieldTable<Key>& table, const Key (&keys)[N])
{
    std::vector<services::PanelField> fields;
    for (const Key key : keys)
        fields.push_back(table[key]);
    return fields;
}

cad::Point& rodPoint(services::FormState& st, int i)
{
    switch (i) {
    case 0: return st.m_point1;
    case 1: return st.m_point2;
    case 2: return st.m_point3;
    default: return st.m_point4;
    }
}

void runAsSingleRods(services::Form& form, const FallBack& f, const QString& msg)
{
    copyPanelInputs(form, f.panel, kOneRodPanel);
    form.ShowMsg(msg);

    services::FormState& st = form.state();
    auto drawRodAtPoint1 = [&] {
        // Each run clears the flags as it returns, so it is set again for every rod.
        f.setPreset(st);
        form.runHandler(QStringLiteral("cmdOneRod_Click"), 1);
    };
    drawRodAtPoint1();
    for (int i = 1; i < f.rods; ++i) {
        // Compared with the rod drawn last only: A, B, A draws three rods.
        const cad::Point p = rodPoint(st, i);
        if (p == st.m_point1)
            continue;
        st.m_point1 = p;
        drawRodAtPoint1();
    }

    for (const services::PanelField& field : f.groupResults) {
        if (QLineEdit* box = form.controls().textBox(field.name, field.index))
            box->setText(f.resultText);
    }
    // The engine cleared the tip line at its start: the reason for single rods would go unseen.
    form.ShowMsg(msg);
}

} // namespace

void TwoRodPickedAsSingle(services::Form& form, const QString& msg)
{
    using B = TwoRodPickedBox;
    const B results[] = {B::TargetRadius, B::GroundRadius, B::AxisGap, B::LowestHeight, B::WaistHalfWidth};
    runAsSingleRods(form,
                    {kTwoRodPickedPanel, 2, [](services::FormState& st) { st.m_presetTwoRod = true; },
                     fieldsOf(twoRodPickedBoxes(), results), QString()},
                    msg);
}

void ThreeRodPickedAsSingle(services::Form& form, const QString& msg)
{
    runAsSingleRods(form,
                    {kThreeRodPickedPanel,
                     3,
                     [](services::FormState& st) { st.m_presetThreeRod = true; },
                     {pickedThreeRodBoxes()[ThreeRodBox::CentreHeight]},
                     services::FormatFixed3(0.0)},
                    msg);
}

void FourRodPickedAsSingle(services::Form& form, const QString& msg)
{
    runAsSingleRods(form,
                    {kFourRodPickedPanel, 4, [](services::FormState& st) { st.m_presetFourRod[0] = true; },
                     fieldsOf(fourRodPickedBoxes(), kFourRodLayoutResults), QString()},
                    msg);
}

} // namespace rods
