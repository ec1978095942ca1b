// The typed two-wire panel through the real window: the values and their stops, the plans and the sections.
#include "two_wire_expected.h"

namespace {

using namespace drawingtest;
using namespace twowiretest;

class TwoWirePanel : public DrawingWindow {
protected:
    TwoWirePanel() : DrawingWindow(7) {}

    void inputs(const char* h, const char* l, const char* sag, const char* d, const char* hx, int cls = 0)
    {
        typeBoxes("txtTwoStripIn", {h, l, sag, d, hx});
        setClass(6, cls);
    }
};

TEST_F(TwoWirePanel, ComputesTheZoneOrStops)
{
    const QStringList old = texts({"old", "old", "old", "old", "old"});
    struct Row {
        const char *h, *sag, *d, *hx;
        int cls;
        Computation shown; // boxes: bx, bo, h0, shift, minimum width
    };
    const Row rows[] = {
        {"45", "1", "12", "12", 0, {texts({"2.533", "26.533", "43.394", "-2.550", "2.533"}), "", true}},
        {"45", "1", "12", "12", 1, {texts({"14.395", "44.989", "43.598", "0.391", "6.000"}), "", true}},
        {"45", "1", "12", "12", 2, {texts({"21.827", "57.827", "43.699", "0.228", "6.000"}), "", true}},
        {"54", "0", "30", "30", 0, {texts({"-12.000", "18.000", "49.981", "-3.603", "3.000"}), "", true}},
        {"45", "1", "12", "44", 0, {old, "被保护物的高度超过了避雷线的高度!", false, 4}},
        {"1", "2", "12", "0", 0, {old, "被保护物的高度超过了避雷线的高度!", false, 4}},
        {"61", "1", "12", "12", 0, {texts({"0.000", "0.000", "0.000", "0.000", "0.000"}),
         "避雷线高度超过保护半径的两倍,无保护范围!", false}},
        {"45", "1", "60", "12", 0, {old, "避雷线间距过大,两线宜独立计算!", false, 3}},
        {"54", "0", "24", "12", 0, {old, "避雷线间距过小,将形成空间防雷盲点,从而降低保护范围最低点的高度!", false, 3}},
        {"20", "0", "56.6", "12", 0, {old, "避雷线间距过大,两线宜独立计算!", false, 3}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.h << " " << r.sag << " " << r.d << " " << r.hx << " class " << r.cls);
        inputs(r.h, "35", r.sag, r.d, r.hx, r.cls);
        expectComputation("cmdTwoStrip", "txtTwoStripIn", "txtTwoStripOut", r.shown);
    }
}

TEST_F(TwoWirePanel, DrawsThePlansAndTheSections)
{
    const double px = 1000, py = 500;
    const QString wirePrompt = QString::fromUtf8("指定一根避雷线一端的平面安装位置: ");
    const QString sectionPrompt = QString::fromUtf8("指定剖面图位置: ");
    struct Row {
        const char* what;
        int element;
        QString prompt;
        std::vector<Expected> drawn;
    };
    const std::vector<Row> rows = {
        {"ground plan", 1, wirePrompt, groundPlan()},
        {"sections", 3, sectionPrompt, sections()},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        startDrawing();
        picks->point(px, py);
        inputs("45", "35", "1", "12", "12");
        press("cmdTwoStrip", r.element);
        EXPECT_EQ(picks->prompts(), QStringList{r.prompt});
        expectEntities(r.drawn, px, py);
        EXPECT_TRUE(services::g_acadApp.isNothing());
        saveForLooking(r.what);
        endEngine();
    }
}

TEST_F(TwoWirePanel, MidlineSectionStartsAtTheCrossingNearerTheLevelLinesStart)
{
    // Hr 30, h' 31, D 58: the level line at h0 = 8.681 cuts the sphere beyond the end twice, at x = −13.426
    // and 28.788; the boundary starts from the first, nearer the line's start (−Hr, h0).
    startDrawing();
    picks->point(0, 0);
    inputs("31", "35", "0", "58", "5");
    press("cmdTwoStrip", 3);
    const auto drawn = entities();
    ASSERT_EQ(drawn.size(), 11u);
    const cad::EntityData& a = drawn[7];
    ASSERT_EQ(a.kind, EntityKind::Arc);
    const double m = 2 * (std::sqrt(31.0 * 29.0) + 58 + 50); // the mid-line section's origin
    EXPECT_NEAR(a.center[0], m + 15.362, 0.002);
    EXPECT_NEAR(a.center[0] + a.radius * std::cos(a.startAngle), m - 26.852, 0.002);
    EXPECT_NEAR(a.center[1] + a.radius * std::sin(a.startAngle), 17.362, 0.002);
    EXPECT_NEAR(a.center[0] + a.radius * std::cos(a.endAngle), m + 15.362, 0.002);
    EXPECT_NEAR(a.center[1] + a.radius * std::sin(a.endAngle), 0, 0.002);
}

TEST_F(TwoWirePanel, DrawsEachTargetOutline)
{
    for (const TargetForm& r : targetForms()) {
        SCOPED_TRACE(r.what);
        startDrawing();
        picks->point(1000, 500);
        inputs(r.h, "35", r.sag, r.d, r.hx);
        press("cmdTwoStrip", 2);
        expectTargetForm(entities(), r);
        EXPECT_EQ(tip(), tipOf(r.tip));
        EXPECT_TRUE(services::g_acadApp.isNothing());
        saveForLooking(r.what);
        endEngine();
    }
}

TEST_F(TwoWirePanel, DrawsWhatIsProtectedWhereTheEndCirclesMissTheSides)
{
    for (const CappedCase& r : cappedCases()) {
        SCOPED_TRACE(r.what);
        startDrawing();
        picks->point(1000, 500);
        inputs(r.h, r.length, "0", r.d, r.hx);
        press("cmdTwoStrip", 2);
        expectCappedOutline(entities(), r);
        EXPECT_EQ(tip(), tipOf(r.tip));
        EXPECT_TRUE(services::g_acadApp.isNothing());
        saveForLooking(r.what);
        endEngine();
    }
}

TEST_F(TwoWirePanel, ATargetAtTheThresholdDrawsTheJoinedOutline)
{
    for (const ThresholdCase& r : thresholdCases()) {
        SCOPED_TRACE(r.what);
        startDrawing();
        picks->point(1000, 500);
        inputs(r.h, "35", r.sag, r.d, r.hx, r.cls);
        press("cmdTwoStrip", 2);
        expectThresholdOutline(entities(), r);
        EXPECT_EQ(tip(), QString());
        EXPECT_TRUE(services::g_acadApp.isNothing());
        saveForLooking(r.what);
        endEngine();
    }
}

TEST_F(TwoWirePanel, WiresAtTheSphereRadiusProtectNoWidthAHairBelowThem)
{
    // h' = Hr = 30 with wires a millimetre apart and hx 0.1 micrometre below them (h0 just above hx):
    // bx rounds to 0, nothing is drawn and the tip line says so.
    startDrawing();
    picks->point(1000, 500);
    inputs("30", "35", "0", "0.001", "29.9999999");
    press("cmdTwoStrip", 2);
    EXPECT_EQ(text("txtTwoStripOut", 0), QStringLiteral("0.000"));
    EXPECT_TRUE(entities().empty());
    EXPECT_EQ(tip(), tipOf("目标高度无保护范围!"));
    EXPECT_TRUE(services::g_acadApp.isNothing());
}

TEST_F(TwoWirePanel, EndsWithoutReleaseWhereNothingFollows)
{
    // Low wires with hx exactly h0 (h' 20, D 36: h0 = 14): nothing to draw, no message, no release.
    startDrawing();
    picks->point(0, 0);
    inputs("20", "35", "0", "36", "14");
    press("cmdTwoStrip", 2);
    EXPECT_TRUE(entities().empty());
    EXPECT_EQ(tip(), QString());
    EXPECT_FALSE(services::g_acadApp.isNothing());

    // No sphere rests between the wires (Hr 45, h' 81, D 60): the cross-section and the message only.
    services::ReleaseAcadObjects();
    picks->point(0, 0);
    inputs("81", "35", "0", "60", "12", 1);
    press("cmdTwoStrip", 3);
    EXPECT_EQ(entities().size(), 7u);
    EXPECT_EQ(tip(), tipOf("避雷线过高或保护半径过小,将形成空间防雷盲点,从而降低保护范围最高点的宽度!"));
    EXPECT_FALSE(services::g_acadApp.isNothing());
}

} // namespace
