// The typed drawing panels' early ends, one table over the panels: a refused computation, a cancelled
// pick and a pick that fails otherwise each end the command without drawing past them.
#include "platform/automation/automation_error.h"
#include "support/drawing_window.h"

#include <cstdint>
#include <ostream>
#include <vector>

namespace {

// The panel as the window shows it: where it opens, its button, input boxes and class combo.
struct Panel {
    const char* name;
    int firstPanel;
    const char* menu; // nullptr: the window opens on the panel
    const char* button;
    const char* inputBoxes;
    int classCombo;    // set to the first class with every typing
    const char* ticks; // the check-box array ticked whole first, or nullptr
};

// A computation the panel refuses; no inputs: the panel is not given one here.
struct Refusal {
    std::vector<const char*> inputs;
    int element;
    const char* tip;
};

// A drawing whose first pick is cancelled; no inputs: the panel's defaults.
struct Cancel {
    std::vector<const char*> inputs;
    int element;
    bool computingReleases; // "计算" afterwards lets the kept references go
};

// A drawing whose pick fails other than by a cancel, after the picks answered before it.
struct Failure {
    int element;
    std::vector<cad::Point> answered;
    std::int32_t code;
    cad::Point stalePoint; // left over from an earlier pick
    std::size_t drawn;     // what the answered picks drew
};

struct EarlyEndPanel {
    Panel panel;
    Refusal refusal;
    Cancel cancel;
    Failure failure;
};

void PrintTo(const EarlyEndPanel& p, std::ostream* os) { *os << p.panel.name; }

const char* const kCancelled = "选点被取消。";
const std::int32_t kInvalidCall = automation::errors::InvalidProcedureCall;
const std::int32_t kFailed = static_cast<std::int32_t>(0x80004005);

const EarlyEndPanel kPanels[] = {
    // The rod pick answered, the section pick failing: the circles stay, no section at the earlier point.
    {{"OneRod", 3, nullptr, "cmdOneRod", "txtOneRodIn", 2, "chkOneRodIn"},
     {{"100", "70", "1:500"}, 1, "被保护物高度不应超过所选Hr的两倍!"},
     {{"24", "12", "1:500"}, 1, false},
     {1, {{100, 200, 0}}, kInvalidCall, {1000, 500, 0}, 2}},
    {{"TwoRod", 3, "mnuTwoRod", "cmdTwoRod", "txtTwoRodIn", 3, nullptr},
     {{"21", "24", "12", "60"}, 1, "避雷针间距过大,两针宜独立计算!"},
     {{"21", "24", "12", "35"}, 2, false},
     {3, {}, kInvalidCall, {1000, 500, 0}, 0}},
    {{"FourRod", 3, "mnuFourRod", "cmdFourRod", "txtFourRodIn", 4, nullptr},
     {{"21", "12", "60", "25", "1:500"}, 1, "避雷针间距过大,宜按单支或双支等高避雷针进行计算!"},
     {{"21", "12", "50", "25", "1:500"}, 2, true},
     {3, {}, kInvalidCall, {1000, 500, 0}, 0}},
    {{"OneStrip", 6, nullptr, "cmdOneStrip", "txtOneStripIn", 5, nullptr},
     {{}, 0, ""},
     {{}, 1, false},
     {3, {}, kFailed, {1000, 500, 0}, 0}},
    {{"TwoWire", 7, nullptr, "cmdTwoStrip", "txtTwoStripIn", 6, nullptr},
     {{"45", "35", "1", "60", "12"}, 1, "避雷线间距过大,两线宜独立计算!"},
     {{"45", "35", "1", "12", "12"}, 2, false},
     {1, {}, kFailed, {500, 500, 0}, 0}},
};

class TypedPanelEarlyEnds : public drawingtest::DrawingWindow, public testing::WithParamInterface<EarlyEndPanel> {
protected:
    TypedPanelEarlyEnds() : DrawingWindow(GetParam().panel.firstPanel) {}

    void SetUp() override
    {
        DrawingWindow::SetUp();
        if (GetParam().panel.menu)
            window->menuCommand(QString::fromUtf8(GetParam().panel.menu));
    }
    void enter(const std::vector<const char*>& values)
    {
        typeBoxes(GetParam().panel.inputBoxes, values);
        setClass(GetParam().panel.classCombo, 0);
    }
    void pressButton(int element) { press(GetParam().panel.button, element); }
};

TEST_P(TypedPanelEarlyEnds, EndWithoutDrawingFurtherAndKeepTheConnection)
{
    const auto& [panel, refusal, cancel, failure] = GetParam();
    if (panel.ticks)
        tickBoxes(panel.ticks, {true, true, true});

    // A refused computation: the drawing engine is not even contacted, the refusal's message stays.
    if (!refusal.inputs.empty()) {
        enter(refusal.inputs);
        pressButton(refusal.element);
        EXPECT_TRUE(services::g_acadApp.isNothing());
        EXPECT_EQ(cad::Engine::running(), nullptr);
        EXPECT_EQ(tip(), tipOf(refusal.tip));
    }

    // A cancelled pick: nothing drawn, the references kept for the next drawing.
    if (!cancel.inputs.empty())
        enter(cancel.inputs);
    startDrawing();
    picks->cancel();
    pressButton(cancel.element);
    EXPECT_TRUE(entities().empty());
    EXPECT_EQ(tip(), tipOf(kCancelled));
    EXPECT_FALSE(services::g_acadApp.isNothing());
    if (cancel.computingReleases) {
        pressButton(0);
        EXPECT_TRUE(services::g_acadApp.isNothing());
    }

    // A pick that fails other than by a cancel ends the command quietly: nothing is drawn at the point
    // left over from an earlier pick.
    state().m_pickedPoint = failure.stalePoint;
    for (const cad::Point& answer : failure.answered)
        picks->point(answer);
    picks->fail(failure.code);
    pressButton(failure.element);
    EXPECT_EQ(entities().size(), failure.drawn);
    EXPECT_EQ(tip(), QString());
    EXPECT_FALSE(services::g_acadApp.isNothing());
}

INSTANTIATE_TEST_SUITE_P(Panels, TypedPanelEarlyEnds, testing::ValuesIn(kPanels),
                         [](const testing::TestParamInfo<EarlyEndPanel>& info) {
                             return std::string(info.param.panel.name);
                         });

} // namespace
