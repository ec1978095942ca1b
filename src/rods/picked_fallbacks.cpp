// The picked rod groups' fall-back: rods on one spot or too far apart are drawn one by one as single rods.
#include "rods/picked_fallbacks.h"

#include "rods/picked_panels.h"
#include "services/form.h"
#include "services/number_format.h"

#include <QLineEdit>
#include <functional>

namespace rods {

namespace {

// How one picked group falls back: its panel, its rods, its preset flag, and what its result boxes read
// afterwards (from element firstResult to the last).
struct FallBack {
    const RodPanelControls& panel;
    int rods;
    std::function<void(services::FormState&)> setPreset;
    int firstResult;
    QString resultText;
};

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

    const services::ControlRegistry& c = form.controls();
    for (int i = f.firstResult; i <= c.maxIndex(f.panel.results); ++i) {
        if (QLineEdit* box = c.textBox(f.panel.results, i))
            box->setText(f.resultText);
    }
    // The engine cleared the tip line at its start: the reason for single rods would go unseen.
    form.ShowMsg(msg);
}

} // namespace

void TwoRodPickedAsSingle(services::Form& form, const QString& msg)
{
    runAsSingleRods(form, {kTwoRodPickedPanel, 2, [](services::FormState& st) { st.m_presetTwoRod = true; }, 0, QString()},
                    msg);
}

void ThreeRodPickedAsSingle(services::Form& form, const QString& msg)
{
    runAsSingleRods(form,
                    {kThreeRodPickedPanel, 3, [](services::FormState& st) { st.m_presetThreeRod = true; }, 2,
                     services::FormatFixed3(0.0)},
                    msg);
}

void FourRodPickedAsSingle(services::Form& form, const QString& msg)
{
    runAsSingleRods(form,
                    {kFourRodPickedPanel, 4, [](services::FormState& st) { st.m_presetFourRod[0] = true; }, 2, QString()},
                    msg);
}

} // namespace rods
