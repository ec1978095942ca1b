// An automation reference to one entity of a drawing: a small value that finds its entity by handle.
#pragma once

#include "platform/cad/geometry/point.h"
#include "platform/cad/model/entity_data.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

namespace cad {

class DocumentModel;

// Default-constructed it is "nothing" (members throw ObjectNotSet). When the instance has ended or
// the document is closed every member throws Disconnected; once the entity is erased, ObjectErased.
// A member that does not apply to the entity's kind throws InvalidProcedureCall; a refused value
// throws InvalidInput.
class Entity {
public:
    Entity() = default;
    Entity(std::weak_ptr<DocumentModel> document, std::uint64_t handle);
    // The reference to an entity of a drawing the engine holds.
    static Entity of(DocumentModel& model, std::uint64_t handle);

    bool isNothing() const { return m_handle == 0; }
    // True while the entity exists (the instance runs, the document is open, the entity is not erased).
    bool isAlive() const;

    QString Handle() const;
    QString ObjectName() const;
    EntityKind kind() const;
    // A copy of the whole entity as it is now.
    EntityData data() const;

    short Color() const;
    void setColor(short color);
    bool Visible() const;
    void setVisible(bool visible);
    QString Layer() const;
    void setLayer(const QString& layer);
    void Update();
    void Erase();

    void Rotate(const Point& base, double angle);
    Entity Mirror(const Point& p1, const Point& p2);
    std::vector<Entity> Offset(double distance);
    std::vector<double> IntersectWith(const Entity& other, int option) const;

    // Arc and circle.
    Point Center() const;
    void setCenter(const Point& center);
    double Radius() const;
    void setRadius(double radius);
    // Arc.
    double StartAngle() const;
    void setStartAngle(double angle);
    double EndAngle() const;
    void setEndAngle(double angle);
    // Line and arc (of an arc: its end points).
    Point StartPoint() const;
    void setStartPoint(const Point& p);
    Point EndPoint() const;
    void setEndPoint(const Point& p);
    // Text.
    QString TextString() const;
    void setTextString(const QString& text);
    Point InsertionPoint() const;
    double Height() const;
    double ScaleFactor() const;
    void setScaleFactor(double factor);

    std::uint64_t handleValue() const { return m_handle; }
    std::weak_ptr<DocumentModel> documentModel() const { return m_document; }

    friend bool operator==(const Entity& a, const Entity& b)
    {
        return a.m_handle == b.m_handle && !a.m_document.owner_before(b.m_document)
            && !b.m_document.owner_before(a.m_document);
    }

private:
    std::weak_ptr<DocumentModel> m_document;
    std::uint64_t m_handle = 0;
};

QString handleText(std::uint64_t handle);

} // namespace cad
