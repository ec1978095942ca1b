// The typed one-wire panel ("单根避雷线"): the zone of a wire of typed length, drawn about a picked point.
#include "wires/one_strip_panel.h"

#include "geometry/frame_drawing.h"
#include "services/button_arrays.h"
#include "services/compute_then_draw.h"
#include "services/form.h"
#include "services/input_checks.h"
#include "services/panel_io.h"
#include "services/pick_prompts.h"
#include "services/pick_protocol.h"
#include "wires/one_strip_drawing.h"
#include "wires/one_strip_values.h"


namespace wires {

namespace {

const QString kHandler = QStringLiteral("cmdOneStrip_Click");

} // namespace

OneStripPanel::OneStripPanel(services::Form& form, QObject* parent) : QObject(parent), m_form(form)
{
    services::wireButtonArray(form, QStringLiteral("cmdOneStrip"), kHandler, this,
                              [this](int index) { cmdOneStrip_Click(index); });
}

void OneStripPanel::cmdOneStrip_Click(int index)
{
    services::TypedButtonSteps steps{kHandler, 4, true, [this] { return services::CheckOneStripInput(m_form); },
                                     [this] { return compute(); },
                                     [this](int i, automation::ErrObject& err) { return draw(i, err); }};
    // The target-height range is refused before anything is connected.
    steps.beforeConnect = [this](int i) {
        if (i == 2 && NoZoneAtTarget(m_form)) {
            m_form.ShowMsg(kNoTargetZone);
            return false;
        }
        return true;
    };
    services::RunTypedButton(m_form, index, steps);
}

bool OneStripPanel::compute()
{
    const auto length = services::boxNumber(m_form, services::typedOneStripBoxes()[OneStripBox::Length]);
    if (!length)
        return false;
    m_form.state().m_length = *length;
    return BeginOneStripComputation(m_form, services::typedOneStripBoxes())
           && FinishOneStripComputation(m_form, services::typedOneStripBoxes());
}

bool OneStripPanel::draw(int index, automation::ErrObject& err)
{
    services::FormState& st = m_form.state();
    services::bringDrawingToFront(m_form, err);
    const QString& prompt = index == 3 ? services::prompts::SectionPosition : services::prompts::OneStripEnd;
    cad::Point picked{};
    if (services::pickPoint(m_form, std::nullopt, prompt, picked) != services::PickResult::Picked)
        return false;
    m_form.ShowMsg(QString());

    // The scale box is read again for every length, unturned: the wire runs from the point along +y.
    const geometry::Placement at(st.m_pickedPoint, [this] {
        return services::boxText(m_form, services::typedOneStripBoxes()[OneStripBox::Scale]);
    });
    if (index == 3)
        DrawOneStripSection(st, at, err);
    else
        DrawOneStripPlan(st, index == 1 ? OneStripLevel::Ground : OneStripLevel::Target, at, err);
    // Failures along the drawing are passed over; only a cancelled pick ends it early.
    err.clear();
    return true;
}

} // namespace wires
