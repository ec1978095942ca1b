// The members of an entity reference: properties, editing, transforms and crossings.
#include "platform/cad/entity.h"

#include "platform/automation/automation_error.h"
#include "platform/cad/engine.h"
#include "platform/cad/faults.h"
#include "platform/cad/geometry/geometry_intersect.h"
#include "platform/cad/geometry/geometry_transform.h"
#include "platform/cad/model/document_model.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace cad {

using automation::AutomationError;
namespace errors = automation::errors;

QString handleText(std::uint64_t handle) { return QString::number(handle, 16).toUpper(); }

namespace {

bool finite(const Point& p) { return std::isfinite(p[0]) && std::isfinite(p[1]) && std::isfinite(p[2]); }

[[noreturn]] void refuse(const char* member, const char* why)
{
    throw AutomationError(errors::InvalidInput, QStringLiteral("%1: %2").arg(QLatin1String(member), QLatin1String(why)));
}

[[noreturn]] void notApplicable(const char* member, EntityKind kind)
{
    throw AutomationError(errors::InvalidProcedureCall,
                          QStringLiteral("%1 does not apply to %2").arg(QLatin1String(member), QLatin1String(objectName(kind))));
}

void requireKind(const char* member, const EntityData& e, std::initializer_list<EntityKind> kinds)
{
    for (auto k : kinds)
        if (e.kind == k)
            return;
    notApplicable(member, e.kind);
}

// Builds the geometric curve of a line, arc or circle.
geom::Curve curveOf(const char* member, const EntityData& e)
{
    switch (e.kind) {
    case EntityKind::Line: return geom::Segment{e.start, e.end};
    case EntityKind::Arc: return geom::CircleArc{e.center, e.radius, e.startAngle, e.endAngle, false};
    case EntityKind::Circle: return geom::CircleArc{e.center, e.radius, 0, 0, true};
    default: notApplicable(member, e.kind);
    }
}

// Texts stay readable when mirrored: the text's box is mirrored and the text laid in it the right way round.
void mirrorText(EntityData& e, const Point& a, const Point& b)
{
    const double width = std::max<qsizetype>(1, e.text.size()) * e.height * e.widthFactor;
    const double dx = std::cos(e.rotation), dy = std::sin(e.rotation);
    const double ax = b[0] - a[0], ay = b[1] - a[1];
    const double axisLen = std::hypot(ax, ay);
    const double along = std::abs(dx * ax + dy * ay) / axisLen;   // baseline against the axis
    const double across = std::abs(-dy * ax + dx * ay) / axisLen; // up direction against the axis
    Point anchor = e.insertion;
    if (along < across) {
        // Mirror across a line more upright than the baseline: the text's far end becomes its start.
        anchor = {e.insertion[0] + width * dx, e.insertion[1] + width * dy, e.insertion[2]};
        e.rotation = geom::normalizeAngle(geom::mirrorAngle(e.rotation, a, b) + geom::kTwoPi / 2);
    } else {
        // Mirror across a line nearer the baseline: the text's top line becomes its baseline.
        anchor = {e.insertion[0] - e.height * dy, e.insertion[1] + e.height * dx, e.insertion[2]};
        e.rotation = geom::mirrorAngle(e.rotation, a, b);
    }
    e.insertion = geom::mirrorPoint(anchor, a, b);
    e.alignment = geom::mirrorPoint(e.alignment, a, b);
}

} // namespace

Entity::Entity(std::weak_ptr<DocumentModel> document, std::uint64_t handle)
    : m_document(std::move(document)), m_handle(handle)
{
}

Entity Entity::of(DocumentModel& model, std::uint64_t handle) { return Entity(model.weak_from_this(), handle); }

namespace {
struct Access {
    std::shared_ptr<DocumentModel> doc;
    std::optional<EntityData> data;
};

Access access(const std::weak_ptr<DocumentModel>& weak, std::uint64_t handle, const char* member)
{
    if (handle == 0)
        throw AutomationError(errors::ObjectNotSet, QStringLiteral("%1 on nothing").arg(QLatin1String(member)));
    faults().check(member);
    auto doc = weak.lock();
    if (!doc || !doc->isOpen())
        throw AutomationError(errors::Disconnected, QStringLiteral("the drawing engine has ended"));
    auto data = doc->find(handle);
    if (!data)
        throw AutomationError(errors::ObjectErased, QStringLiteral("the entity was erased"));
    return {std::move(doc), std::move(data)};
}

void modify(const std::weak_ptr<DocumentModel>& weak, std::uint64_t handle, const char* member,
            const std::function<void(EntityData&)>& change)
{
    auto a = access(weak, handle, member);
    change(*a.data);
    a.doc->replace(handle, *a.data);
}
} // namespace

bool Entity::isAlive() const
{
    auto doc = m_document.lock();
    return m_handle != 0 && doc && doc->isOpen() && doc->stored(m_handle);
}

QString Entity::Handle() const
{
    access(m_document, m_handle, "Handle");
    return handleText(m_handle);
}

QString Entity::ObjectName() const { return QLatin1String(objectName(access(m_document, m_handle, "ObjectName").data->kind)); }

EntityKind Entity::kind() const { return access(m_document, m_handle, "kind").data->kind; }

EntityData Entity::data() const { return *access(m_document, m_handle, "data").data; }

short Entity::Color() const { return access(m_document, m_handle, "Color").data->color; }

void Entity::setColor(short color)
{
    if (color < 0 || color > 256)
        refuse("Color", "a colour index runs from 0 to 256");
    modify(m_document, m_handle, "Color", [&](EntityData& e) { e.color = color; });
}

bool Entity::Visible() const { return access(m_document, m_handle, "Visible").data->visible; }

void Entity::setVisible(bool visible)
{
    modify(m_document, m_handle, "Visible", [&](EntityData& e) { e.visible = visible; });
}

QString Entity::Layer() const { return access(m_document, m_handle, "Layer").data->layer; }

void Entity::setLayer(const QString& layer)
{
    if (layer.isEmpty())
        refuse("Layer", "a layer needs a name");
    auto a = access(m_document, m_handle, "Layer");
    auto& layers = a.doc->tables().layers;
    if (std::none_of(layers.begin(), layers.end(), [&](const LayerData& l) { return l.name.compare(layer, Qt::CaseInsensitive) == 0; }))
        refuse("Layer", "no such layer");
    EntityData copy = *a.data;
    copy.layer = layer;
    a.doc->replace(m_handle, copy);
}

void Entity::Update()
{
    auto a = access(m_document, m_handle, "Update");
    if (DocumentListener* listener = a.doc->listener())
        listener->entityChangedIn(*a.doc, m_handle);
}

void Entity::Erase()
{
    auto a = access(m_document, m_handle, "Erase");
    a.doc->erase(m_handle);
}

void Entity::Rotate(const Point& base, double angle)
{
    if (!finite(base) || !std::isfinite(angle))
        refuse("Rotate", "not a number");
    modify(m_document, m_handle, "Rotate", [&](EntityData& e) {
        auto turn = [&](Point& p) { p = geom::rotatePoint(p, base, angle); };
        switch (e.kind) {
        case EntityKind::Line:
            turn(e.start);
            turn(e.end);
            break;
        case EntityKind::Arc:
            e.startAngle = geom::normalizeAngle(e.startAngle + angle);
            e.endAngle = geom::normalizeAngle(e.endAngle + angle);
            [[fallthrough]];
        case EntityKind::Circle:
            turn(e.center);
            break;
        case EntityKind::Text:
        case EntityKind::MText:
        case EntityKind::Insert:
            turn(e.insertion);
            turn(e.alignment);
            e.rotation = geom::normalizeAngle(e.rotation + angle);
            break;
        case EntityKind::Polyline:
            for (auto& v : e.vertices) {
                const Point p = geom::rotatePoint({v.x, v.y, 0}, base, angle);
                v.x = p[0];
                v.y = p[1];
            }
            break;
        }
    });
}

Entity Entity::Mirror(const Point& p1, const Point& p2)
{
    auto a = access(m_document, m_handle, "Mirror");
    if (!finite(p1) || !finite(p2))
        refuse("Mirror", "not a number");
    if (p1[0] == p2[0] && p1[1] == p2[1])
        refuse("Mirror", "the mirror line needs two distinct points");
    EntityData e = *a.data;
    auto flip = [&](Point& p) { p = geom::mirrorPoint(p, p1, p2); };
    switch (e.kind) {
    case EntityKind::Line:
        flip(e.start);
        flip(e.end);
        break;
    case EntityKind::Arc: {
        // Mirroring reverses the sense of turning: the mirrored end becomes the start.
        const double s = geom::mirrorAngle(e.endAngle, p1, p2), t = geom::mirrorAngle(e.startAngle, p1, p2);
        e.startAngle = s;
        e.endAngle = t;
        flip(e.center);
        break;
    }
    case EntityKind::Circle:
        flip(e.center);
        break;
    case EntityKind::Text:
    case EntityKind::MText:
        mirrorText(e, p1, p2);
        break;
    case EntityKind::Insert:
        flip(e.insertion);
        e.rotation = geom::mirrorAngle(e.rotation, p1, p2);
        e.scaleY = -e.scaleY;
        break;
    case EntityKind::Polyline:
        for (auto& v : e.vertices) {
            const Point p = geom::mirrorPoint({v.x, v.y, 0}, p1, p2);
            v.x = p[0];
            v.y = p[1];
            v.bulge = -v.bulge;
        }
        break;
    }
    return Entity::of(*a.doc, a.doc->add(std::move(e)));
}

std::vector<Entity> Entity::Offset(double distance)
{
    auto a = access(m_document, m_handle, "Offset");
    requireKind("Offset", *a.data, {EntityKind::Line, EntityKind::Arc, EntityKind::Circle});
    if (!std::isfinite(distance) || distance == 0)
        refuse("Offset", "the distance must be a number other than 0");
    EntityData e = *a.data;
    if (e.kind == EntityKind::Line) {
        if (e.start[0] == e.end[0] && e.start[1] == e.end[1])
            refuse("Offset", "a line of zero length has no direction");
        geom::offsetLine(a.data->start, a.data->end, distance, e.start, e.end);
    } else {
        // Outwards for a positive distance.
        e.radius += distance;
        if (!(e.radius > 0))
            refuse("Offset", "the offset curve would vanish");
    }
    return {Entity::of(*a.doc, a.doc->add(std::move(e)))};
}

std::vector<double> Entity::IntersectWith(const Entity& other, int option) const
{
    auto a = access(m_document, m_handle, "IntersectWith");
    if (option < 0 || option > 3)
        refuse("IntersectWith", "the extend option is 0 to 3");
    if (other.isNothing())
        throw AutomationError(errors::ObjectNotSet, QStringLiteral("IntersectWith with nothing"));
    auto b = access(other.m_document, other.m_handle, "IntersectWith");
    return geom::intersectFlat(curveOf("IntersectWith", *a.data), curveOf("IntersectWith", *b.data), option);
}

Point Entity::Center() const
{
    auto a = access(m_document, m_handle, "Center");
    requireKind("Center", *a.data, {EntityKind::Arc, EntityKind::Circle});
    return a.data->center;
}

void Entity::setCenter(const Point& center)
{
    if (!finite(center))
        refuse("Center", "not a number");
    modify(m_document, m_handle, "Center", [&](EntityData& e) {
        requireKind("Center", e, {EntityKind::Arc, EntityKind::Circle});
        e.center = center;
    });
}

double Entity::Radius() const
{
    auto a = access(m_document, m_handle, "Radius");
    requireKind("Radius", *a.data, {EntityKind::Arc, EntityKind::Circle});
    return a.data->radius;
}

void Entity::setRadius(double radius)
{
    modify(m_document, m_handle, "Radius", [&](EntityData& e) {
        requireKind("Radius", e, {EntityKind::Arc, EntityKind::Circle});
        if (!(radius > 0) || !std::isfinite(radius))
            refuse("Radius", "the radius must be greater than 0");
        e.radius = radius;
    });
}

double Entity::StartAngle() const
{
    auto a = access(m_document, m_handle, "StartAngle");
    requireKind("StartAngle", *a.data, {EntityKind::Arc});
    return a.data->startAngle;
}

void Entity::setStartAngle(double angle)
{
    if (!std::isfinite(angle))
        refuse("StartAngle", "not a number");
    modify(m_document, m_handle, "StartAngle", [&](EntityData& e) {
        requireKind("StartAngle", e, {EntityKind::Arc});
        e.startAngle = geom::normalizeAngle(angle);
    });
}

double Entity::EndAngle() const
{
    auto a = access(m_document, m_handle, "EndAngle");
    requireKind("EndAngle", *a.data, {EntityKind::Arc});
    return a.data->endAngle;
}

void Entity::setEndAngle(double angle)
{
    if (!std::isfinite(angle))
        refuse("EndAngle", "not a number");
    modify(m_document, m_handle, "EndAngle", [&](EntityData& e) {
        requireKind("EndAngle", e, {EntityKind::Arc});
        e.endAngle = geom::normalizeAngle(angle);
    });
}

Point Entity::StartPoint() const
{
    auto a = access(m_document, m_handle, "StartPoint");
    requireKind("StartPoint", *a.data, {EntityKind::Line, EntityKind::Arc});
    const EntityData& e = *a.data;
    return e.kind == EntityKind::Line ? e.start : geom::pointAtAngle(e.center, e.radius, e.startAngle);
}

void Entity::setStartPoint(const Point& p)
{
    if (!finite(p))
        refuse("StartPoint", "not a number");
    modify(m_document, m_handle, "StartPoint", [&](EntityData& e) {
        requireKind("StartPoint", e, {EntityKind::Line});
        e.start = p;
    });
}

Point Entity::EndPoint() const
{
    auto a = access(m_document, m_handle, "EndPoint");
    requireKind("EndPoint", *a.data, {EntityKind::Line, EntityKind::Arc});
    const EntityData& e = *a.data;
    return e.kind == EntityKind::Line ? e.end : geom::pointAtAngle(e.center, e.radius, e.endAngle);
}

void Entity::setEndPoint(const Point& p)
{
    if (!finite(p))
        refuse("EndPoint", "not a number");
    modify(m_document, m_handle, "EndPoint", [&](EntityData& e) {
        requireKind("EndPoint", e, {EntityKind::Line});
        e.end = p;
    });
}

QString Entity::TextString() const
{
    auto a = access(m_document, m_handle, "TextString");
    requireKind("TextString", *a.data, {EntityKind::Text, EntityKind::MText});
    return a.data->text;
}

void Entity::setTextString(const QString& text)
{
    modify(m_document, m_handle, "TextString", [&](EntityData& e) {
        requireKind("TextString", e, {EntityKind::Text, EntityKind::MText});
        e.text = text;
    });
}

Point Entity::InsertionPoint() const
{
    auto a = access(m_document, m_handle, "InsertionPoint");
    requireKind("InsertionPoint", *a.data, {EntityKind::Text, EntityKind::MText, EntityKind::Insert});
    return a.data->insertion;
}

double Entity::Height() const
{
    auto a = access(m_document, m_handle, "Height");
    requireKind("Height", *a.data, {EntityKind::Text, EntityKind::MText});
    return a.data->height;
}

double Entity::ScaleFactor() const
{
    auto a = access(m_document, m_handle, "ScaleFactor");
    requireKind("ScaleFactor", *a.data, {EntityKind::Text});
    return a.data->widthFactor;
}

void Entity::setScaleFactor(double factor)
{
    modify(m_document, m_handle, "ScaleFactor", [&](EntityData& e) {
        requireKind("ScaleFactor", e, {EntityKind::Text});
        if (!(factor > 0) || !std::isfinite(factor) || factor > 100)
            refuse("ScaleFactor", "the width factor runs from just above 0 to 100");
        e.widthFactor = factor;
    });
}

} // namespace cad
