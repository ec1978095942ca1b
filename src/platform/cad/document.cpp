// The members of document, model space, utility and viewport references.
#include "platform/cad/document.h"

#include "platform/automation/automation_error.h"
#include "platform/cad/application.h"
#include "platform/cad/dxf/dxf_file.h"
#include "platform/cad/engine.h"
#include "platform/cad/faults.h"
#include "platform/cad/geometry/coordinate_limits.h"
#include "platform/cad/geometry/geometry_transform.h"
#include "platform/cad/model/document_model.h"
#include "platform/cad/point_source.h"

#include <QFileInfo>
#include <cmath>

namespace cad {

using automation::AutomationError;
namespace errors = automation::errors;

namespace {

std::shared_ptr<DocumentModel> lockModel(const std::weak_ptr<DocumentModel>& weak, bool set, const char* member)
{
    if (!set)
        throw AutomationError(errors::ObjectNotSet, QStringLiteral("%1 on nothing").arg(QLatin1String(member)));
    faults().check(member);
    auto doc = weak.lock();
    if (!doc || !doc->isOpen())
        throw AutomationError(errors::Disconnected, QStringLiteral("the drawing engine has ended"));
    return doc;
}

// Finite and within the coordinate limit: a drawing never holds what it could not read back.
bool finite(const Point& p) { return withinLimits(p); }

bool finite(double length) { return withinLimits(length); }

[[noreturn]] void refuse(const char* member, const char* why)
{
    throw AutomationError(errors::InvalidInput, QStringLiteral("%1: %2").arg(QLatin1String(member), QLatin1String(why)));
}

} // namespace

// ---- model space

Entity ModelSpace::AddArc(const Point& center, double radius, double startAngle, double endAngle)
{
    auto doc = lockModel(m_document, m_set, "AddArc");
    if (!finite(center) || !finite(radius) || !std::isfinite(startAngle) || !std::isfinite(endAngle))
        refuse("AddArc", "not a number or beyond the coordinate limit");
    if (!(radius > 0))
        refuse("AddArc", "the radius must be greater than 0");
    EntityData e;
    e.kind = EntityKind::Arc;
    e.center = center;
    e.radius = radius;
    e.startAngle = geom::normalizeAngle(startAngle);
    e.endAngle = geom::normalizeAngle(endAngle);
    return Entity::of(*doc, doc->add(std::move(e)));
}

Entity ModelSpace::AddCircle(const Point& center, double radius)
{
    auto doc = lockModel(m_document, m_set, "AddCircle");
    if (!finite(center) || !finite(radius))
        refuse("AddCircle", "not a number or beyond the coordinate limit");
    if (!(radius > 0))
        refuse("AddCircle", "the radius must be greater than 0");
    EntityData e;
    e.kind = EntityKind::Circle;
    e.center = center;
    e.radius = radius;
    return Entity::of(*doc, doc->add(std::move(e)));
}

Entity ModelSpace::AddLine(const Point& start, const Point& end)
{
    auto doc = lockModel(m_document, m_set, "AddLine");
    if (!finite(start) || !finite(end))
        refuse("AddLine", "not a number or beyond the coordinate limit");
    EntityData e;
    e.kind = EntityKind::Line;
    e.start = start;
    e.end = end;
    return Entity::of(*doc, doc->add(std::move(e)));
}

Entity ModelSpace::AddText(const QString& text, const Point& insertion, double height)
{
    auto doc = lockModel(m_document, m_set, "AddText");
    if (!finite(insertion) || !finite(height))
        refuse("AddText", "not a number or beyond the coordinate limit");
    if (!(height > 0))
        refuse("AddText", "the text height must be greater than 0");
    EntityData e;
    e.kind = EntityKind::Text;
    e.text = text;
    e.insertion = insertion;
    e.alignment = insertion;
    e.height = height;
    e.style = doc->defaultTextStyle();
    return Entity::of(*doc, doc->add(std::move(e)));
}

int ModelSpace::Count() const { return static_cast<int>(lockModel(m_document, m_set, "Count")->count()); }

Entity ModelSpace::Item(int index) const
{
    auto doc = lockModel(m_document, m_set, "Item");
    if (index < 0 || static_cast<std::size_t>(index) >= doc->count())
        throw AutomationError(errors::SubscriptOutOfRange, QStringLiteral("no entity at that index"));
    return Entity::of(*doc, doc->handleAt(static_cast<std::size_t>(index)));
}

// ---- utility

namespace {
// Holds the engine and its source alive through the wait: the window may end the instance meanwhile.
struct Asking {
    std::shared_ptr<DocumentModel> doc;
    std::shared_ptr<Engine> engine;
    std::shared_ptr<PointSource> source;
};

Asking prepareQuestion(const std::weak_ptr<DocumentModel>& weak, bool set, const char* member)
{
    auto doc = lockModel(weak, set, member);
    auto engine = engineOf(*doc)->self();
    auto source = engine->pointSource();
    if (!source)
        throw AutomationError(errors::PickInterrupted, QStringLiteral("nobody to answer the question"));
    return {std::move(doc), std::move(engine), std::move(source)};
}

int g_questionsWaiting = 0;

// Counts a question as waiting for as long as it is asked.
struct WaitingQuestion {
    WaitingQuestion() { ++g_questionsWaiting; }
    ~WaitingQuestion() { --g_questionsWaiting; }
    WaitingQuestion(const WaitingQuestion&) = delete;
    WaitingQuestion& operator=(const WaitingQuestion&) = delete;
};

void checkStillRunning(const Asking& a)
{
    if (a.engine->hasEnded() || !a.doc->isOpen())
        throw AutomationError(errors::Disconnected, QStringLiteral("the drawing engine ended during the question"));
}
} // namespace

int questionsWaiting()
{
    return g_questionsWaiting;
}

Point Utility::GetPoint(std::optional<Point> base, const QString& prompt)
{
    Asking a = prepareQuestion(m_document, m_set, "GetPoint");
    if (base && !finite(*base))
        refuse("GetPoint", "the base point is not a number");
    const Point p = [&] {
        WaitingQuestion waiting;
        return a.source->getPoint(Document::of(*a.doc), base, prompt);
    }();
    checkStillRunning(a);
    if (!finite(p))
        throw AutomationError(errors::InvalidInput, QStringLiteral("the answer is not a point"));
    return p;
}

QString Utility::GetString(bool allowBlanks, const QString& prompt)
{
    Asking a = prepareQuestion(m_document, m_set, "GetString");
    QString answer = [&] {
        WaitingQuestion waiting;
        return a.source->getString(Document::of(*a.doc), allowBlanks, prompt);
    }();
    checkStillRunning(a);
    if (!allowBlanks) {
        // Without blanks the answer ends at its first blank, as a typed word would.
        const qsizetype blank = answer.indexOf(QLatin1Char(' '));
        if (blank >= 0)
            answer.truncate(blank);
    }
    return answer;
}

// ---- viewport

bool Viewport::OrthoOn() const { return lockModel(m_document, m_set, "OrthoOn")->orthoOn(); }

void Viewport::setOrthoOn(bool on) { lockModel(m_document, m_set, "OrthoOn")->setOrthoOn(on); }

// ---- document

std::shared_ptr<DocumentModel> Document::lock(const char* member) const { return lockModel(m_document, m_set, member); }

Document Document::of(DocumentModel& model) { return Document(model.weak_from_this()); }

bool Document::isAlive() const
{
    auto doc = m_document.lock();
    return m_set && doc && doc->isOpen();
}

cad::Application Document::Application() const { return engineOf(*lock("Application"))->application(); }

cad::ModelSpace Document::ModelSpace() const { return cad::ModelSpace(lock("ModelSpace")); }

cad::Utility Document::Utility() const { return cad::Utility(lock("Utility")); }

Viewport Document::ActiveViewport() const { return Viewport(lock("ActiveViewport")); }

void Document::SetVariable(const QString& name, const QVariant& value)
{
    auto doc = lock("SetVariable");
    doc->setVariable(name, value);
}

QVariant Document::GetVariable(const QString& name) const { return lock("GetVariable")->variable(name); }

Entity Document::HandleToObject(const QString& handle) const
{
    auto doc = lock("HandleToObject");
    bool ok = false;
    const std::uint64_t h = handle.trimmed().toULongLong(&ok, 16);
    if (!ok || h == 0 || !doc->stored(h))
        throw AutomationError(errors::KeyNotFound, QStringLiteral("no entity bears the handle %1").arg(handle));
    return Entity::of(*doc, h);
}

void Document::SaveAs(const QString& path)
{
    auto doc = lock("SaveAs");
    if (path.trimmed().isEmpty())
        throw AutomationError(errors::FileError, QStringLiteral("SaveAs needs a file name"));
    writeDxfFile(path, *doc);
    const QFileInfo info(path);
    doc->setFileName(info.absoluteFilePath(), info.fileName());
    doc->setSaved(true);
    if (Engine* engine = engineOf(*doc))
        engine->notifyDocumentChanged(*this);
}

void Document::Save()
{
    auto doc = lock("Save");
    if (doc->fullName().isEmpty())
        throw AutomationError(errors::FileError, QStringLiteral("the drawing has no file yet"));
    writeDxfFile(doc->fullName(), *doc);
    doc->setSaved(true);
    if (Engine* engine = engineOf(*doc))
        engine->notifyDocumentChanged(*this);
}

QString Document::Name() const { return lock("Name")->name(); }

QString Document::FullName() const { return lock("FullName")->fullName(); }

bool Document::Saved() const { return lock("Saved")->saved(); }

void Document::Close()
{
    auto doc = lock("Close");
    engineOf(*doc)->closeDocument(doc);
}

std::shared_ptr<DocumentModel> Document::model() const { return lock("model"); }

} // namespace cad
