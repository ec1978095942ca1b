// Where the rolling sphere rests on two points of a building's outline.
#include "buildings/building_outline_sphere.h"

#include "platform/automation/errors_resumed.h"
#include "services/acad_refs.h"
#include "services/crossing_list.h"

namespace buildings {

using automation::resume;

namespace {

// A circle that serves only to find crossings: hidden at once, never seen.
cad::Entity hiddenCircle(const cad::Point& centre, double r, automation::ErrObject& err)
{
    cad::Entity circle;
    resume(err, [&] { circle = services::g_modelSpace.AddCircle(centre, r); });
    resume(err, [&] { circle.setVisible(false); });
    resume(err, [&] { circle.Update(); });
    return circle;
}

} // namespace

void FindSphereCentre(const cad::Point& a, const cad::Point& b, double r)
{
    automation::ErrObject err;
    cad::Entity circleA = hiddenCircle(a, r, err);
    cad::Entity circleB = hiddenCircle(b, r, err);

    services::CrossingList x;
    resume(err, [&] { x = services::crossingsOf(circleB, circleA, 0); });
    if (x.upperBound() == 2) {
        resume(err, [&] { services::g_sphereCentre = x.pointAt(0); });
    } else if (x.upperBound() == 5) {
        // The sphere rolls over the building from above: the higher centre.
        resume(err, [&] { services::g_sphereCentre = x.at(1) > x.at(4) ? x.pointAt(0) : x.pointAt(1); });
    }

    resume(err, [&] { circleA.Erase(); });
    resume(err, [&] { circleB.Erase(); });
}

} // namespace buildings
