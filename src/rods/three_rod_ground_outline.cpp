// The ground-level union outline of three equal rods on an equilateral triangle.
#include "rods/three_rod_ground_outline.h"

#include "geometry/colours.h"
#include "rods/union_outline_drawing.h"
#include "services/form.h"
#include "services/handle_lists.h"

#include <QString>

#include <cmath>

namespace rods {

namespace {

const QString kGroundBlindZone = QStringLiteral("三针间距较大, 地面中心存在防雷盲区!");

// The centre of the triangle lies outside the circles. Told from the circles themselves, so that a
// negative centre height and a radius rounded for the result box can never disagree with the arcs.
bool centreUncovered(const std::array<std::optional<HelperCircle>, 3>& circles)
{
    for (const auto& c : circles)
        if (!c)
            return false;
    const double cx = (circles[0]->centre[0] + circles[1]->centre[0] + circles[2]->centre[0]) / 3.0;
    const double cy = (circles[0]->centre[1] + circles[1]->centre[1] + circles[2]->centre[1]) / 3.0;
    return std::hypot(circles[0]->centre[0] - cx, circles[0]->centre[1] - cy) > circles[0]->radius;
}

} // namespace

ThreeRodGroundArcs ThreeRodGroundOutline(const WorkFrame& frame, const std::array<cad::Point, 3>& rods, double radius,
                                         double smallest)
{
    using C = CrossingChoice;
    std::array<std::optional<HelperCircle>, 3> circle;
    for (int r = 0; r < 3; ++r)
        circle[r] = helperCircleAt(frame, rods[r], radius, smallest);
    const Crossings x01 = circleCrossings(circle[0], circle[1]);
    const Crossings x12 = circleCrossings(circle[1], circle[2]);
    const Crossings x20 = circleCrossings(circle[2], circle[0]);

    // In the frame each side's crossings lie on its perpendicular bisector: side 0-1 is told apart
    // by y, the sloping sides by x (outer: the point away from the triangle).
    ThreeRodGroundArcs a;
    a.outer[0] = arcBetween(circle[0], chooseCrossing(x20, C::SmallerX), chooseCrossing(x01, C::SmallerY));
    a.outer[1] = arcBetween(circle[1], chooseCrossing(x01, C::SmallerY), chooseCrossing(x12, C::LargerX));
    a.outer[2] = arcBetween(circle[2], chooseCrossing(x12, C::LargerX), chooseCrossing(x20, C::SmallerX));
    // A hole needs the circles to overlap on every side; rods apart have no outline to hold one.
    a.blindZone = x01.size() == 2 && x12.size() == 2 && x20.size() == 2 && centreUncovered(circle);
    if (a.blindZone) {
        a.inner[0] = arcBetween(circle[0], chooseCrossing(x01, C::LargerY), chooseCrossing(x20, C::LargerX));
        a.inner[1] = arcBetween(circle[1], chooseCrossing(x12, C::SmallerX), chooseCrossing(x01, C::LargerY));
        a.inner[2] = arcBetween(circle[2], chooseCrossing(x20, C::LargerX), chooseCrossing(x12, C::SmallerX));
    }
    return a;
}

void DrawThreeRodGroundUnion(services::Form& form)
{
    services::FormState& st = form.state();
    UnionOutline o(st, geometry::kColorGround);
    const ThreeRodGroundArcs arcs = ThreeRodGroundOutline(o.frame(), {st.m_point1, st.m_point2, st.m_point3},
                                                          st.m_groundHalfWidth * 1000.0 * st.m_scale, o.margin());

    std::array<std::optional<cad::Entity>, 3> outer, inner;
    for (int r = 0; r < 3; ++r) {
        outer[r] = o.draw(arcs.outer[r]);
        inner[r] = o.draw(arcs.inner[r]);
    }
    for (const auto& arc : outer)
        o.place(arc);
    if (arcs.blindZone) {
        for (const auto& arc : inner)
            o.place(arc);
        form.ShowMsg(kGroundBlindZone);
    }
    for (const services::HandleList& list : st.m_rodGroundHandles)
        o.eraseAll(list);
}

} // namespace rods
