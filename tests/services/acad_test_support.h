// A stand-in main window and a drawing engine with a titled window, for the tests of the drawing services.
#pragma once

#include "platform/cad/application.h"
#include "platform/cad/engine.h"
#include "platform/cad/faults.h"
#include "platform/cad/point_source.h"
#include "services/acad_connection.h"
#include "services/acad_refs.h"
#include "services/control_registry.h"
#include "services/form.h"

#include <QApplication>
#include <QStringList>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace acadtest {

// Records every tip; its window is shown under the main window's caption so it can be brought back.
class TestForm : public services::Form {
public:
    TestForm()
    {
        m_window.setWindowTitle(caption());
        m_window.show();
    }
    services::FormState& state() override { return m_state; }
    services::ControlRegistry& controls() override { return m_controls; }
    void ShowMsg(const QString& msg) override { tips << msg; }
    QString caption() const override { return QStringLiteral("zoveduzo"); }
    QWidget* window() override { return &m_window; }
    void registerHandler(const QString&, Handler) override {}
    bool runHandler(const QString&, int) override { return false; }

    QString lastTip() const { return tips.isEmpty() ? QString() : tips.last(); }

    QStringList tips;

private:
    services::FormState m_state;
    services::ControlRegistry m_controls;
    QWidget m_window;
};

// Ends the running instance, if any, and lets its deferred deletions run.
inline void endRunningEngine()
{
    if (auto engine = cad::Engine::running())
        engine->end();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A drawing window for a started instance: a shown widget titled with the instance's caption.
inline void installTitledWindow()
{
    cad::setFrontEndFactory([](cad::Engine& engine) -> QObject* {
        auto* window = new QWidget;
        auto retitle = [window, &engine] { window->setWindowTitle(engine.caption()); };
        retitle();
        QObject::connect(&engine, &cad::Engine::documentActivated, window, retitle);
        window->show();
        return window;
    });
}

inline bool isActive(QWidget* window)
{
    QCoreApplication::processEvents();
    return QApplication::activeWindow() == window;
}

inline QWidget* topLevelTitled(const QString& title)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowTitle() == title)
            return w;
    return nullptr;
}

// Every test starts with no instance, no references, no pending faults, and a titled drawing window.
class EngineTest : public testing::Test {
protected:
    void SetUp() override
    {
        cad::faults().reset();
        services::ReleaseAcadObjects();
        endRunningEngine();
        installTitledWindow();
    }
    void TearDown() override
    {
        cad::faults().reset();
        services::ReleaseAcadObjects();
        endRunningEngine();
        cad::setFrontEndFactory({});
    }

    // A running instance with one empty drawing; the module references set as a command would.
    cad::Application startWithDrawing()
    {
        cad::Application app = cad::Application::CreateObject();
        app.Documents().Add();
        services::g_acadApp = app;
        services::g_modelSpace = app.ActiveDocument().ModelSpace();
        services::g_utility = app.ActiveDocument().Utility();
        return app;
    }

    // Answers for GetPoint, in place of the engineer.
    std::shared_ptr<cad::ScriptedPointSource> scriptPicks(const cad::Application& app)
    {
        auto source = std::make_shared<cad::ScriptedPointSource>();
        app.engine()->setPointSource(source);
        return source;
    }

    TestForm form;
};

} // namespace acadtest
