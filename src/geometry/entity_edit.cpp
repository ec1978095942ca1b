// HandleExists and ExtendEntity: looking up a filed entity and lengthening a line or an arc.
#include "geometry/entity_edit.h"

namespace geometry {

using automation::ErrObject;
using automation::resume;
using automation::resumeAssign;
using services::g_acadApp;

bool HandleExists(const EntityHandle& handle)
{
    const automation::ClearsCallersError leavesNothingPending;
    if (g_acadApp.isNothing())
        return false;
    ErrObject err;
    cad::Entity entity;
    resumeAssign(err, entity, [&] { return g_acadApp.ActiveDocument().HandleToObject(handle); });
    return !entity.isNothing();
}

namespace {
// One axis of a line: each moved end goes outward by delta where the ends differ.
void extendAxis(double& s, double& e, short mode, double delta)
{
    const bool moveStart = mode == 0 || mode == 2;
    const bool moveEnd = mode == 1 || mode == 2;
    if (s > e) {
        if (moveStart)
            s += delta;
        if (moveEnd)
            e -= delta;
    }
    if (s < e) {
        if (moveStart)
            s -= delta;
        if (moveEnd)
            e += delta;
    }
}
} // namespace

bool ExtendEntity(const EntityHandle& handle, short mode, double delta)
{
    if (!HandleExists(handle))
        return false;
    ErrObject err;
    cad::Entity entity;
    QString name;
    resumeAssign(err, entity, [&] { return g_acadApp.ActiveDocument().HandleToObject(handle); });
    if (!resumeAssign(err, name, [&] { return entity.ObjectName(); }))
        return false;

    if (name == QLatin1String("AcDbLine")) {
        cad::Point s{}, e{};
        // Geometry that could not be read is not written back: zeros would move the ends far away.
        // Both ends are read whatever the first gives, as statements resumed after an error are.
        const bool startRead = resumeAssign(err, s, [&] { return entity.StartPoint(); });
        const bool endRead = resumeAssign(err, e, [&] { return entity.EndPoint(); });
        if (startRead && endRead) {
            extendAxis(s[0], e[0], mode, delta);
            extendAxis(s[1], e[1], mode, delta);
            resume(err, [&] { entity.setStartPoint(s); });
            resume(err, [&] { entity.setEndPoint(e); });
        }
    } else if (name == QLatin1String("AcDbArc")) {
        double a0 = 0, a1 = 0;
        const bool startRead = resumeAssign(err, a0, [&] { return entity.StartAngle(); });
        const bool endRead = resumeAssign(err, a1, [&] { return entity.EndAngle(); });
        if (startRead && endRead) {
            // Start back and end forward grows the arc also when it passes through the direction 0.
            if (a0 != a1) {
                if (mode == 0 || mode == 2)
                    a0 -= delta;
                if (mode == 1 || mode == 2)
                    a1 += delta;
            }
            resume(err, [&] { entity.setStartAngle(a0); });
            resume(err, [&] { entity.setEndAngle(a1); });
        }
    } else {
        return false;
    }
    resume(err, [&] { entity.Update(); });
    return true;
}

} // namespace geometry
