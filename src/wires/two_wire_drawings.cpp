// The drawings both two-wire panels make from the zone values: the ground plan, the target-height plan
// and the two section views.
#include "wires/two_wire_drawings.h"

#include "geometry/angles.h"
#include "geometry/colours.h"
#include "geometry/draw_arc.h"
#include "geometry/plan_geometry.h"
#include "services/acad_refs.h"
#include "services/crossing_list.h"
#include "services/form.h"
#include "wires/one_strip_values.h"
#include "wires/two_wire_plans.h"
#include "wires/two_wire_sections.h"
#include "wires/two_wire_target_outlines.h"

namespace wires {

using automation::resume;
using services::g_lastCircle;
using services::g_lastEntity;
using services::g_lastHandle;
using services::g_lastLine;
using services::g_modelSpace;

namespace {

// The wire marks keep their size in drawing units at every scale.
constexpr double kWireMarkRadius = 0.05;

void drawWireMark(services::FormState& st, const cad::Point& centre, automation::ErrObject& err)
{
    st.m_centrePoint = centre;
    st.m_radius = kWireMarkRadius;
    if (!resume(err, [&] { g_lastCircle = g_modelSpace.AddCircle(st.m_centrePoint, st.m_radius); }))
        return;
    resume(err, [&] { g_lastCircle.setColor(st.m_color); });
    resume(err, [] { g_lastCircle.Update(); });
}

// The mid-line section: the boundary arc starts where the sphere beyond the end cuts the mid-line height
// h0, found by crossing the sphere with a hidden level line.
void drawMidlineSection(services::FormState& st, const geometry::Placement& at, automation::ErrObject& err)
{
    const MidlineSection s = MidlineSectionOf(twoWireValuesOf(st));
    const cad::Point centre = at.point(s.sphereCentre);
    const double radius = at.length(s.sphereRadius);

    cad::Entity sphere, level;
    bool haveSphere = false;
    if (radius > 0.0001) {
        haveSphere = resume(err, [&] { sphere = g_modelSpace.AddCircle(centre, radius); });
        if (haveSphere) {
            g_lastCircle = sphere;
            resume(err, [&] { sphere.setVisible(false); });
            resume(err, [&] { sphere.Update(); });
        }
    }
    const bool haveLevel = resume(err, [&] { level = g_modelSpace.AddLine(at.point(s.levelFrom), at.point(s.levelTo)); });
    if (haveLevel) {
        g_lastLine = level;
        resume(err, [&] { level.setVisible(false); });
        resume(err, [&] { level.Update(); });
    }
    // The engine lists a line's crossings with a circle along the line, from its start: the first is the
    // one nearer (−Hr, h0), at x = am − b(h0), from which the arc falls straight to the ground.
    services::CrossingList crossings;
    if (haveSphere && haveLevel)
        resume(err, [&] { crossings = services::crossingsOf(sphere, level, 0); });
    if (haveSphere)
        resume(err, [&] { sphere.Erase(); });
    if (haveLevel)
        resume(err, [&] { level.Erase(); });

    if (crossings.pointCount() > 0) {
        const cad::Point first = crossings.pointAt(0);
        st.m_centrePoint = centre;
        st.m_radius = radius;
        st.m_fromPoint = {first[0], first[1], centre[2]};
        st.m_toPoint = at.point(s.groundEnd);
        g_lastHandle = geometry::DrawArc(st, st.m_centrePoint, st.m_radius, st.m_fromPoint, st.m_toPoint);
        if (g_lastHandle != services::kNoEntity)
            resume(err, [] { g_lastEntity.setVisible(true); });
    }
    // Without a crossing there is no point to start the arc from; the lines and the mark still show the end.
    geometry::drawFrameLine(st, at, {{0, 0}, s.groundEnd, true}, geometry::kColorSectionLine, err);
    geometry::drawFrameLine(st, at, {{0, 0}, s.wireTop, true}, geometry::kColorSectionLine, err);
    drawWireMark(st, at.point(s.wireTop), err);
}

// An outline with no entity at all means that nothing is protected at hx: the engineer is told so.
void drawOrTellNothing(services::Form& form, const geometry::Placement& at, const geometry::FrameItems& outline,
                       automation::ErrObject& err)
{
    if (outline.empty())
        form.ShowMsg(kNoTargetZone);
    geometry::drawFrameItems(form.state(), at, outline, err);
}

} // namespace

// Both plans erase what they cannot put in place: no command leaves a hidden entity behind.
geometry::Placement typedPlanPlacement(const cad::Point& origin, std::function<QString()> scaleText)
{
    return geometry::Placement(origin, std::move(scaleText)).erasingUnplaced();
}

geometry::Placement pickedPlanPlacement(const services::FormState& st)
{
    const geometry::Placement onWire = geometry::Placement(st.m_point1, st.m_scale)
                                           .turnedAbout(st.m_point1, st.m_angle - geometry::kHalfPi)
                                           .erasingUnplaced();
    if (geometry::SideOfLine(st.m_point1, st.m_point2, st.m_point3) == geometry::kLeft)
        return onWire.mirroredIn(st.m_point1, st.m_point2);
    return onWire;
}

void drawGroundPlan(services::FormState& st, const geometry::Placement& at, automation::ErrObject& err)
{
    geometry::drawFrameItems(st, at, TwoWireGroundPlan(twoWireValuesOf(st)), err);
}

bool drawTargetPlan(services::Form& form, const geometry::Placement& at, automation::ErrObject& err)
{
    services::FormState& st = form.state();
    const TwoWireValues v = twoWireValuesOf(st);
    const TargetQuantities q = TargetQuantitiesOf(v);
    st.m_capDepth = q.capDepth;
    switch (ChooseTargetOutline(v, q)) {
    case TargetOutline::Enclosing:
        geometry::drawFrameItems(st, at, EnclosingOutline(v, q), err);
        return true;
    case TargetOutline::Joined:
        drawOrTellNothing(form, at, JoinedOutline(v, q), err);
        return true;
    case TargetOutline::Separate:
        if (!(v.targetHeight > v.lowestHeight))
            return false;
        form.ShowMsg(kAboveLowestPoint);
        drawOrTellNothing(form, at, SeparateOutlines(v, q), err);
        return true;
    case TargetOutline::Nothing:
        form.ShowMsg(kNoTargetZone);
        return true;
    }
    return true;
}

bool drawSections(services::Form& form, const SectionFrame& frameAt, automation::ErrObject& err)
{
    services::FormState& st = form.state();
    const TwoWireValues v = twoWireValuesOf(st);
    {
        const geometry::Placement at = frameAt(st.m_pickedPoint);
        geometry::drawFrameItems(st, at, CrossSection(v), err);
        drawWireMark(st, at.point(wireMark(v, 0)), err);
        drawWireMark(st, at.point(wireMark(v, 1)), err);
        st.m_pickedPoint[0] += at.length(midlineSectionShift(v));
    }
    if (midlineSphereClearance(v) < 0) {
        form.ShowMsg(kSectionBlindPoint);
        return false;
    }
    drawMidlineSection(st, frameAt(st.m_pickedPoint), err);
    return true;
}

} // namespace wires
