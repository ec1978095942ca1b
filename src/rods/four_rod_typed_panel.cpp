// The typed four-rod panel: four rods of equal height on a typed rectangle, its values, plan outlines and sections.
#include "rods/four_rod_typed_panel.h"

#include "geometry/frame_drawing.h"
#include "rods/four_rod_drawing.h"
#include "rods/four_rod_values.h"
#include "rods/rod_messages.h"
#include "services/button_arrays.h"
#include "services/compute_then_draw.h"
#include "services/form.h"
#include "services/input_checks.h"
#include "services/panel_io.h"
#include "services/pick_prompts.h"
#include "services/pick_protocol.h"
#include "services/rod_fields.h"
#include "services/scale.h"

#include <cmath>

namespace rods {

namespace {

const QString kHandler = QStringLiteral("cmdFourRod_Click");
const QString kSpacingTooLarge = QStringLiteral("避雷针间距过大,宜按单支或双支等高避雷针进行计算!");

using Box = services::FourRodBox;

const services::FieldTable<Box>& boxes() { return services::fourRodBoxes(); }

void show(services::Form& form, Box box, double value) { services::showResult(form, boxes()[box], value); }

} // namespace

FourRodTypedPanel::FourRodTypedPanel(services::Form& form, QObject* parent) : QObject(parent), m_form(form)
{
    services::wireButtonArray(form, QStringLiteral("cmdFourRod"), kHandler, this,
                              [this](int index) { cmdFourRod_Click(index); });
}

void FourRodTypedPanel::cmdFourRod_Click(int index)
{
    services::TypedButtonSteps steps{kHandler, 4, true, [this] { return services::CheckFourRodInput(m_form); },
                                     [this] { return compute(); },
                                     [this](int i, automation::ErrObject& err) { return draw(i, err); }};
    // Each drawing button connects anew after its own computation.
    steps.releaseAfterCompute = true;
    services::RunTypedButton(m_form, index, steps);
}

bool FourRodTypedPanel::compute()
{
    services::FormState& st = m_form.state();
    const auto h = services::boxNumber(m_form, boxes()[Box::RodHeight]);
    const auto a = services::boxNumber(m_form, boxes()[Box::LongSide]);
    const auto b = services::boxNumber(m_form, boxes()[Box::ShortSide]);
    const auto hx = services::boxNumber(m_form, boxes()[Box::TargetHeight]);
    if (!h || !a || !b || !hx)
        return false;
    m_typedHeight = *h;
    st.m_longSide = *a;
    st.m_shortSide = *b;
    st.m_diagonal = std::sqrt(*a * *a + *b * *b);
    st.m_targetHeight = *hx;
    st.m_scale = services::ParseScale(services::boxText(m_form, boxes()[Box::Scale]));
    if (const auto hr = services::classSphereRadius(m_form, boxes()[Box::Class]))
        st.m_sphereRadius = *hr;
    st.m_height = *h > st.m_sphereRadius ? st.m_sphereRadius : *h;

    const FourRodValues v = FourRodValuesOf({*a, *b, st.m_height, *hx, st.m_sphereRadius});
    // Past the spacing test every value but rx is real; at the very limit rounding may still leave
    // one out, and such a layout is refused the same way.
    if (v.spacingTooLarge() || !v.longTop || !v.shortTop) {
        services::refuse(m_form, boxes()[Box::LongSide], kSpacingTooLarge);
        return false;
    }
    st.m_lowestHeight = *v.lowestHeight;
    show(m_form, Box::LowestHeight, *v.lowestHeight);
    st.m_longAxisReach = *v.longAxisReach;
    st.m_axisRoot = v.longTop->root;
    show(m_form, Box::LongTopHeight, v.longTop->height);
    show(m_form, Box::LongTopDistance, v.longTop->distance);
    st.m_shortAxisReach = *v.shortAxisReach;
    st.m_axisRoot = v.shortTop->root;
    show(m_form, Box::ShortTopHeight, v.shortTop->height);
    show(m_form, Box::ShortTopDistance, v.shortTop->distance);

    if (!v.targetHalfWidth) {
        services::refuse(m_form, boxes()[Box::TargetHeight], kTargetTooHigh);
        return false;
    }
    st.m_targetHalfWidth = services::shownValue(*v.targetHalfWidth);
    st.m_groundHalfWidth = services::shownValue(v.groundHalfWidth);
    show(m_form, Box::TargetRadius, st.m_targetHalfWidth);
    show(m_form, Box::GroundRadius, st.m_groundHalfWidth);
    return true;
}

bool FourRodTypedPanel::draw(int index, automation::ErrObject& err)
{
    services::FormState& st = m_form.state();
    services::bringDrawingToFront(m_form, err);
    const QString prompt = index == 3 ? services::prompts::SectionPosition : services::prompts::LowerLeftRodPosition;
    cad::Point p{};
    if (services::pickPoint(m_form, std::nullopt, prompt, p) != services::PickResult::Picked)
        return false;
    m_form.ShowMsg(QString());

    if (index == 3) {
        // The rod lines stand at the height in the box when they are drawn, not capped at Hr.
        const double typedHeight = services::boxNumber(m_form, boxes()[Box::RodHeight]).value_or(m_typedHeight);
        DrawFourRodSections(st, typedHeight, err);
    } else {
        const geometry::Placement at(p, st.m_scale);
        if (index == 1)
            drawFourRodGroundOutline(st, at, err);
        else if (drawFourRodTargetOutline(st, at, err).nothingProtected)
            m_form.ShowMsg(kNoTargetZone);
    }
    // A step that failed since the last arc: the command ends quietly and keeps the references.
    if (err.failed()) {
        err.clear();
        return false;
    }
    return true;
}

} // namespace rods
