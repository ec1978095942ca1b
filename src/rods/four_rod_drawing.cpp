// Draws the four-rod outlines and section views from the zone values on the form, for the typed and the picked panel.
#include "rods/four_rod_drawing.h"

#include "services/acad_refs.h"
#include "services/colours.h"
#include "services/form_state.h"

namespace rods {

using automation::resume;
using geometry::Placement;

namespace {

constexpr double kTitleHeight = 2.0;     // drawing units, not scaled
constexpr double kTitleWidthFactor = 0.8;
constexpr double kSmallestRadius = 0.0001; // drawing units: a smaller circle is not added

void addHoleCircle(services::FormState& st, const Placement& at, const FramePoint& centre, double radius,
                   automation::ErrObject& err)
{
    st.m_centrePoint = at.point(centre);
    st.m_radius = at.length(radius);
    if (!(st.m_radius > kSmallestRadius))
        return;
    if (!resume(err, [&] { services::g_lastCircle = services::g_modelSpace.AddCircle(st.m_centrePoint, st.m_radius); }))
        return;
    resume(err, [&] { services::g_lastCircle.setColor(st.m_color); });
    at.turn(services::g_lastCircle, err);
    if (at.files()) {
        resume(err, [] { services::g_lastCircle.setVisible(false); });
        services::EntityHandle handle = services::kNoEntity;
        if (resume(err, [&] { handle = services::g_lastCircle.Handle(); }))
            at.file(handle, err);
    } else {
        resume(err, [] { services::g_lastCircle.setVisible(true); });
    }
}

} // namespace

FourRodPlanInput fourRodPlanInputOf(const services::FormState& st)
{
    return {st.m_longSide,        st.m_shortSide,       st.m_longAxisReach, st.m_shortAxisReach,
            st.m_targetHalfWidth, st.m_groundHalfWidth, st.m_targetHeight,  st.m_lowestHeight,
            st.m_sphereRadius};
}

FourRodSectionInput fourRodSectionInputOf(const services::FormState& st, double typedHeight)
{
    return {typedHeight,     st.m_height,        st.m_targetHeight,  st.m_sphereRadius,   st.m_longSide,
            st.m_shortSide,  st.m_diagonal,      st.m_lowestHeight,  st.m_longAxisReach, st.m_shortAxisReach,
            st.m_groundHalfWidth};
}

void drawFourRodGroundOutline(services::FormState& st, const Placement& at, automation::ErrObject& err)
{
    for (const FrameArc& arc : FourRodGroundArcs(fourRodPlanInputOf(st)))
        geometry::drawFrameArc(st, at, arc, err);
}

FourRodTargetOutline drawFourRodTargetOutline(services::FormState& st, const Placement& at, automation::ErrObject& err)
{
    const FourRodTargetOutline outline = FourRodTargetOutlineOf(fourRodPlanInputOf(st));
    // Every arc closes a figure: a piece however short is drawn, or the figure stays open.
    const auto draw = [&](const FrameArc& arc) {
        geometry::drawFrameArc(st, at, arc, err, geometry::ShortArcs::Drawn);
    };
    for (const FrameArc& arc : outline.rxArcs)
        draw(arc);
    if (outline.holeCircleKept)
        addHoleCircle(st, at, {st.m_longSide / 2.0, st.m_shortSide / 2.0}, *outline.holeRadius, err);
    for (const FrameArc& arc : outline.innerArcs)
        draw(arc);
    for (const FrameArc& arc : outline.holeArcs)
        draw(arc);
    return outline;
}

void AddSectionTitle(services::FormState& st, const QString& title, const cad::Point& origin, automation::ErrObject& err)
{
    st.m_textPoint = origin;
    if (!resume(err, [&] { services::g_lastText = services::g_modelSpace.AddText(title, st.m_textPoint, kTitleHeight); }))
        return;
    resume(err, [] { services::g_lastText.setColor(services::kColorTitle); });
    resume(err, [] { services::g_lastText.setScaleFactor(kTitleWidthFactor); });
    resume(err, [] { services::g_lastText.Update(); });
}

void DrawFourRodSections(services::FormState& st, double typedHeight, automation::ErrObject& err)
{
    const auto views = FourRodSectionViews(fourRodSectionInputOf(st, typedHeight));
    for (std::size_t i = 0; i < views.size(); ++i) {
        if (i > 0) {
            const Placement previous(st.m_pickedPoint, st.m_scale);
            st.m_pickedPoint[0] = (st.m_pickedPoint[0] + previous.length(views[i - 1].advance)) + kFourRodViewGap;
        }
        const Placement at(st.m_pickedPoint, st.m_scale);
        geometry::drawFrameItems(st, at, views[i].items, err);
        AddSectionTitle(st, views[i].title, st.m_pickedPoint, err);
    }
}

} // namespace rods
