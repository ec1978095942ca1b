// The typed drawing panels' early ends, one table over the panels: a refused computation, a cancelled
// pick and a pick that fails otherwise each end the command without drawing past them.
#include "platform/automation/automation_error.h"
#include "support/drawing_window.h"

#include <cstdint>
#include <vector>

namespace {

// What one panel types and presses through its early ends.
struct EarlyEndPanel {
    const char* name; // the test's name
    int firstPanel;
    const char* menu; // the panel's menu command, or nullptr when the window opens on it
    const char* button;
    const char* inputBoxes;
    int classCombo;                   // set to the first class with every typing
    const char* ticks;                // the check-box array ticked whole first, or nullptr
    std::vector<const char*> refused; // inputs the computation refuses; empty: no refusal here
    int refusedElement;
    const char* refusal;
    std::vector<const char*> drawable; // inputs that draw; empty: the panel's defaults
    int cancelledElement;
    bool computingReleases; // "计算" after the cancel lets the kept references go
    int failedElement;
    std::vector<cad::Point> answeredBeforeFailing;
    std::int32_t failure;
    cad::Point stalePoint;          // left over from an earlier pick
    std::size_t drawnBeforeFailing; // what the answered picks drew
};

void PrintTo(const EarlyEndPanel& p, std::ostream* os) { *os << p.name; }

const char* const kCancelled = "选点被取消。";

const EarlyEndPanel kPanels[] = {
    {"OneRod",
     3,
     nullptr,
     "cmdOneRod",
     "txtOneRodIn",
     2,
     "chkOneRodIn",
     {"100", "70", "1:500"},
     1,
     "被保护物高度不应超过所选Hr的两倍!",
     {"24", "12", "1:500"},
     1,
     false,
     // The rod pick answered, the section pick failing: the circles stay, no section at the earlier point.
     1,
     {{100, 200, 0}},
     automation::errors::InvalidProcedureCall,
     {1000, 500, 0},
     2},
    {"TwoRod",
     3,
     "mnuTwoRod",
     "cmdTwoRod",
     "txtTwoRodIn",
     3,
     nullptr,
     {"21", "24", "12", "60"},
     1,
     "避雷针间距过大,两针宜独立计算!",
     {"21", "24", "12", "35"},
     2,
     false,
     3,
     {},
     automation::errors::InvalidProcedureCall,
     {1000, 500, 0},
     0},
    {"FourRod",
     3,
     "mnuFourRod",
     "cmdFourRod",
     "txtFourRodIn",
     4,
     nullptr,
     {"21", "12", "60", "25", "1:500"},
     1,
     "避雷针间距过大,宜按单支或双支等高避雷针进行计算!",
     {"21", "12", "50", "25", "1:500"},
     2,
     true,
     3,
     {},
     automation::errors::InvalidProcedureCall,
     {1000, 500, 0},
     0},
    {"OneStrip",
     6,
     nullptr,
     "cmdOneStrip",
     "txtOneStripIn",
     5,
     nullptr,
     {},
     0,
     "",
     {},
     1,
     false,
     3,
     {},
     static_cast<std::int32_t>(0x80004005),
     {1000, 500, 0},
     0},
    {"TwoWire",
     7,
     nullptr,
     "cmdTwoStrip",
     "txtTwoStripIn",
     6,
     nullptr,
     {"45", "35", "1", "60", "12"},
     1,
     "避雷线间距过大,两线宜独立计算!",
     {"45", "35", "1", "12", "12"},
     2,
     false,
     1,
     {},
     static_cast<std::int32_t>(0x80004005),
     {500, 500, 0},
     0},
};

class TypedPanelEarlyEnds : public drawingtest::DrawingWindow, public testing::WithParamInterface<EarlyEndPanel> {
protected:
    TypedPanelEarlyEnds() : DrawingWindow(GetParam().firstPanel) {}

    void SetUp() override
    {
        DrawingWindow::SetUp();
        if (GetParam().menu)
            window->menuCommand(QString::fromUtf8(GetParam().menu));
    }
    void enter(const std::vector<const char*>& values)
    {
        typeBoxes(GetParam().inputBoxes, values);
        setClass(GetParam().classCombo, 0);
    }
    void pressButton(int element) { press(GetParam().button, element); }
};

TEST_P(TypedPanelEarlyEnds, EndWithoutDrawingFurtherAndKeepTheConnection)
{
    const EarlyEndPanel& p = GetParam();
    if (p.ticks)
        tickBoxes(p.ticks, {true, true, true});

    // A refused computation: the drawing engine is not even contacted, the refusal's message stays.
    if (!p.refused.empty()) {
        enter(p.refused);
        pressButton(p.refusedElement);
        EXPECT_TRUE(services::g_acadApp.isNothing());
        EXPECT_EQ(cad::Engine::running(), nullptr);
        EXPECT_EQ(tip(), tipOf(p.refusal));
    }

    // A cancelled pick: nothing drawn, the references kept for the next drawing.
    if (!p.drawable.empty())
        enter(p.drawable);
    startDrawing();
    picks->cancel();
    pressButton(p.cancelledElement);
    EXPECT_TRUE(entities().empty());
    EXPECT_EQ(tip(), tipOf(kCancelled));
    EXPECT_FALSE(services::g_acadApp.isNothing());
    if (p.computingReleases) {
        pressButton(0);
        EXPECT_TRUE(services::g_acadApp.isNothing());
    }

    // A pick that fails other than by a cancel ends the command quietly: nothing is drawn at the point
    // left over from an earlier pick.
    state().m_pickedPoint = p.stalePoint;
    for (const cad::Point& answer : p.answeredBeforeFailing)
        picks->point(answer);
    picks->fail(p.failure);
    pressButton(p.failedElement);
    EXPECT_EQ(entities().size(), p.drawnBeforeFailing);
    EXPECT_EQ(tip(), QString());
    EXPECT_FALSE(services::g_acadApp.isNothing());
}

INSTANTIATE_TEST_SUITE_P(Panels, TypedPanelEarlyEnds, testing::ValuesIn(kPanels),
                         [](const testing::TestParamInfo<EarlyEndPanel>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
