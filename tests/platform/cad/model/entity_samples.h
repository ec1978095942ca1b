// Entities of each kind for the store's tests and the painting of a store, built in one line each.
#pragma once

#include "platform/cad/model/entity_data.h"

namespace cadtest {

using cad::EntityData;
using cad::EntityKind;

inline EntityData line(double x1, double y1, double x2, double y2)
{
    EntityData e;
    e.kind = EntityKind::Line;
    e.start = {x1, y1, 0.5};
    e.end = {x2, y2, -1};
    return e;
}

inline EntityData curve(EntityKind kind, double x, double y, double r)
{
    EntityData e;
    e.kind = kind;
    e.center = {x, y, 0};
    e.radius = r;
    e.startAngle = 0.25;
    e.endAngle = 4;
    return e;
}

inline EntityData polyline(double x, double y, bool closed)
{
    EntityData e;
    e.kind = EntityKind::Polyline;
    e.vertices = {{x, y, 0}, {x + 3, y, 0.4}, {x + 3, y + 2, 0}};
    e.closed = closed;
    e.elevation = 2;
    return e;
}

inline EntityData text(double x, double y)
{
    EntityData e;
    e.kind = EntityKind::Text;
    e.insertion = e.alignment = {x, y, 0};
    e.text = QStringLiteral("一号避雷针");
    e.height = 2.5;
    return e;
}

} // namespace cadtest
