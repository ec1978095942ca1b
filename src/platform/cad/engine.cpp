// The running instance: the process-wide registry, documents, the front end hook and the end of it all.
#include "platform/cad/engine.h"

#include "platform/automation/automation_error.h"
#include "platform/cad/model/document_model.h"
#include "platform/cad/point_source.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <algorithm>

namespace cad {

using automation::AutomationError;
namespace errors = automation::errors;

namespace {
std::shared_ptr<Engine>& registry()
{
    static std::shared_ptr<Engine> running;
    return running;
}

FrontEndFactory& frontEndFactory()
{
    static FrontEndFactory factory;
    return factory;
}
} // namespace

void setFrontEndFactory(FrontEndFactory factory) { frontEndFactory() = std::move(factory); }

QString engineCaption() { return QStringLiteral("RIDE 图形"); }

Engine::Engine() = default;

Engine::~Engine()
{
    for (auto& doc : m_documents)
        doc->detach();
    delete m_frontEnd;
}

std::shared_ptr<Engine> Engine::running()
{
    auto& r = registry();
    if (r && r->hasEnded())
        r.reset();
    return r;
}

std::shared_ptr<Engine> Engine::start()
{
    if (auto engine = running())
        return engine;
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        throw AutomationError(errors::CannotCreateObject, QStringLiteral("the drawing engine needs a GUI application"));
    // Deleted later: the last reference may go away inside a handler of its own window.
    std::shared_ptr<Engine> engine(new Engine, [](Engine* e) {
        if (QCoreApplication::instance())
            e->deleteLater();
        else
            delete e;
    });
    engine->m_self = engine;
    registry() = engine;
    // An instance still running when the application goes away ends first, so that nothing of it
    // (its window above all) is destroyed after the application object.
    static bool routineAdded = false;
    if (!routineAdded) {
        routineAdded = true;
        qAddPostRoutine([] {
            if (auto running = registry()) {
                running->end();
                registry().reset();
            }
        });
    }
    if (auto& factory = frontEndFactory()) {
        try {
            engine->m_frontEnd = factory(*engine);
        } catch (...) {
            registry().reset();
            engine->m_ended = true;
            throw AutomationError(errors::CannotCreateObject, QStringLiteral("the drawing window could not be made"));
        }
    }
    return engine;
}

Application Engine::application() { return Application(m_self); }

void Engine::end()
{
    if (m_ended)
        return;
    auto keep = m_self.lock();   // this object outlives the call even when the registry lets go
    m_ended = true;
    const auto documents = m_documents;
    for (auto& doc : documents)
        doc->detach();
    m_active.reset();
    m_pointSource.reset();
    emit ended();
    if (registry().get() == this)
        registry().reset();
    if (m_frontEnd) {
        m_frontEnd->deleteLater();
        m_frontEnd = nullptr;
    }
}

void Engine::setVisible(bool visible)
{
    if (m_visible == visible)
        return;
    m_visible = visible;
    emit visibleChanged(visible);
}

QString Engine::caption() const
{
    if (m_active && !m_active->name().isEmpty())
        return engineCaption() + QStringLiteral(" - [") + m_active->name() + QLatin1Char(']');
    return engineCaption();
}

std::shared_ptr<DocumentModel> Engine::activeDocument() const { return m_active; }

void Engine::activate(const std::shared_ptr<DocumentModel>& document)
{
    if (!document || m_active == document)
        return;
    m_active = document;
    emit documentActivated(Document::of(*document));
}

std::shared_ptr<DocumentModel> Engine::addDocument(std::shared_ptr<DocumentModel> document)
{
    document->attach(this);
    m_documents.push_back(document);
    emit documentAdded(Document::of(*document));
    activate(document);
    return document;
}

void Engine::closeDocument(const std::shared_ptr<DocumentModel>& document)
{
    auto it = std::find(m_documents.begin(), m_documents.end(), document);
    if (it == m_documents.end())
        return;
    const Document ref = Document::of(*document);
    m_documents.erase(it);
    emit documentClosed(ref);
    document->detach();
    if (m_active == document) {
        m_active.reset();
        if (!m_documents.empty())
            activate(m_documents.back());
    }
}

void Engine::entityAddedTo(DocumentModel& document, std::uint64_t handle)
{
    emit entityAdded(Document::of(document), Entity::of(document, handle));
}

void Engine::entityChangedIn(DocumentModel& document, std::uint64_t handle)
{
    emit entityChanged(Document::of(document), Entity::of(document, handle));
}

void Engine::entityErasedFrom(DocumentModel& document, std::uint64_t handle)
{
    emit entityErased(Document::of(document), Entity::of(document, handle));
}

Engine* engineOf(const DocumentModel& document) { return dynamic_cast<Engine*>(document.listener()); }

void Engine::setPointSource(std::shared_ptr<PointSource> source) { m_pointSource = std::move(source); }

void Engine::requestUpdate() { emit updateRequested(); }

} // namespace cad
