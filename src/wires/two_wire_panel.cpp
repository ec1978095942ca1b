// The typed two-wire panel: the zone of two parallel wires of typed height, length and spacing, drawn at a
// picked point.
#include "wires/two_wire_panel.h"

#include "services/button_arrays.h"
#include "services/compute_then_draw.h"
#include "services/form.h"
#include "services/input_checks.h"
#include "services/panel_io.h"
#include "services/pick_prompts.h"
#include "services/pick_protocol.h"
#include "wires/two_wire_drawings.h"
#include "wires/two_wire_values.h"

namespace wires {

namespace {
const QString kHandler = QStringLiteral("cmdTwoStrip_Click");
const QString kSpacingTooLarge = QStringLiteral("避雷线间距过大,两线宜独立计算!");
const QString kSpacingTooSmall = QStringLiteral("避雷线间距过小,将形成空间防雷盲点,从而降低保护范围最低点的高度!");
} // namespace

TwoWirePanel::TwoWirePanel(services::Form& form, QObject* parent) : QObject(parent), m_form(form)
{
    services::wireButtonArray(form, QStringLiteral("cmdTwoStrip"), kHandler, this,
                              [this](int index) { cmdTwoStrip_Click(index); });
}

void TwoWirePanel::cmdTwoStrip_Click(int index)
{
    services::RunTypedButton(m_form, index,
                             {kHandler, 4, true, [this] { return services::CheckTwoStripInput(m_form); },
                              [this] { return compute(); },
                              [this](int i, automation::ErrObject& err) { return draw(i, err); }});
}

bool TwoWirePanel::compute()
{
    const TwoWireBoxes& b = services::typedTwoWireBoxes();
    if (!readTwoWireInputs(m_form, b))
        return false;
    const TwoWireZone z = settleTwoWireZone(m_form, b);
    switch (z.stop) {
    case TwoWireStop::None:
        return true;
    case TwoWireStop::SpacingTooLarge:
        services::refuse(m_form, b[TwoWireBox::Spacing], kSpacingTooLarge);
        return false;
    case TwoWireStop::SpacingTooSmall:
        services::refuse(m_form, b[TwoWireBox::Spacing], kSpacingTooSmall);
        return false;
    }
    return false;
}

bool TwoWirePanel::draw(int index, automation::ErrObject& err)
{
    services::bringDrawingToFront(m_form, err);
    const QString prompt = index == 3 ? services::prompts::SectionPosition : services::prompts::TwoStripEnd;
    cad::Point p{};
    if (services::pickPoint(m_form, std::nullopt, prompt, p) != services::PickResult::Picked)
        return false;
    m_form.ShowMsg(QString());

    // Every length reads the scale box again, as the engineer may change it while a pick waits.
    const auto scaleText = [this] {
        return services::boxText(m_form, services::typedTwoWireBoxes()[TwoWireBox::Scale]);
    };
    services::FormState& st = m_form.state();
    bool release = true;
    if (index == 1)
        drawGroundPlan(st, typedPlanPlacement(p, scaleText), err);
    else if (index == 2)
        release = drawTargetPlan(m_form, typedPlanPlacement(p, scaleText), err);
    else
        release = drawSections(m_form, [&](const cad::Point& origin) { return geometry::Placement(origin, scaleText); }, err);
    err.clear(); // a skipped fault is never reported
    return release;
}

} // namespace wires
