// Automation references to a drawing and to what hangs off it: model space, utility, active viewport.
#pragma once

#include "platform/cad/entity.h"
#include "platform/cad/geometry/point.h"

#include <QString>
#include <QVariant>
#include <memory>
#include <optional>

namespace cad {

class DocumentModel;
class Application;

// The entities of a drawing that the drawing code adds to.
class ModelSpace {
public:
    ModelSpace() = default;
    explicit ModelSpace(std::weak_ptr<DocumentModel> document) : m_document(std::move(document)), m_set(true) {}
    bool isNothing() const { return !m_set; }

    // A counter-clockwise arc from startAngle to endAngle (radians); a radius <= 0 is refused.
    Entity AddArc(const Point& center, double radius, double startAngle, double endAngle);
    Entity AddCircle(const Point& center, double radius);
    Entity AddLine(const Point& start, const Point& end);
    Entity AddText(const QString& text, const Point& insertion, double height);
    int Count() const;
    // The index-th live entity in drawing order.
    Entity Item(int index) const;

private:
    std::weak_ptr<DocumentModel> m_document;
    bool m_set = false;
};

// How many questions (GetPoint, GetString) wait for their answer right now. A command started meanwhile
// would take the drawing references from under the one that asked.
int questionsWaiting();

// Questions to the engineer: picks and typed answers, from the instance's point source.
class Utility {
public:
    Utility() = default;
    explicit Utility(std::weak_ptr<DocumentModel> document) : m_document(std::move(document)), m_set(true) {}
    bool isNothing() const { return !m_set; }

    // The picked point; a cancel throws UserCancelled (0x80020009).
    Point GetPoint(std::optional<Point> base, const QString& prompt);
    QString GetString(bool allowBlanks, const QString& prompt);

private:
    std::weak_ptr<DocumentModel> m_document;
    bool m_set = false;
};

class Viewport {
public:
    Viewport() = default;
    explicit Viewport(std::weak_ptr<DocumentModel> document) : m_document(std::move(document)), m_set(true) {}
    bool isNothing() const { return !m_set; }

    bool OrthoOn() const;
    void setOrthoOn(bool on);

private:
    std::weak_ptr<DocumentModel> m_document;
    bool m_set = false;
};

class Document {
public:
    Document() = default;
    explicit Document(std::weak_ptr<DocumentModel> document) : m_document(std::move(document)), m_set(true) {}
    // The reference to a drawing the engine holds.
    static Document of(DocumentModel& model);
    bool isNothing() const { return !m_set; }
    bool isAlive() const;

    // The instance the drawing belongs to (include application.h to use it).
    cad::Application Application() const;
    cad::ModelSpace ModelSpace() const;
    cad::Utility Utility() const;
    Viewport ActiveViewport() const;
    // System variables; "OSMODE" (object snap bits: 1 end point, 2 mid point, 4 centre) drives snapping.
    void SetVariable(const QString& name, const QVariant& value);
    QVariant GetVariable(const QString& name) const;
    // The live entity bearing that handle; an unknown or erased handle throws KeyNotFound.
    Entity HandleToObject(const QString& handle) const;
    // Writes the drawing as DXF (R2000); the document then bears that name.
    void SaveAs(const QString& path);
    // Writes it back to the file it came from (or was last saved as).
    void Save();
    QString Name() const;
    QString FullName() const;
    // False when there are changes since it was opened or saved.
    bool Saved() const;
    void Close();

    // The engine's own view of the drawing, for the drawing window (read it, do not keep it).
    std::shared_ptr<DocumentModel> model() const;

    friend bool operator==(const Document& a, const Document& b)
    {
        return !a.m_document.owner_before(b.m_document) && !b.m_document.owner_before(a.m_document);
    }

private:
    std::shared_ptr<DocumentModel> lock(const char* member) const;
    std::weak_ptr<DocumentModel> m_document;
    bool m_set = false;
};

} // namespace cad
