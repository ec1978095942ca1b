// The running instance, handles, erased and ended references, fault injection and the front-end hook.
#include "engine_fixture.h"

#include "platform/automation/errors_resumed.h"
#include "platform/cad/model/document_model.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSignalSpy>
#include <set>

using namespace cad;


namespace {

TEST(EngineInstance, AttachFindsOnlyARunningInstance)
{
    faults().reset();
    EXPECT_AUTOMATION_ERROR(Application::GetObject(), errors::CannotCreateObject);
    Application started = Application::CreateObject();
    Application attached = Application::GetObject();
    EXPECT_EQ(attached.engine(), started.engine());
    EXPECT_EQ(attached.Documents().Count(), 0);
    EXPECT_AUTOMATION_ERROR(attached.ActiveDocument(), errors::NoActiveDocument);
    started.setVisible(true);
    EXPECT_TRUE(attached.Visible());
    EXPECT_TRUE(attached.Caption().startsWith(engineCaption()));
    attached.Quit();
    EXPECT_AUTOMATION_ERROR(Application::GetObject(), errors::CannotCreateObject);
    EXPECT_AUTOMATION_ERROR(started.Caption(), errors::Disconnected);
}

TEST(EngineInstance, NothingFailsWithObjectNotSet)
{
    EXPECT_AUTOMATION_ERROR(Application().Caption(), errors::ObjectNotSet);
    EXPECT_AUTOMATION_ERROR(Document().ModelSpace(), errors::ObjectNotSet);
    EXPECT_AUTOMATION_ERROR(ModelSpace().AddLine({0, 0, 0}, {1, 1, 0}), errors::ObjectNotSet);
    EXPECT_AUTOMATION_ERROR(Utility().GetPoint(std::nullopt, QString()), errors::ObjectNotSet);
    EXPECT_AUTOMATION_ERROR(Entity().Handle(), errors::ObjectNotSet);
    EXPECT_TRUE(Entity().isNothing());
}

TEST_F(EngineTest, HandlesAreHexadecimalUniqueAndNeverReused)
{
    std::set<QString> seen;
    Entity last;
    for (int i = 0; i < 50; ++i) {
        last = ms.AddLine({0, 0, 0}, {double(i), 1, 0});
        const QString h = last.Handle();
        bool ok = false;
        h.toULongLong(&ok, 16);
        EXPECT_TRUE(ok) << h.toStdString();
        EXPECT_TRUE(seen.insert(h).second);
    }
    const QString erased = last.Handle();
    last.Erase();
    Entity next = ms.AddLine({0, 0, 0}, {1, 1, 0});
    EXPECT_NE(next.Handle(), erased);
    EXPECT_GT(next.Handle().toULongLong(nullptr, 16), erased.toULongLong(nullptr, 16));
}

TEST_F(EngineTest, HandleToObjectFindsOnlyLiveEntities)
{
    Entity arc = ms.AddArc({0, 0, 0}, 1, 0, 1);
    Entity found = doc.HandleToObject(arc.Handle());
    EXPECT_EQ(found, arc);
    found.setColor(3);
    EXPECT_EQ(arc.Color(), 3);
    EXPECT_EQ(doc.HandleToObject(arc.Handle().toLower()), arc);
    for (const QString& bad : {QStringLiteral("-1"), QStringLiteral(""), QStringLiteral("FFFFFF"), QStringLiteral("xyz")})
        EXPECT_AUTOMATION_ERROR(doc.HandleToObject(bad), errors::KeyNotFound);
    const QString h = arc.Handle();
    arc.Erase();
    EXPECT_AUTOMATION_ERROR(doc.HandleToObject(h), errors::KeyNotFound);
}

TEST_F(EngineTest, ErasedEntitiesFailAndEraseTwiceFails)
{
    Entity line = ms.AddLine({0, 0, 0}, {1, 0, 0});
    Entity alias = doc.HandleToObject(line.Handle());
    line.Erase();
    EXPECT_FALSE(alias.isAlive());
    EXPECT_AUTOMATION_ERROR(alias.Erase(), errors::ObjectErased);
    EXPECT_AUTOMATION_ERROR(line.Handle(), errors::ObjectErased);
    EXPECT_AUTOMATION_ERROR(line.setVisible(true), errors::ObjectErased);
    EXPECT_EQ(ms.Count(), 0);
}

TEST_F(EngineTest, EveryReferenceFailsOnceTheInstanceEnds)
{
    Entity line = ms.AddLine({0, 0, 0}, {1, 0, 0});
    Utility utility = doc.Utility();
    Viewport viewport = doc.ActiveViewport();
    Documents documents = app.Documents();
    QSignalSpy ended(app.engine().get(), &Engine::ended);
    Application other = Application::GetObject();
    other.Quit();
    EXPECT_EQ(ended.count(), 1);
    EXPECT_FALSE(app.isAlive());
    EXPECT_AUTOMATION_ERROR(app.Caption(), errors::Disconnected);
    EXPECT_AUTOMATION_ERROR(app.Update(), errors::Disconnected);
    EXPECT_AUTOMATION_ERROR(documents.Count(), errors::Disconnected);
    EXPECT_AUTOMATION_ERROR(doc.ModelSpace(), errors::Disconnected);
    EXPECT_AUTOMATION_ERROR(ms.AddLine({0, 0, 0}, {1, 1, 0}), errors::Disconnected);
    EXPECT_AUTOMATION_ERROR(utility.GetPoint(std::nullopt, QStringLiteral("p")), errors::Disconnected);
    EXPECT_AUTOMATION_ERROR(viewport.setOrthoOn(false), errors::Disconnected);
    EXPECT_AUTOMATION_ERROR(line.Color(), errors::Disconnected);
    EXPECT_AUTOMATION_ERROR(line.Erase(), errors::Disconnected);
    // A new instance does not revive the old references.
    Application fresh = Application::CreateObject();
    fresh.Documents().Add();
    EXPECT_AUTOMATION_ERROR(line.Color(), errors::Disconnected);
    fresh.Quit();
}

TEST_F(EngineTest, ClosingADocumentDisconnectsItsReferences)
{
    Entity line = ms.AddLine({0, 0, 0}, {1, 0, 0});
    Document second = app.Documents().Add();
    EXPECT_EQ(app.ActiveDocument(), second);
    second.Close();
    EXPECT_EQ(app.Documents().Count(), 1);
    EXPECT_EQ(app.ActiveDocument(), doc);
    doc.Close();
    EXPECT_AUTOMATION_ERROR(line.Color(), errors::Disconnected);
    EXPECT_AUTOMATION_ERROR(app.ActiveDocument(), errors::NoActiveDocument);
}

TEST_F(EngineTest, VariablesAndViewport)
{
    doc.ActiveViewport().setOrthoOn(true);
    EXPECT_TRUE(doc.ActiveViewport().OrthoOn());
    doc.ActiveViewport().setOrthoOn(false);
    doc.SetVariable(QStringLiteral("OSMODE"), 7);
    EXPECT_EQ(doc.GetVariable(QStringLiteral("osmode")).toInt(), 7);
    EXPECT_EQ(doc.GetVariable(QStringLiteral("ORTHOMODE")).toInt(), 0);
    EXPECT_AUTOMATION_ERROR(doc.SetVariable(QStringLiteral("OSMODE"), -1), errors::InvalidInput);
    EXPECT_AUTOMATION_ERROR(doc.SetVariable(QStringLiteral("NOSUCHVAR"), 1), errors::InvalidInput);
    EXPECT_AUTOMATION_ERROR(doc.GetVariable(QStringLiteral("NOSUCHVAR")), errors::InvalidInput);
}

TEST_F(EngineTest, InjectedFaultsFailTheNextCallOnly)
{
    faults().failNext(QStringLiteral("AddArc"), errors::InvalidInput);
    EXPECT_AUTOMATION_ERROR(ms.AddArc({0, 0, 0}, 1, 0, 1), errors::InvalidInput);
    Entity arc = ms.AddArc({0, 0, 0}, 1, 0, 1);

    // The arc-drawing steps run with errors resumed: a failed Color leaves ArcNotDrawn pending.
    faults().failNext(QStringLiteral("Color"), errors::ArcNotDrawn);
    automation::ErrObject err;
    automation::resume(err, [&] { arc.setVisible(false); });
    automation::resume(err, [&] { arc.setColor(1); });
    automation::resume(err, [&] { arc.Update(); });
    EXPECT_EQ(err.number(), -2145386368);
    EXPECT_EQ(arc.Color(), kColorByLayer);
    EXPECT_FALSE(arc.Visible());

    faults().failNext(QStringLiteral("Handle"), errors::ArcNotDrawn);
    faults().failNext(QStringLiteral("Handle"), errors::InvalidInput);
    EXPECT_AUTOMATION_ERROR(arc.Handle(), errors::ArcNotDrawn);
    EXPECT_AUTOMATION_ERROR(arc.Handle(), errors::InvalidInput);
    EXPECT_NO_THROW(arc.Handle());
}

TEST_F(EngineTest, SignalsTellTheWindowWhatChanged)
{
    auto engine = app.engine();
    QSignalSpy added(engine.get(), &Engine::entityAdded);
    QSignalSpy changed(engine.get(), &Engine::entityChanged);
    QSignalSpy erased(engine.get(), &Engine::entityErased);
    QSignalSpy update(engine.get(), &Engine::updateRequested);
    Entity line = ms.AddLine({0, 0, 0}, {1, 0, 0});
    line.setColor(2);
    line.Erase();
    doc.Application().Update();
    EXPECT_EQ(added.count(), 1);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(erased.count(), 1);
    EXPECT_EQ(update.count(), 1);
    EXPECT_EQ(added.at(0).at(1).value<Entity>(), line);
}

TEST(EngineInstance, FrontEndIsMadeAtStartAndEndsTheInstanceSafely)
{
    // The front end ends the instance from inside one of its own handlers, as a window's close does.
    struct FrontEnd : QObject {
        Engine* engine = nullptr;
        void close() { engine->end(); }
    };
    QPointer<FrontEnd> made;
    setFrontEndFactory([&](Engine& engine) {
        auto* f = new FrontEnd;
        f->engine = &engine;
        made = f;
        return f;
    });
    Application app = Application::CreateObject();
    setFrontEndFactory({});
    ASSERT_FALSE(made.isNull());
    Entity line = app.Documents().Add().ModelSpace().AddLine({0, 0, 0}, {1, 1, 0});
    made->close();
    EXPECT_FALSE(made.isNull());   // deleted later, not under its own feet
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(made.isNull());
    EXPECT_AUTOMATION_ERROR(line.Handle(), errors::Disconnected);
    EXPECT_AUTOMATION_ERROR(Application::GetObject(), errors::CannotCreateObject);
}

TEST(EngineInstance, AFailingFrontEndMeansTheInstanceCannotStart)
{
    setFrontEndFactory([](Engine&) -> QObject* { throw std::runtime_error("no display"); });
    EXPECT_AUTOMATION_ERROR(Application::CreateObject(), errors::CannotCreateObject);
    setFrontEndFactory({});
    EXPECT_AUTOMATION_ERROR(Application::GetObject(), errors::CannotCreateObject);
}

} // namespace
