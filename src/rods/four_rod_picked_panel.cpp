// The picked four-rod panel: picks, the normalised rectangle, values, routing and its own drawing.
#include "rods/four_rod_picked_panel.h"

#include "geometry/frame_drawing.h"
#include "rods/four_rod_drawing.h"
#include "rods/four_rod_rectangle.h"
#include "rods/four_rod_union.h"
#include "rods/four_rod_values.h"
#include "rods/picked_fallbacks.h"
#include "rods/picked_panels.h"
#include "rods/picked_rod_boxes.h"
#include "rods/rod_messages.h"
#include "services/button_arrays.h"
#include "services/colours.h"
#include "services/form.h"
#include "services/input_checks.h"
#include "services/numeric_routines.h"
#include "services/panel_io.h"
#include "services/pick_prompts.h"
#include "services/pick_protocol.h"
#include "services/rolling_sphere.h"

#include <QLineEdit>

namespace rods {

namespace {

const QString kHandler = QStringLiteral("cmdFourRodPicked_Click");
const QString kTargetBlindZone = QStringLiteral("四针间距较大, 目标中心存在防雷盲区!");

using Box = FourRodPickedBox;
using Tick = services::DrawingTick;

const services::FieldTable<Box>& boxes() { return fourRodPickedBoxes(); }

bool ticked(services::Form& form, Tick tick) { return services::isTicked(form, ticksOf(kFourRodPickedPanel)[tick]); }

void showBox(services::Form& form, Box key, const std::optional<double>& value)
{
    const services::PanelField& box = boxes()[key];
    if (value)
        services::showResult(form, box, *value);
    else if (QLineEdit* b = form.controls().textBox(box.name, box.index))
        b->clear(); // a value that does not exist for this layout never shows an earlier run's
}

} // namespace

FourRodPickedPanel::FourRodPickedPanel(services::Form& form, QObject* parent) : QObject(parent), m_form(form)
{
    services::wireButtonArray(form, QStringLiteral("cmdFourRodPicked"), kHandler, this,
                              [this](int index) { cmdFourRodPicked_Click(index); });
}

void FourRodPickedPanel::cmdFourRodPicked_Click(int)
{
    if (!services::CheckFourRodPickedInput(m_form))
        return;
    m_form.ShowMsg(QString());
    if (!readPickedRodInputs(m_form, kFourRodPickedPanel, true))
        return;
    if (!services::beginDrawingCommand(m_form, services::PanelKind::Picked))
        return;
    if (!pickRectangle())
        return;

    FourRodValues values;
    if (!showValues(values) || routedElsewhere(values))
        return;

    automation::ErrObject err;
    m_targetTip.clear();
    if (!drawPlans(err))
        return;
    if (ticked(m_form, Tick::Section)) {
        // The section pick clears the tip line; what the target height showed is told again after it.
        if (!drawSections(err))
            return;
        if (!m_targetTip.isEmpty())
            m_form.ShowMsg(m_targetTip);
    }
    services::endDrawingCommand();
}

bool FourRodPickedPanel::pickRectangle()
{
    services::FormState& st = m_form.state();
    cad::Point first{}, second{}, third{};
    auto pick = [&](const std::optional<cad::Point>& base, const QString& prompt, cad::Point& out) {
        if (services::pickPoint(m_form, base, prompt, out) != services::PickResult::Picked)
            return false;
        m_form.ShowMsg(QString());
        return true;
    };
    if (!pick(std::nullopt, services::prompts::FourRodPickedFirst, first)
        || !pick(first, services::prompts::FourRodPickedAdjacent, second)
        || !pick(first, services::prompts::FourRodPickedOtherSide, third))
        return false;

    const PickedRectangle r = NormaliseRectangle(first, second, third, 1000.0 * st.m_scale);
    st.m_point1 = r.rods[0];
    st.m_point2 = r.rods[1];
    st.m_point3 = r.rods[2];
    st.m_point4 = r.rods[3];
    st.m_angle = r.angle;
    st.m_longSide = r.longSide;
    st.m_shortSide = r.shortSide;
    st.m_sideDistance = r.sideDistance;
    return true;
}

bool FourRodPickedPanel::showValues(FourRodValues& v)
{
    services::FormState& st = m_form.state();
    v = FourRodValuesOf({st.m_longSide, st.m_shortSide, st.m_height, st.m_targetHeight, st.m_sphereRadius});
    st.m_diagonal = v.diagonal;
    st.m_lowestHeight = v.lowestHeight.value_or(-1.0);
    showBox(m_form, Box::Lowest, v.lowestHeight);
    if (v.longAxisReach)
        st.m_longAxisReach = *v.longAxisReach;
    if (v.shortAxisReach)
        st.m_shortAxisReach = *v.shortAxisReach;
    auto top = [&](const std::optional<FourRodAxisTop>& t, Box distance, Box height) {
        showBox(m_form, height, t ? std::optional<double>(t->height) : std::nullopt);
        showBox(m_form, distance, t ? std::optional<double>(t->distance) : std::nullopt);
        if (t)
            st.m_axisRoot = t->root;
    };
    top(v.longTop, Box::LongTopDistance, Box::LongTopHeight);
    top(v.shortTop, Box::ShortTopDistance, Box::ShortTopHeight);

    if (!v.targetHalfWidth) {
        services::refuse(m_form, boxes()[Box::TargetHeight], kTargetTooHigh);
        services::returnToMainWindow(m_form);
        return false;
    }
    // Everything drawn later works with the radii as the boxes show them.
    st.m_targetHalfWidth = services::shownValue(*v.targetHalfWidth);
    st.m_groundHalfWidth = services::shownValue(v.groundHalfWidth);
    services::showResult(m_form, boxes()[Box::Rx], st.m_targetHalfWidth);
    services::showResult(m_form, boxes()[Box::R0], st.m_groundHalfWidth);
    return true;
}

bool FourRodPickedPanel::routedElsewhere(const FourRodValues& v)
{
    services::FormState& st = m_form.state();
    const double a = st.m_longSide;
    const double b = st.m_shortSide;
    QString single, pairs;
    if (a == 0.0 && b == 0.0) {
        single = QStringLiteral("四针重叠, 已按单针计算!");
    } else if (b == 0.0) {
        pairs = QStringLiteral("针位重叠, 已按双针计算!");
    } else if (v.diagonal >= 2.0 * services::SphereHalfWidth(st.m_height, st.m_sphereRadius)) {
        const double m = services::MinOf({st.m_height, st.m_sphereRadius});
        const double r = services::SphereHalfWidth(m, st.m_sphereRadius);
        if (a >= 2.0 * r && b >= 2.0 * r)
            single = QStringLiteral("四针间距均较大, 已按单针计算!");
        else if (a < 2.0 * r && b < 2.0 * r)
            pairs = QStringLiteral("四针间距较大, 地面中心存在防雷盲区!");
        else
            pairs = QStringLiteral("有两针间距较大, 已按双针计算!");
    } else {
        return false;
    }
    if (!single.isEmpty())
        FourRodPickedAsSingle(m_form, single);
    else
        FourRodUnion(m_form, pairs);
    services::returnToMainWindow(m_form);
    return true;
}

bool FourRodPickedPanel::drawPlans(automation::ErrObject& err)
{
    services::FormState& st = m_form.state();
    // Built in the rectangle's frame at rod 1 and turned by the direction of rod 1 -> rod 2.
    const geometry::Placement at = geometry::Placement::workFrame(st);
    if (ticked(m_form, Tick::GroundRange)) {
        st.m_color = services::kColorGround;
        drawFourRodGroundOutline(st, at, err);
        if (err.failed()) {
            err.clear();
            services::returnToMainWindow(m_form);
            return false;
        }
    }
    if (ticked(m_form, Tick::TargetRange)) {
        st.m_color = services::kColorTarget;
        const FourRodTargetOutline outline = drawFourRodTargetOutline(st, at, err);
        if (outline.nothingProtected)
            m_targetTip = kNoTargetZone;
        else if (outline.holeRadius)
            m_targetTip = kTargetBlindZone;
        if (!m_targetTip.isEmpty())
            m_form.ShowMsg(m_targetTip);
        err.clear(); // what was drawn stays shown; the sections still follow
    }
    return true;
}

bool FourRodPickedPanel::drawSections(automation::ErrObject& err)
{
    services::FormState& st = m_form.state();
    st.m_color = services::kColorGround;
    cad::Point at{};
    if (services::pickPoint(m_form, std::nullopt, services::prompts::SectionPosition, at) != services::PickResult::Picked)
        return false;
    m_form.ShowMsg(QString());
    const double typedHeight = services::boxNumber(m_form, boxes()[Box::Height]).value_or(st.m_height);
    DrawFourRodSections(st, typedHeight, err);
    if (err.failed()) {
        err.clear();
        services::returnToMainWindow(m_form);
        return false;
    }
    return true;
}

} // namespace rods
