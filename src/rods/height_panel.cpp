// The rod-height panel: the height a single rod needs for a target at a given distance and height.
#include "rods/height_panel.h"

#include "rods/rod_height.h"
#include "rods/rod_messages.h"
#include "services/button_arrays.h"
#include "services/form.h"
#include "services/input_checks.h"
#include "services/panel_io.h"
#include "services/rod_fields.h"

namespace rods {

namespace {
const QString kOutOfReach = QStringLiteral("可能目标与避雷针的距离rx过大,或目标高度过大!");

using Box = services::RodHeightBox;

const services::FieldTable<Box>& boxes() { return services::rodHeightBoxes(); }
} // namespace

HeightPanel::HeightPanel(services::Form& form, QObject* parent) : QObject(parent), m_form(form)
{
    services::connectClick(form, QStringLiteral("cmdHeight"), this, [this] { cmdHeight_Click(); });
    form.registerHandler(QStringLiteral("cmdHeight_Click"), [this](int) { cmdHeight_Click(); });
}

void HeightPanel::cmdHeight_Click()
{
    if (!services::CheckHeightInput(m_form))
        return;
    const auto rx = services::boxNumber(m_form, boxes()[Box::Distance]);
    const auto hx = services::boxNumber(m_form, boxes()[Box::TargetHeight]);
    if (!rx || !hx)
        return;
    // Unlike the one-rod panel, no earlier Hr is kept: a combo without a class means Hr 0.
    const double hr = services::classSphereRadius(m_form, boxes()[Box::Class]).value_or(0.0);

    const RodHeight h = RequiredRodHeight(*rx, *hx, hr);
    switch (h.stop) {
    case RodHeightStop::TargetTooHigh:
        services::refuse(m_form, boxes()[Box::TargetHeight], kTargetTooHigh);
        return;
    case RodHeightStop::OutOfReach:
        services::refuse(m_form, boxes()[Box::Distance], kOutOfReach);
        return;
    case RodHeightStop::BelowTarget:
        services::refuse(m_form, boxes()[Box::TargetHeight], kOutOfReach);
        return;
    case RodHeightStop::None:
        services::showResult(m_form, boxes()[Box::Height], h.height);
        return;
    }
}

} // namespace rods
