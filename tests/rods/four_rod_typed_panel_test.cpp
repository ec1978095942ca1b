// The typed four-rod panel through the real window: worked values, refusals, both plans, the three sections.
#include "rod_window.h"

#include "platform/cad/geometry/geometry_transform.h"

namespace {

using namespace rodtest;

class FourRodPanel : public RodWindow {
protected:
    void SetUp() override
    {
        RodWindow::SetUp();
        window->menuCommand(QStringLiteral("mnuFourRod"));
    }
    void inputs(const char* h, const char* hx, const char* a, const char* b, const char* scale = "1:500", int cls = 0)
    {
        typeBoxes("txtFourRodIn", {h, hx, a, b, scale});
        setClass(4, cls);
    }
    // Draws with one pick at (1000, 500).
    void drawAt(int element)
    {
        startDrawing();
        picks->point(1000, 500);
        press("cmdFourRod", element);
    }
};

TEST_F(FourRodPanel, ComputesTheValuesOrRefuses)
{
    const char* spacing = "避雷针间距过大,宜按单支或双支等高避雷针进行计算!";
    const char* targetHigh = "被保护物高度不应超过所选Hr的两倍!";
    struct Row {
        const char *h, *hx, *a, *b;
        Computation shown; // boxes: rx, r0, h0, long/short distance, long/short height
    };
    const Row rows[] = {
        {"21", "12", "50", "25", {texts({"4.618", "28.618", "1.897", "24.775", "11.287", "14.980", "4.101"}), "", true}},
        {"21", "12", "40", "40", {texts({"4.618", "28.618", "1.000", "19.688", "19.688", "8.364", "8.364"}), "", true}},
        // Rods above Hr are taken as Hr tall.
        {"40", "12", "50", "25", {texts({"6.000", "30.000", "10.897", "23.343", "5.535", "22.053", "11.412"}), "", true}},
        {"70", "60", "50", "25", {texts({"30.000", "30.000", "10.897", "23.343", "5.535", "22.053", "11.412"}), "", true}},
        {"21", "21", "50", "25", {texts({"0.000", "28.618", "1.897", "24.775", "11.287", "14.980", "4.101"}), "", true}},
        // The short-axis section of this rectangle is two arcs meeting on the centre line: its highest
        // point is that meeting, 0.000 from the centre and 6.852 high.
        {"15", "12", "40", "5", {texts({"1.981", "25.981", "7.220", "19.974", "0.000", "14.837", "6.852"}), "", true}},
        // Rods as tall as Hr on a narrow rectangle: a section top is Hr, never NaN.
        {"30", "10", "8", "1", {texts({"7.639", "30.000", "29.728", "3.996", "0.233", "30.000", "29.729"}), "", true}},
        {"21", "12", "60", "25", {texts({"old", "old", "old", "old", "old", "old", "old"}), spacing, false, 2}},
        // The target test comes after the section values are shown.
        {"70", "65", "50", "25", {texts({"old", "old", "10.897", "23.343", "5.535", "22.053", "11.412"}), targetHigh, false, 1}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.h << " " << r.hx << " " << r.a << " " << r.b);
        inputs(r.h, r.hx, r.a, r.b);
        expectComputation("cmdFourRod", "txtFourRodIn", "txtFourRodOut", r.shown);
        EXPECT_EQ(text("txtFourRodIn", 0), QString::fromUtf8(r.h)); // the box keeps what was typed
    }
}

TEST_F(FourRodPanel, DrawsTheGroundOutline)
{
    inputs("21", "12", "50", "25");
    drawAt(1);
    EXPECT_EQ(picks->prompts(), QStringList{QString::fromUtf8("指定左下侧避雷针平面安装位置: ")});
    expectEntities({arc(1, 0, 0, 57.236, -51.488, 25, 50, -27.857), arc(1, 100, 0, 57.236, 50, -27.857, 151.488, 25),
                    arc(1, 100, 50, 57.236, 151.488, 25, 50, 77.857), arc(1, 0, 50, 57.236, 50, 77.857, -51.488, 25)},
                   1000, 500);
    EXPECT_TRUE(services::g_acadApp.isNothing()); // the normal end releases
    saveForLooking("four rods ground");
}

TEST_F(FourRodPanel, DrawsTheTargetOutlineCutAtTheHole)
{
    inputs("21", "12", "50", "25");
    drawAt(2);
    // Four rx arcs, the east and west inner arcs whole, the south and north arcs in two pieces each,
    // and the hole circle's east and west stretches in its place.
    const double s = 48;       // (r0 − rx) at 1:500
    const double hole = 44.904;
    expectEntities({arc(6, 0, 0, 9.236, -8.308, 4.034, 8.068, -4.495), arc(6, 100, 0, 9.236, 91.932, -4.495, 108.308, 4.034),
                    arc(6, 100, 50, 9.236, 108.308, 45.966, 91.932, 54.495), arc(6, 0, 50, 9.236, 8.068, 54.495, -8.308, 45.966),
                    arc(6, 151.488, 25, s, 108.308, 45.966, 108.308, 4.034), arc(6, -51.488, 25, s, -8.308, 4.034, -8.308, 45.966),
                    arc(6, 50, -27.857, s, 11.864, 1.292, 8.068, -4.495), arc(6, 50, -27.857, s, 91.932, -4.495, 88.136, 1.292),
                    arc(6, 50, 77.857, s, 88.136, 48.708, 91.932, 54.495), arc(6, 50, 77.857, s, 8.068, 54.495, 11.864, 48.708),
                    arc(6, 50, 25, hole, 88.136, 1.292, 88.136, 48.708), arc(6, 50, 25, hole, 11.864, 48.708, 11.864, 1.292)},
                   1000, 500, 0.003);
    EXPECT_TRUE(services::g_acadApp.isNothing());
    saveForLooking("four rods target height");
}

// Nothing protected at the target height: nothing is drawn and the tip line says so.
TEST_F(FourRodPanel, NoTargetOutlineWhereNothingIsProtected)
{
    struct Row {
        const char* name;
        const char *h, *hx, *a, *b, *scale;
        int cls;
    };
    const Row rows[] = {
        {"hx = h", "9.16", "9.16", "11.07", "1.91", "1:2500", 2},
        {"hx = h, defaults", "21", "21", "50", "25", "1:500", 0},
        // Rods above Hr are Hr tall; at hx above Hr the hole takes in all that is left about the rods.
        {"hx above Hr", "40", "35", "30", "20", "1:500", 0},
        // hx = h0 + Hr: each rx circle touches the hole from inside, at the one point farthest out;
        // with rx rounded up it reaches a quarter of a millimetre past the hole, and that is no zone.
        {"rx circles touching the hole", "80", "80", "80", "80", "1:500", 2},
        {"rx circles touching the hole, rx rounded up", "40", "40", "40", "40", "1:500", 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        inputs(r.h, r.hx, r.a, r.b, r.scale, r.cls);
        drawAt(2);
        EXPECT_TRUE(entities().empty());
        EXPECT_EQ(tip(), tipOf("目标高度无保护范围!"));
        EXPECT_TRUE(services::g_acadApp.isNothing()); // a normal end
        endEngine();
    }
}

// rx reads 0.000 (hx 0.15 m below rods Hr tall) but the centre is protected (h0 29.896 m above hx):
// the region between the rods, bounded by the four inner arcs of radius r0 running from rod to rod.
TEST_F(FourRodPanel, RegionBetweenTheRodsWhereRxReadsZero)
{
    inputs("30", "29.85", "4", "3");
    drawAt(2);
    EXPECT_EQ(text("txtFourRodOut", 0), QStringLiteral("0.000"));
    EXPECT_EQ(tip(), QString());
    const double c1 = 2 * std::sqrt(900 - 1.5 * 1.5), c2 = 2 * std::sqrt(900 - 2.0 * 2.0); // at 1:500
    expectEntities({arc(6, 4, -c2, 60, 8, 0, 0, 0), arc(6, 8 + c1, 3, 60, 8, 6, 8, 0), arc(6, 4, 6 + c2, 60, 0, 6, 8, 6),
                    arc(6, -c1, 3, 60, 0, 0, 0, 6)},
                   1000, 500);
    EXPECT_TRUE(services::g_acadApp.isNothing());
}

// A target height above Hr where a little is left about each rod: four small loops, each of an rx arc
// and pieces of an inner arc and of the hole circle; nothing of the hole circle away from the rods.
TEST_F(FourRodPanel, AboveHrOnlyTheLoopsAboutTheRodsAreDrawn)
{
    inputs("70", "45", "50", "25");
    drawAt(2);
    EXPECT_EQ(tip(), QString());
    const auto got = entities();
    ASSERT_EQ(got.size(), 12u);
    const double hole = 2 * 29.718; // Rh at 1:500, about the centre (1050, 525)
    int holePieces = 0;
    for (const cad::EntityData& e : got) {
        EXPECT_EQ(e.kind, EntityKind::Arc);
        EXPECT_EQ(e.color, 6);
        if (std::abs(e.center[0] - 1050) < 1e-6 && std::abs(e.center[1] - 525) < 1e-6) {
            ++holePieces;
            EXPECT_NEAR(e.radius, hole, 0.01);
            EXPECT_LT(cad::geom::arcSweep(e.startAngle, e.endAngle), 0.3); // a short stretch by a rod (0.26)
        }
    }
    EXPECT_EQ(holePieces, 4);
    saveForLooking("four rods target height above Hr");
}

TEST_F(FourRodPanel, TargetOutlineAtGroundLevel)
{
    // hx = 0: the rx arcs repeat the ground outline; the inner arcs have no radius and are not drawn.
    inputs("21", "0", "50", "25");
    drawAt(2);
    expectEntities({arc(6, 0, 0, 57.236, -51.488, 25, 50, -27.857), arc(6, 100, 0, 57.236, 50, -27.857, 151.488, 25),
                    arc(6, 100, 50, 57.236, 151.488, 25, 50, 77.857), arc(6, 0, 50, 57.236, 50, 77.857, -51.488, 25)},
                   1000, 500);
}

TEST_F(FourRodPanel, DrawsTheThreeSectionsWithTitles)
{
    struct Row {
        const char* scale;
        double k;
        double o2, o3; // x of the long-axis and short-axis origins
    };
    for (const Row& r : {Row{"1:500", 2, 1270.527, 1499.872}, Row{"1:1000", 1, 1160.264, 1299.936}}) {
        SCOPED_TRACE(r.scale);
        inputs("21", "12", "50", "25", r.scale);
        drawAt(3);
        EXPECT_EQ(picks->prompts(), QStringList{QString::fromUtf8("指定剖面图位置: ")});
        const auto got = entities();
        ASSERT_EQ(got.size(), 24u); // three views of seven entities and a title each
        const QString titles[3] = {QString::fromUtf8("对角线剖面"), QString::fromUtf8("长对称轴剖面"),
                                   QString::fromUtf8("短对称轴剖面")};
        const double origins[3] = {1000, r.o2, r.o3};
        for (int v = 0; v < 3; ++v) {
            const cad::EntityData& t = got[8 * v + 7];
            EXPECT_EQ(t.kind, EntityKind::Text);
            EXPECT_EQ(t.text, titles[v]);
            EXPECT_NEAR(t.insertion[0], origins[v], 0.001);
            EXPECT_EQ(t.insertion[1], 500);
            EXPECT_EQ(t.height, 2);
            EXPECT_EQ(t.widthFactor, 0.8);
            EXPECT_EQ(t.color, 3);
            EXPECT_NEAR(got[8 * v].start[0], origins[v], 0.001); // the first rod line stands at the origin
            EXPECT_NEAR(got[8 * v].end[1], 500 + 21 * r.k, 0.001);
        }
        // The diagonal view's middle arc, and its ground line with the gap of 50 to the next view's.
        EXPECT_NEAR(got[4].center[0], 1000 + 27.951 * r.k, 0.001);
        EXPECT_NEAR(got[4].center[1], 500 + 31.897 * r.k, 0.001);
        EXPECT_NEAR(got[4].radius, 30 * r.k, 1e-9);
        EXPECT_NEAR(got[8 + 5].start[0] - got[5].end[0], 50, 0.001);
        EXPECT_NEAR(got[16 + 5].start[0] - got[8 + 5].end[0], 50, 0.001);
        EXPECT_EQ(state().m_pickedPoint[0], got[16 + 7].insertion[0]);
        EXPECT_TRUE(services::g_acadApp.isNothing());
        saveForLooking(r.k == 2 ? "four rods sections 1-500" : "four rods sections 1-1000");
        endEngine();
    }
}

// The short-axis view with two arcs: they meet where the boxes put the highest point.
TEST_F(FourRodPanel, ShortAxisTopAgreesWithTheDrawnSection)
{
    inputs("15", "12", "40", "5");
    drawAt(3);
    const auto got = entities();
    ASSERT_EQ(got.size(), 23u); // the short-axis view has no middle arc
    const cad::EntityData& left = got[18];
    const cad::EntityData& right = got[19];
    ASSERT_EQ(left.kind, EntityKind::Arc);
    ASSERT_EQ(right.kind, EntityKind::Arc);
    const double meetX = left.center[0] + left.radius * std::cos(left.endAngle);
    const double meetY = left.center[1] + left.radius * std::sin(left.endAngle);
    EXPECT_NEAR(meetX, right.center[0] + right.radius * std::cos(right.startAngle), 0.001);
    const double shortOrigin = got[16].start[0];
    EXPECT_NEAR(meetX - shortOrigin, 2.5 * 2, 0.001); // on the centre line
    EXPECT_EQ(text("txtFourRodOut", 4), QStringLiteral("0.000"));
    EXPECT_EQ(text("txtFourRodOut", 6), QString::number((meetY - 500) / 2, 'f', 3));
}

// A refused title or line leaves the entity before it as it was and the drawing goes on; a failure
// after the last arc ends the command without releasing.
TEST_F(FourRodPanel, RefusedEntitiesChangeNothingElse)
{
    inputs("21", "12", "50", "25");
    startDrawing();
    picks->point(1000, 500);
    cad::faults().failNext(QStringLiteral("AddLine"), 0x80004005);
    cad::faults().failAlways(QStringLiteral("AddText"), 0x80004005);
    press("cmdFourRod", 3);
    const auto got = entities();
    ASSERT_EQ(got.size(), 20u); // the first rod line and the three titles are missing
    EXPECT_EQ(got[0].kind, EntityKind::Line);
    EXPECT_EQ(got[0].color, 1);
    for (const std::size_t beforeTitle : {5u, 12u, 19u}) {
        EXPECT_EQ(got[beforeTitle].kind, EntityKind::Line);
        EXPECT_EQ(got[beforeTitle].color, 7); // the target line keeps its own colour
        EXPECT_EQ(got[beforeTitle].widthFactor, 1.0);
    }
    EXPECT_FALSE(services::g_acadApp.isNothing());
}

} // namespace
