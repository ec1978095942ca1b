// A running engine with one empty drawing and a scripted point source, ended after each test.
#pragma once

#include "platform/automation/automation_error.h"
#include "platform/cad/application.h"
#include "platform/cad/engine.h"
#include "platform/cad/faults.h"
#include "platform/cad/point_source.h"

#include <gtest/gtest.h>
#include <memory>

namespace errors = automation::errors;

class EngineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        cad::faults().reset();
        app = cad::Application::CreateObject();
        doc = app.Documents().Add();
        ms = doc.ModelSpace();
        source = std::make_shared<cad::ScriptedPointSource>();
        app.engine()->setPointSource(source);
    }

    void TearDown() override
    {
        if (app.isAlive())
            app.Quit();
        cad::faults().reset();
    }

    cad::Application app;
    cad::Document doc;
    cad::ModelSpace ms;
    std::shared_ptr<cad::ScriptedPointSource> source;
};

// A drawing of about 12 KB: larger than the file size limits the save tests set, smaller than a
// write buffer.
inline void addRods(cad::ModelSpace ms)
{
    for (int i = 0; i < 40; ++i)
        ms.AddLine({i * 1.25, 0, 0}, {i * 1.25, 100.5, 0});
}

// Expects `statement` to throw AutomationError with the number `expected`.
#define EXPECT_AUTOMATION_ERROR(statement, expected)                                              \
    do {                                                                                        \
        try {                                                                                   \
            statement;                                                                          \
            ADD_FAILURE() << #statement " did not fail";                                        \
        } catch (const automation::AutomationError& e_) {                                       \
            EXPECT_EQ(e_.number(), (expected)) << #statement << ": " << e_.description().toStdString(); \
        }                                                                                       \
    } while (0)
