// The one-rod panel through the real window: "计算" against worked values, "绘图" into the drawing.
#include "rod_window.h"

#include "platform/automation/automation_error.h"

namespace {

using namespace rodtest;

class OneRodPanel : public RodWindow {
protected:
    void inputs(const char* h, const char* hx, int cls = 0, const char* scale = "1:500")
    {
        typeBoxes("txtOneRodIn", {h, hx, scale});
        setClass(2, cls);
    }
    void choose(bool ground, bool target, bool section) { tickBoxes("chkOneRodIn", {ground, target, section}); }
};

TEST_F(OneRodPanel, ComputesRadiiWarnsAndRefuses)
{
    struct Row {
        const char *h, *hx;
        int cls;
        Computation shown; // boxes: rx, r0
    };
    const Row rows[] = {
        {"24", "12", 0, {texts({"5.394", "29.394"}), "", true}},
        {"24", "12", 1, {texts({"9.205", "39.799"}), "", true}},
        {"24", "12", 2, {texts({"12.000", "48.000"}), "", true}},
        {"30", "12", 0, {texts({"6.000", "30.000"}), "", true}},
        {"100", "50", 0, {texts({"7.639", "30.000"}), "避雷针超过30米部分无效!", true}},
        {"60", "60", 0, {texts({"30.000", "30.000"}), "避雷针超过30米部分无效!", true}},
        {"24", "24", 0, {texts({"0.000", "29.394"}), "", true}},
        {"0", "0", 0, {texts({"0.000", "0.000"}), "", true}},
        {"100", "70", 0, {texts({"old", "old"}), "被保护物高度不应超过所选Hr的两倍!", false, 1}},
        // The check: the flag is left as it was.
        {"abc", "12", 0, {texts({"old", "old"}), "避雷针高度数值无效!", true, 0}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.h << " " << r.hx << " class " << r.cls);
        inputs(r.h, r.hx, r.cls);
        expectComputation("cmdOneRod", "txtOneRodIn", "txtOneRodOut", r.shown);
    }
    // "计算" never touches the drawing engine.
    EXPECT_TRUE(services::g_acadApp.isNothing());
}

TEST_F(OneRodPanel, ComboWithoutClassKeepsTheLastSphereRadius)
{
    state().m_sphereRadius = 45;
    inputs("24", "12");
    setClass(2, -1);
    press("cmdOneRod", 0);
    EXPECT_EQ(text("txtOneRodOut", 0), QStringLiteral("9.205"));
    EXPECT_EQ(state().m_sphereRadius, 45.0);
}

TEST_F(OneRodPanel, DrawsPlanCirclesAndSections)
{
    struct Row {
        const char* what;
        const char *h, *hx, *scale;
        bool ground, target, section;
        std::vector<cad::Point> points;
        QStringList prompts;
        std::vector<Expected> drawn; // relative to the last picked point of its kind, see below
    };
    const QString rodPrompt = QString::fromUtf8("指定避雷针平面安装位置: ");
    const QString sectionPrompt = QString::fromUtf8("指定剖面图位置: ");
    // Plan entities are given about the rod at (100, 200); sections about (500, 0).
    const std::vector<Row> rows = {
        {"defaults", "24", "12", "1:500", true, true, false, {{100, 200, 0}}, {rodPrompt},
         {circle(1, 100, 200, 58.788), circle(6, 100, 200, 10.788)}},
        {"target at rod height: no target circle", "24", "24", "1:500", true, true, false, {{100, 200, 0}}, {rodPrompt},
         {circle(1, 100, 200, 58.788)}},
        {"scale 1:1000", "24", "12", "1:1000", true, false, false, {{100, 200, 0}}, {rodPrompt},
         {circle(1, 100, 200, 29.394)}},
        {"section of a rod taller than Hr", "40", "12", "1:500", false, false, true, {{500, 0, 0}}, {sectionPrompt},
         {line(1, 500, 0, 500, 80), arc(1, 560, 60, 60, 500, 60, 560, 0), arc(1, 440, 60, 60, 440, 0, 500, 60),
          line(7, 440, 0, 560, 0), line(7, 440, 24, 560, 24)}},
        {"section of the defaults", "24", "12", "1:500", false, false, true, {{500, 0, 0}}, {sectionPrompt},
         {line(1, 500, 0, 500, 48), arc(1, 558.788, 60, 60, 500, 48, 558.788, 0),
          arc(1, 441.212, 60, 60, 441.212, 0, 500, 48), line(7, 441.212, 0, 558.788, 0),
          line(7, 441.212, 24, 558.788, 24)}},
        {"rod of height 0: lines of length 0, no arcs", "0", "0", "1:500", true, true, true, {{100, 200, 0}, {500, 0, 0}},
         {rodPrompt, sectionPrompt},
         {line(1, 500, 0, 500, 0), line(7, 500, 0, 500, 0), line(7, 500, 0, 500, 0)}},
        {"nothing ticked", "24", "12", "1:500", false, false, false, {}, {}, {}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        startDrawing();
        for (const cad::Point& p : r.points)
            picks->point(p);
        inputs(r.h, r.hx, 0, r.scale);
        choose(r.ground, r.target, r.section);
        press("cmdOneRod", 1);
        EXPECT_EQ(picks->prompts(), r.prompts);
        expectEntities(r.drawn);
        EXPECT_EQ(tip(), QString());
        // The normal end lets the engine go; it keeps running with its drawing.
        EXPECT_TRUE(services::g_acadApp.isNothing());
        if (r.section && r.h == std::string("40")) {
            EXPECT_EQ(state().m_height, 30.0);
        }
        saveForLooking(r.what);
        endEngine();
    }
}

TEST_F(OneRodPanel, PresetRodStandsAtPointOneAndClearsTheFlags)
{
    startDrawing();
    picks->point(500, 0);
    inputs("24", "12");
    choose(true, false, true);
    state().m_point1 = {10, 20, 0};
    state().m_presetThreeRod = true;
    press("cmdOneRod", 1);
    // No rod position is asked, the section position is.
    EXPECT_EQ(picks->prompts(), QStringList{QString::fromUtf8("指定剖面图位置: ")});
    const auto drawn = entities();
    ASSERT_EQ(drawn.size(), 6u);
    EXPECT_EQ(drawn[0].kind, EntityKind::Circle);
    EXPECT_NEAR(drawn[0].center[0], 10, 1e-9);
    EXPECT_NEAR(drawn[0].center[1], 20, 1e-9);
    EXPECT_FALSE(state().m_presetTwoRod || state().m_presetThreeRod || state().m_presetFourRod[0]);
    EXPECT_EQ(state().m_point1, (cad::Point{10, 20, 0}));

    // A refused computation in preset mode: nothing drawn, the flags cleared all the same.
    state().m_presetTwoRod = true;
    inputs("100", "70");
    press("cmdOneRod", 1);
    EXPECT_EQ(entities().size(), 6u);
    EXPECT_FALSE(state().m_presetTwoRod);

    // The section pick cancelled in a driven run: the circle stays, the flag is cleared, nothing is
    // released, and the main window keeps the cancel's word.
    inputs("24", "12");
    state().m_presetFourRod[0] = true;
    state().m_presetFourRod[1] = true; // the pair engine's own flag: neither read nor cleared here
    picks->cancel();
    press("cmdOneRod", 1);
    EXPECT_EQ(entities().size(), 7u);
    EXPECT_FALSE(state().m_presetFourRod[0]);
    EXPECT_TRUE(state().m_presetFourRod[1]);
    EXPECT_FALSE(services::g_acadApp.isNothing());
    EXPECT_EQ(tip(), tipOf("选点被取消。"));
}

TEST_F(OneRodPanel, ARefusedCircleEndsTheRun)
{
    // The ground circle refused: the target circle is not drawn after it, nor the section asked for.
    inputs("24", "12");
    choose(true, true, true);
    startDrawing();
    picks->point(100, 200);
    cad::faults().failNext(QStringLiteral("AddCircle"), automation::errors::InvalidProcedureCall);
    press("cmdOneRod", 1);
    EXPECT_TRUE(entities().empty());
    EXPECT_EQ(picks->prompts().size(), 1);
}

} // namespace

namespace {

// Answers every pick at one point; at the first it presses a drawing button of the main window, as an
// engineer who clicks the panel again while the drawing waits would.
class PressingWhileAsked : public cad::PointSource {
public:
    explicit PressingWhileAsked(std::function<void()> press) : m_press(std::move(press)) {}
    cad::Point getPoint(const cad::Document&, std::optional<cad::Point>, const QString& prompt) override
    {
        asked << prompt;
        if (asked.size() == 1)
            m_press();
        return {10, 10, 0};
    }
    QString getString(const cad::Document&, bool, const QString&) override { return {}; }
    QStringList asked;

private:
    std::function<void()> m_press;
};

TEST_F(OneRodPanel, APressWhileAPickWaitsStartsNoSecondCommand)
{
    inputs("24", "12");
    choose(true, true, false);
    startDrawing();
    auto source = std::make_shared<PressingWhileAsked>([this] { press("cmdOneRod", 1); });
    acad.engine()->setPointSource(source);
    press("cmdOneRod", 1);
    // One question, answered once: the second press ran nothing, so the first command kept its drawing.
    EXPECT_EQ(source->asked, QStringList{QString::fromUtf8("指定避雷针平面安装位置: ")});
    EXPECT_EQ(entities().size(), 2u);
    EXPECT_TRUE(services::g_acadApp.isNothing()); // its normal end released
}

} // namespace
