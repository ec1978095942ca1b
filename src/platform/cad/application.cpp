// The members of application and documents references.
#include "platform/cad/application.h"

#include "platform/automation/automation_error.h"
#include "platform/cad/dxf/dxf_file.h"
#include "platform/cad/engine.h"
#include "platform/cad/faults.h"
#include "platform/cad/model/document_model.h"

#include <QFileInfo>

namespace cad {

using automation::AutomationError;
namespace errors = automation::errors;

namespace {

std::shared_ptr<Engine> lockEngine(const std::weak_ptr<Engine>& weak, bool set, const char* member)
{
    if (!set)
        throw AutomationError(errors::ObjectNotSet, QStringLiteral("%1 on nothing").arg(QLatin1String(member)));
    faults().check(member);
    auto engine = weak.lock();
    if (!engine || engine->hasEnded())
        throw AutomationError(errors::Disconnected, QStringLiteral("the drawing engine has ended"));
    return engine;
}

// Reads a drawing file into a fresh model; nothing of the engine changes when it fails.
std::shared_ptr<DocumentModel> readDrawing(Engine& engine, const QString& path)
{
    auto model = std::make_shared<DocumentModel>(nullptr);
    readDxfFile(path, *model);
    model->attach(&engine);
    return model;
}

} // namespace

// ---- documents

int Documents::Count() const { return static_cast<int>(lockEngine(m_engine, m_set, "Count")->documents().size()); }

Document Documents::Item(int index) const
{
    auto engine = lockEngine(m_engine, m_set, "Item");
    if (index < 0 || static_cast<std::size_t>(index) >= engine->documents().size())
        throw AutomationError(errors::SubscriptOutOfRange, QStringLiteral("no drawing at that index"));
    return Document::of(*engine->documents()[static_cast<std::size_t>(index)]);
}

Document Documents::Add(const QString& templatePath)
{
    auto engine = lockEngine(m_engine, m_set, "Add");
    std::shared_ptr<DocumentModel> model;
    if (templatePath.trimmed().isEmpty()) {
        model = std::make_shared<DocumentModel>(engine.get());
        model->setDefaultTables();
    } else {
        model = readDrawing(*engine, templatePath);
    }
    // A drawing from a template is new: it has no file of its own yet.
    // Named as what saving it writes: a DXF file.
    const QString name = QStringLiteral("Drawing%1.dxf").arg(engine->nextUntitledNumber());
    model->setFileName(QString(), name);
    model->setSaved(true);
    return Document::of(*engine->addDocument(std::move(model)));
}

Document Documents::Add() { return Add(QString()); }

Document Documents::Open(const QString& path)
{
    auto engine = lockEngine(m_engine, m_set, "Open");
    const QFileInfo info(path);
    const QString full = info.absoluteFilePath();
    for (const auto& doc : engine->documents()) {
        if (doc->fullName() == full) {
            engine->activate(doc);
            return Document::of(*doc);
        }
    }
    auto model = readDrawing(*engine, path);
    model->setFileName(full, info.fileName());
    model->setSaved(true);
    return Document::of(*engine->addDocument(std::move(model)));
}

// ---- application

bool Application::isAlive() const
{
    auto engine = m_engine.lock();
    return m_set && engine && !engine->hasEnded();
}

Application Application::GetObject()
{
    faults().check("GetObject");
    auto engine = Engine::running();
    if (!engine)
        throw AutomationError(errors::CannotCreateObject, QStringLiteral("no drawing engine is running"));
    return engine->application();
}

Application Application::CreateObject()
{
    faults().check("CreateObject");
    return Engine::start()->application();
}

bool Application::Visible() const { return lockEngine(m_engine, m_set, "Visible")->visible(); }

void Application::setVisible(bool visible) { lockEngine(m_engine, m_set, "Visible")->setVisible(visible); }

QString Application::Caption() const { return lockEngine(m_engine, m_set, "Caption")->caption(); }

cad::Documents Application::Documents() const { return cad::Documents(lockEngine(m_engine, m_set, "Documents")); }

Document Application::ActiveDocument() const
{
    auto engine = lockEngine(m_engine, m_set, "ActiveDocument");
    auto doc = engine->activeDocument();
    if (!doc)
        throw AutomationError(errors::NoActiveDocument, QStringLiteral("no drawing is open"));
    return Document::of(*doc);
}

void Application::setActiveDocument(const Document& document)
{
    auto engine = lockEngine(m_engine, m_set, "ActiveDocument");
    auto doc = document.model();
    if (engineOf(*doc) != engine.get())
        throw AutomationError(errors::InvalidInput, QStringLiteral("the drawing belongs to another instance"));
    engine->activate(doc);
}

void Application::Update() { lockEngine(m_engine, m_set, "Update")->requestUpdate(); }

void Application::Quit() { lockEngine(m_engine, m_set, "Quit")->end(); }

std::shared_ptr<Engine> Application::engine() const { return lockEngine(m_engine, m_set, "engine"); }

} // namespace cad
