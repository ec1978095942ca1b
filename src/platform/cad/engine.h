// The running drawing engine: one instance per process, its documents, its signals for the drawing window.
#pragma once

#include "platform/cad/application.h"
#include "platform/cad/document.h"
#include "platform/cad/entity.h"
#include "platform/cad/model/document_listener.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

namespace cad {

class DocumentModel;
class PointSource;

// The instance. Held by the process-wide registry through a shared pointer; references hold weak
// pointers, so they fail cleanly (Disconnected) once it has ended. Everything runs on the GUI thread.
// It listens to its documents and passes their changes on as signals.
//
// A drawing window plugs in without changes here: install a FrontEndFactory (setFrontEndFactory)
// that makes the window for the engine it is given; the window reads each drawing through
// Document::model() (forEach, entitiesIn, nearestEntity, snapPoint, tables()), follows the
// signals below, installs its interactive PointSource with setPointSource, titles itself with
// caption() (the text the program activates it by), and calls end() when the user closes it.
class Engine : public QObject, public DocumentListener {
    Q_OBJECT
public:
    ~Engine() override;

    // The running instance, or null.
    static std::shared_ptr<Engine> running();
    // Starts the instance (fails with CannotCreateObject without a GUI application); the front end
    // factory, when installed, is called to make its window.
    static std::shared_ptr<Engine> start();

    Application application();
    // A shared pointer to this instance (null once destroyed), to keep it alive through a wait.
    std::shared_ptr<Engine> self() const { return m_self.lock(); }
    bool hasEnded() const { return m_ended; }
    // Ends the instance: documents close, references fail, ended() is emitted, the registry lets go.
    // Safe to call from the front end's own event handlers (the front end is deleted later).
    void end();

    bool visible() const { return m_visible; }
    void setVisible(bool visible);
    QString caption() const;

    // Documents in the order they were added; the active one is where new entities go.
    const std::vector<std::shared_ptr<DocumentModel>>& documents() const { return m_documents; }
    std::shared_ptr<DocumentModel> activeDocument() const;
    void activate(const std::shared_ptr<DocumentModel>& document);
    std::shared_ptr<DocumentModel> addDocument(std::shared_ptr<DocumentModel> document);
    void closeDocument(const std::shared_ptr<DocumentModel>& document);

    // Where GetPoint and GetString take their answers; none installed: picks fail with PickInterrupted.
    void setPointSource(std::shared_ptr<PointSource> source);
    std::shared_ptr<PointSource> pointSource() const { return m_pointSource; }

    // Asks the front end to redraw (Application.Update).
    void requestUpdate();

    // Called by its documents when their contents change.
    void entityAddedTo(DocumentModel& document, std::uint64_t handle) override;
    void entityChangedIn(DocumentModel& document, std::uint64_t handle) override;
    void entityErasedFrom(DocumentModel& document, std::uint64_t handle) override;
    void notifyDocumentChanged(const Document& document) { emit documentChanged(document); }

signals:
    void documentAdded(const cad::Document& document);
    void documentClosed(const cad::Document& document);
    void documentActivated(const cad::Document& document);
    // A drawing replaced wholesale, renamed or saved.
    void documentChanged(const cad::Document& document);
    void entityAdded(const cad::Document& document, const cad::Entity& entity);
    void entityChanged(const cad::Document& document, const cad::Entity& entity);
    void entityErased(const cad::Document& document, const cad::Entity& entity);
    void visibleChanged(bool visible);
    void updateRequested();
    void ended();

private:
    Engine();
    std::weak_ptr<Engine> m_self;
    std::vector<std::shared_ptr<DocumentModel>> m_documents;
    std::shared_ptr<DocumentModel> m_active;
    std::shared_ptr<PointSource> m_pointSource;
    QObject* m_frontEnd = nullptr;
    bool m_visible = false;
    bool m_ended = false;
    int m_untitled = 0;

public:
    // Numbering of new untitled drawings ("Drawing1.dxf", ...).
    int nextUntitledNumber() { return ++m_untitled; }
};

// Makes the front end (the drawing window) of a newly started instance. It returns a QObject that
// the engine deletes (later) when the instance ends; it ends the instance with engine.end().
using FrontEndFactory = std::function<QObject*(Engine& engine)>;
void setFrontEndFactory(FrontEndFactory factory);

// The instance a document belongs to, or null once it is closed or its instance has ended.
Engine* engineOf(const DocumentModel& document);

// The caption of the engine's window, by which the program brings it to the front.
QString engineCaption();

} // namespace cad
