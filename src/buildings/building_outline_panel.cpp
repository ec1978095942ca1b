// The building-outline panel ("建(构)筑物避雷装置设计"): the rolling sphere set on picked outline points.
#include "buildings/building_outline_panel.h"

#include "buildings/building_outline_pair.h"
#include "buildings/building_outline_sphere.h"
#include "geometry/draw_arc.h"
#include "services/acad_refs.h"
#include "services/button_arrays.h"
#include "services/form.h"
#include "services/input_checks.h"
#include "services/panel_io.h"
#include "services/pick_prompts.h"
#include "services/pick_protocol.h"
#include "services/rod_fields.h"
#include "services/scale.h"

namespace buildings {

using automation::resume;
using services::PickResult;
namespace prompts = services::prompts;

namespace {

const QString kHandler = QStringLiteral("cmdBuilding_Click");

using Box = services::BuildingBox;

const services::FieldTable<Box>& boxes() { return services::buildingBoxes(); }

} // namespace

BuildingOutlinePanel::BuildingOutlinePanel(services::Form& form, QObject* parent) : QObject(parent), m_form(form)
{
    services::connectClick(form, QStringLiteral("cmdBuilding"), this, [this] { cmdBuilding_Click(); });
    form.registerHandler(kHandler, [this](int) { cmdBuilding_Click(); });
}

void BuildingOutlinePanel::cmdBuilding_Click()
{
    if (!services::CheckBuildingInput(m_form))
        return;
    // A class list without one of the three classes gives no sphere: every distinct pair is refused.
    const double hr = services::classSphereRadius(m_form, boxes()[Box::Class]).value_or(0.0);
    if (!services::beginDrawingCommand(m_form, services::PanelKind::Typed))
        return;

    cad::Point p1{};
    cad::Point p2{};
    if (services::pickPoint(m_form, std::nullopt, prompts::BuildingFirstPoint, p1) != PickResult::Picked)
        return;
    m_form.ShowMsg(QString());
    if (services::pickPoint(m_form, p1, prompts::BuildingNextPoint, p2) != PickResult::Picked)
        return;
    m_form.ShowMsg(QString());

    services::FormState& st = m_form.state();
    st.m_radius = hr * 1000 * services::ParseScale(services::boxText(m_form, boxes()[Box::Scale]));
    if (!pairStep(p1, p2))
        return;

    // Each new point pairs with the one picked just before it.
    while (askToContinue()) {
        cad::Point next{};
        if (services::pickPoint(m_form, p2, prompts::BuildingContinuePoint, next) != PickResult::Picked)
            return;
        m_form.ShowMsg(QString());
        p1 = p2;
        p2 = next;
        if (!pairStep(p1, p2))
            return;
    }
    services::endDrawingCommand();
}

// The sphere set on one pair and its arc drawn; false (the command ends) when the pair is refused.
bool BuildingOutlinePanel::pairStep(const cad::Point& p1, const cad::Point& p2)
{
    services::FormState& st = m_form.state();
    if (const auto refusal = PairRefusal(p1, p2, st.m_radius)) {
        services::returnToMainWindow(m_form);
        m_form.ShowMsg(*refusal);
        return false;
    }
    FindSphereCentre(p1, p2, st.m_radius);
    // Counter-clockwise from the left point to the right one: the sphere's underside between them.
    const ArcEnds ends = LeftToRight(p1, p2);
    services::g_lastHandle = geometry::DrawArc(st, services::g_sphereCentre, st.m_radius, ends.from, ends.to);
    if (services::g_lastHandle != services::kNoEntity) {
        automation::ErrObject err;
        resume(err, [] { services::g_lastEntity.setVisible(true); });
    }
    return true;
}

// Only "Y" (in either case) goes on. A failed question counts as any other answer, so it can never
// repeat an earlier "Y".
bool BuildingOutlinePanel::askToContinue()
{
    QString answer;
    automation::ErrObject err;
    resume(err, [&] { answer = services::g_utility.GetString(true, prompts::BuildingContinueQuestion).toUpper(); });
    return answer == QStringLiteral("Y");
}

} // namespace buildings
