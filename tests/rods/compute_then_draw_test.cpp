// The typed panels' button protocol: no drawing without a computation of the same click.
#include "rod_window.h"

#include "platform/automation/automation_error.h"
#include "services/compute_then_draw.h"

namespace {

using namespace rodtest;

class ComputeThenDraw : public RodWindow {
protected:
    enum class Compute { Done, Refused, Throws };

    void SetUp() override
    {
        RodWindow::SetUp();
        window->registerHandler(QStringLiteral("cmdProbe_Click"), [this](int index) { click(index); });
    }

    void click(int index)
    {
        services::RunTypedButton(*window, index,
                                 {QStringLiteral("cmdProbe_Click"), 4, true, [this] { ++checks; return checkPasses; },
                                  [this] {
                                      ++computes;
                                      if (compute == Compute::Throws)
                                          throw automation::AutomationError(automation::errors::InvalidProcedureCall);
                                      return compute == Compute::Done;
                                  },
                                  [this](int index, automation::ErrObject&) {
                                      drawn.push_back(index);
                                      colourAtDraw = state().m_color;
                                      return normalEnd;
                                  },
                                  beforeConnect, releaseAfterCompute});
    }

    bool checkPasses = true;
    Compute compute = Compute::Done;
    bool normalEnd = true;
    int checks = 0, computes = 0;
    std::vector<int> drawn;
    short colourAtDraw = 0;
    std::function<bool(int)> beforeConnect;
    bool releaseAfterCompute = false;
};

TEST_F(ComputeThenDraw, DrawsOnlyOnAComputationOfTheSameClick)
{
    startDrawing();
    struct Row {
        const char* what;
        bool check;
        Compute compute;
        int index;
        bool computedAfter;
        bool draws;
    };
    const Row rows[] = {
        {"compute", true, Compute::Done, 0, true, false},
        {"compute refused", true, Compute::Refused, 0, false, false},
        {"a failing step leaves the flag down", true, Compute::Throws, 0, false, false},
        {"draw", true, Compute::Done, 2, true, true},
        {"draw on a refused computation", true, Compute::Refused, 1, false, false},
        {"draw on a failing computation", true, Compute::Throws, 3, false, false},
        {"no such element", true, Compute::Done, 4, true, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        state().m_computed = true; // a stale flag of another panel
        checkPasses = r.check;
        compute = r.compute;
        drawn.clear();
        click(r.index);
        EXPECT_EQ(state().m_computed, r.computedAfter);
        EXPECT_EQ(drawn, r.draws ? std::vector<int>{r.index} : std::vector<int>{});
    }
}

TEST_F(ComputeThenDraw, ChecksTwiceColoursAndReleasesOnlyAtTheNormalEnd)
{
    startDrawing();
    window->ShowMsg(QStringLiteral("old!"));
    click(2);
    EXPECT_EQ(checks, 2); // once for the drawing element, once for its computation
    EXPECT_EQ(computes, 1);
    EXPECT_EQ(colourAtDraw, 6);
    EXPECT_TRUE(services::g_acadApp.isNothing());

    normalEnd = false;
    click(3);
    EXPECT_EQ(colourAtDraw, 1);
    EXPECT_FALSE(services::g_acadApp.isNothing());

    // A failed check: nothing else runs, the tip line keeps the check's word, the flag stays.
    checkPasses = false;
    state().m_computed = true;
    window->ShowMsg(QStringLiteral("bad!"));
    click(1);
    EXPECT_EQ(computes, 2);
    EXPECT_TRUE(state().m_computed);
    EXPECT_EQ(tip(), tipOf("bad!"));
}

TEST_F(ComputeThenDraw, TheHookBetweenComputeAndConnectRefusesWithNothingConnected)
{
    startDrawing();
    std::vector<int> asked;
    beforeConnect = [&](int index) {
        asked.push_back(index);
        EXPECT_TRUE(state().m_computed) << "the hook runs on the computation of the same click";
        EXPECT_TRUE(services::g_acadApp.isNothing()) << "and before the connection";
        if (index == 2) {
            window->ShowMsg(QStringLiteral("目标高度无保护范围!"));
            return false;
        }
        return true;
    };
    click(2);
    EXPECT_TRUE(drawn.empty());
    EXPECT_TRUE(services::g_acadApp.isNothing()) << "nothing was connected for a refusal";
    EXPECT_EQ(tip(), tipOf("目标高度无保护范围!"));

    compute = Compute::Refused;
    click(3);
    EXPECT_EQ(asked, std::vector<int>{2}) << "no hook without a computation";

    compute = Compute::Done;
    normalEnd = false;
    click(3);
    EXPECT_EQ(asked, (std::vector<int>{2, 3}));
    EXPECT_EQ(drawn, std::vector<int>{3});
}

TEST_F(ComputeThenDraw, ComputeReleasesTheDrawingOnlyWhenAskedAndOnlyAtItsNormalEnd)
{
    startDrawing();
    services::g_acadApp = acad; // left connected by an earlier drawing command
    services::g_modelSpace = doc.ModelSpace();
    click(0);
    EXPECT_FALSE(services::g_acadApp.isNothing());

    releaseAfterCompute = true;
    compute = Compute::Refused;
    click(0);
    EXPECT_FALSE(services::g_acadApp.isNothing()) << "an early end keeps the references";

    compute = Compute::Done;
    click(0);
    EXPECT_TRUE(services::g_acadApp.isNothing());
    EXPECT_TRUE(services::g_modelSpace.isNothing());
}

} // namespace
