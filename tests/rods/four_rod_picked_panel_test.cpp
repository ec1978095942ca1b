// The picked four-rod panel through the real window: picks, values, routing, its own outlines and the unions.
#include "four_rod_region.h"
#include "outline_checks.h"
#include "rod_window.h"

#include <cmath>

namespace {

using namespace rodtest;

class FourRodPicked : public RodWindow {
protected:
    void SetUp() override
    {
        RodWindow::SetUp();
        window->menuCommand(QStringLiteral("mnuFourRodPicked"));
    }
    void inputs(const char* h, const char* hx, const char* scale = "1:500", int cls = 0)
    {
        typeBoxes("txtFourRodPickedIn", {h, hx, scale});
        setClass(8, cls);
    }
    void choose(bool ground, bool target, bool section) { tickBoxes("chkFourRodPickedIn", {ground, target, section}); }
    // The three picks: rod 1, the rod next to it, a point on the line of the other two.
    void pickRods(cad::Point a, cad::Point b, cad::Point c)
    {
        for (const cad::Point& p : {a, b, c})
            picks->point(p[0], p[1]);
        press("cmdFourRodPicked", 0);
    }
    int count(short colour, bool visible)
    {
        int n = 0;
        for (const cad::EntityData& e : entities())
            n += e.color == colour && e.visible == visible ? 1 : 0;
        return n;
    }
    // Nothing of the run is left hidden in the drawing.
    void expectAllShown()
    {
        for (const cad::EntityData& e : entities())
            EXPECT_TRUE(e.visible) << e.handle;
    }
};

TEST_F(FourRodPicked, ShowsTheValuesAndDrawsItsOwnGroundOutlineAlongThePicks)
{
    inputs("21", "12");
    choose(true, false, false);
    startDrawing();
    pickRods({0, 0, 0}, {100, 0, 0}, {30, 50, 0}); // a = 50 m, b = 25 m at 1:500
    EXPECT_EQ(picks->prompts(), texts({"指定一支避雷针的平面安装位置: ", "指定相邻避雷针的平面安装位置: ",
                                       "指定另两支避雷针连线上的一点: "}));
    EXPECT_EQ(boxTexts("txtFourRodPickedOut"),
              texts({"4.618", "28.618", "1.897", "24.775", "11.287", "14.980", "4.101"}));
    expectEntities({arc(1, 0, 0, 57.236, -51.488, 25, 50, -27.857), arc(1, 100, 0, 57.236, 50, -27.857, 151.488, 25),
                    arc(1, 100, 50, 57.236, 151.488, 25, 50, 77.857), arc(1, 0, 50, 57.236, 50, 77.857, -51.488, 25)},
                   0, 0, 0.003);
    EXPECT_TRUE(services::g_acadApp.isNothing()); // the normal end releases
}

TEST_F(FourRodPicked, TurnsTheOutlineOntoThePickedDirection)
{
    inputs("21", "12");
    choose(true, true, false);
    startDrawing();
    // Rod 2 straight above rod 1 and the third point on its left: the frame is turned by 90 degrees.
    pickRods({0, 0, 0}, {0, 100, 0}, {-50, 30, 0});
    const auto got = entities();
    ASSERT_GE(got.size(), 4u);
    const cad::EntityData& g = got[0];
    EXPECT_NEAR(g.center[0], 0, 1e-6);
    EXPECT_NEAR(g.radius * std::cos(g.startAngle), -25, 0.003); // W (-51.488, 25) turned
    EXPECT_NEAR(g.radius * std::sin(g.startAngle), -51.488, 0.003);
    EXPECT_NEAR(g.radius * std::cos(g.endAngle), 27.857, 0.003); // S (50, -27.857) turned
    EXPECT_NEAR(g.radius * std::sin(g.endAngle), 50, 0.003);
    // The hole at the target height is told; everything drawn is shown in place.
    EXPECT_EQ(tip(), tipOf("四针间距较大, 目标中心存在防雷盲区!"));
    EXPECT_EQ(count(1, true), 4);
    EXPECT_GE(count(6, true), 8);
    expectAllShown();
    saveForLooking("four rods picked turned");
}

TEST_F(FourRodPicked, RoutesLayoutsItsOwnFormulasDoNotCover)
{
    struct Row {
        const char* name;
        cad::Point a, b, c;
        const char* tip;
        int groundArcs; // visible colour-1 arcs the route leaves
    };
    const Row rows[] = {
        {"all picks on one spot", {10, 10, 0}, {10, 10, 0}, {10, 10, 0}, "四针重叠, 已按单针计算!", 0},
        {"third point on the first side", {0, 0, 0}, {100, 0, 0}, {150, 0, 0}, "针位重叠, 已按双针计算!", 2},
        {"blind centre, both sides short", {0, 0, 0}, {100, 0, 0}, {0, 80, 0}, "四针间距较大, 地面中心存在防雷盲区!", 8},
        {"one side long", {0, 0, 0}, {120, 0, 0}, {0, 50, 0}, "有两针间距较大, 已按双针计算!", 4},
        {"both sides long", {0, 0, 0}, {120, 0, 0}, {0, 120, 0}, "四针间距均较大, 已按单针计算!", 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        inputs("21", "12");
        choose(true, true, false);
        startDrawing();
        pickRods(r.a, r.b, r.c);
        EXPECT_EQ(tip(), tipOf(r.tip));
        for (int i = 2; i < 7; ++i)
            EXPECT_EQ(text("txtFourRodPickedOut", i), QString()) << "box " << i;
        int arcs = 0;
        for (const cad::EntityData& e : entities())
            arcs += e.kind == EntityKind::Arc && e.color == 1 ? 1 : 0;
        EXPECT_EQ(arcs, r.groundArcs);
        EXPECT_GT(entities().size(), 0u);
        expectAllShown();
        saveForLooking(r.name);
        endEngine();
    }
}

TEST_F(FourRodPicked, TheBlindCentreUnionReplacesThePairArcsAndLeavesEarlierDrawingAlone)
{
    inputs("21", "12");
    choose(true, true, false);
    startDrawing();
    cad::ModelSpace ms = doc.ModelSpace();
    const QString earlierLine = ms.AddLine({-500, -500, 0}, {-400, -500, 0}).Handle();
    const QString earlierCircle = ms.AddCircle({-500, -500, 0}, 20).Handle();
    pickRods({0, 0, 0}, {100, 0, 0}, {0, 80, 0}); // a = 50 m, b = 40 m: d = 64 m > 2 r0

    EXPECT_TRUE(doc.HandleToObject(earlierLine).isAlive());
    EXPECT_TRUE(doc.HandleToObject(earlierCircle).isAlive());
    // Eight ground arcs about the four rods: outer ones round the corners, inner ones round the blind centre.
    std::vector<cad::EntityData> ground;
    for (const cad::EntityData& e : entities())
        if (e.kind == EntityKind::Arc && e.color == 1)
            ground.push_back(e);
    ASSERT_EQ(ground.size(), 8u);
    const double corners[4][2] = {{0, 0}, {100, 0}, {0, 80}, {100, 80}};
    for (int i = 0; i < 8; ++i) {
        // The pairs keep r0 unrounded and turn their frames by the drawing's own right angle.
        EXPECT_NEAR(ground[i].center[0], corners[i / 2][0], 1e-4);
        EXPECT_NEAR(ground[i].center[1], corners[i / 2][1], 1e-4);
        EXPECT_NEAR(ground[i].radius, 57.236, 0.001);
    }
    // The inner arc of rod 1 runs from the bottom side's inner crossing to the left side's.
    const double r0 = std::sqrt(21.0 * 39.0);
    const double wa = 2 * std::sqrt(r0 * r0 - 25.0 * 25.0);
    const double wb = 2 * std::sqrt(r0 * r0 - 20.0 * 20.0);
    EXPECT_NEAR(2 * r0 * std::cos(ground[1].startAngle), 50, 0.001);
    EXPECT_NEAR(2 * r0 * std::sin(ground[1].startAngle), wa, 0.001);
    EXPECT_NEAR(2 * r0 * std::cos(ground[1].endAngle), wb, 0.001);
    EXPECT_NEAR(2 * r0 * std::sin(ground[1].endAngle), 40, 0.001);
    // At the target height both side groups are split: per rod an outer and an inner rx arc, and
    // every waist piece of the four sides.
    int rxArcs = 0, waistArcs = 0;
    for (const cad::EntityData& e : entities())
        if (e.kind == EntityKind::Arc && e.color == 6)
            ++(std::abs(e.radius - 2 * 4.618) < 0.01 ? rxArcs : waistArcs);
    EXPECT_EQ(rxArcs, 8);
    EXPECT_EQ(waistArcs, 16);
    EXPECT_EQ(tip(), tipOf("四针间距较大, 地面中心存在防雷盲区!"));
    expectAllShown();
    saveForLooking("four rods picked blind centre");
}

TEST_F(FourRodPicked, AtGroundLevelTheUnionsTargetOutlineIsItsGroundOutline)
{
    // hx 0: rx equals r0 and the waist arcs have no radius, yet the target-height range is asked for.
    inputs("21", "0");
    choose(true, true, false);
    startDrawing();
    pickRods({0, 0, 0}, {100, 0, 0}, {0, 80, 0}); // the blind centre union
    std::vector<cad::EntityData> ground, target;
    for (const cad::EntityData& e : entities())
        if (e.kind == EntityKind::Arc)
            (e.color == 1 ? ground : target).push_back(e);
    ASSERT_EQ(ground.size(), 8u);
    ASSERT_EQ(target.size(), ground.size());
    for (std::size_t i = 0; i < ground.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(target[i].center[0], ground[i].center[0], 1e-4);
        EXPECT_NEAR(target[i].center[1], ground[i].center[1], 1e-4);
        EXPECT_NEAR(target[i].radius, ground[i].radius, 1e-4);
        EXPECT_NEAR(target[i].startAngle, ground[i].startAngle, 1e-4);
        EXPECT_NEAR(target[i].endAngle, ground[i].endAngle, 1e-4);
    }
    expectAllShown();
}

TEST_F(FourRodPicked, DrawsTheThreeTitledSections)
{
    inputs("21", "12");
    choose(false, false, true);
    startDrawing();
    picks->point(0, 0).point(100, 0).point(30, 50).point(1000, 500);
    press("cmdFourRodPicked", 0);
    std::vector<QString> titles;
    for (const cad::EntityData& e : entities())
        if (e.kind == EntityKind::Text) {
            titles.push_back(e.text);
            EXPECT_EQ(e.color, 3);
            EXPECT_EQ(e.widthFactor, 0.8);
        }
    EXPECT_EQ(titles, (std::vector<QString>{QString::fromUtf8("对角线剖面"), QString::fromUtf8("长对称轴剖面"),
                                            QString::fromUtf8("短对称轴剖面")}));
    EXPECT_TRUE(services::g_acadApp.isNothing());
}

TEST_F(FourRodPicked, TheHoleAtTheTargetHeightIsStillToldAfterTheSections)
{
    inputs("21", "12");
    choose(false, true, true);
    startDrawing();
    picks->point(0, 0).point(100, 0).point(30, 50).point(1000, 500);
    press("cmdFourRodPicked", 0);
    EXPECT_EQ(tip(), tipOf("四针间距较大, 目标中心存在防雷盲区!"));
}

// Nothing protected at the target height: no outline there, and the tip line says so, again after
// the sections.
TEST_F(FourRodPicked, NoTargetOutlineWhereNothingIsProtected)
{
    struct Row {
        const char* name;
        const char *h, *hx, *scale;
        int cls;
        double a, b; // the picked sides in drawing units
    };
    const Row rows[] = {
        {"hx = h", "9.16", "9.16", "1:2500", 2, 11.07 * 0.4, 1.91 * 0.4},
        {"hx above Hr", "40", "35", "1:500", 0, 60, 40},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        inputs(r.h, r.hx, r.scale, r.cls);
        choose(false, true, true);
        startDrawing();
        picks->point(0, 0).point(r.a, 0).point(0, r.b).point(1000, 500);
        press("cmdFourRodPicked", 0);
        EXPECT_EQ(count(6, true) + count(6, false), 0);
        EXPECT_EQ(count(3, true), 3); // the section titles
        EXPECT_EQ(tip(), tipOf("目标高度无保护范围!"));
        EXPECT_TRUE(services::g_acadApp.isNothing());
        endEngine();
    }
}

// A millimetre left about each rod at hx: four tiny figures, each closed by an rx arc, two pieces of
// inner arcs and a piece of the hole circle, the pieces far shorter than 0.0001 radians.
TEST_F(FourRodPicked, TinyZonesAboutTheRodsClose)
{
    inputs("16", "15.999", "1:37");
    choose(false, true, false);
    startDrawing();
    pickRods({0, 0, 0}, {900, 0, 0}, {0, 900, 0}); // a = b = 33.3 m
    EXPECT_EQ(text("txtFourRodPickedOut", 0), QStringLiteral("0.001"));
    EXPECT_EQ(tip(), tipOf("四针间距较大, 目标中心存在防雷盲区!"));
    const auto arcs = shownArcs(entities());
    EXPECT_EQ(arcs.size(), 16u);
    expectEndsMeet(arcs, 0.001 * 1000 / 37); // a millimetre
    saveForLooking("four rods picked tiny zones");
}

// The outline at hx bounds the region protected there, along the picked sides: pieces of micrometres
// whose ends the arc routine's directions reverse are left out, not drawn round the whole circle; and
// where rx reads 0.000 over a protected centre, the region between the rods is drawn.
TEST_F(FourRodPicked, TargetOutlineBoundsTheProtectedRegion)
{
    struct Row {
        const char* name;
        const char *h, *hx;
        int cls;
        double a, b; // metres, picked at 1:500
        const char* tip;
    };
    const Row rows[] = {
        {"pieces reversed by rounding", "24.5", "24.499", 1, 69.5, 6.625, "四针间距较大, 目标中心存在防雷盲区!"},
        {"rx reads 0.000, centre protected", "30", "29.85", 0, 4, 3, ""},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        inputs(r.h, r.hx, "1:500", r.cls);
        choose(false, true, false);
        startDrawing();
        pickRods({0, 0, 0}, {2 * r.a, 0, 0}, {0, 2 * r.b, 0});
        EXPECT_EQ(tip(), *r.tip ? tipOf(r.tip) : QString());
        const auto drawn = entities();
        expectEndsMeet(shownArcs(drawn), 0.002);
        expectOutlineBounds(drawn, FourRodRegion({std::stod(r.h), std::stod(r.hx), r.a, r.b, r.cls == 0 ? 30.0 : 45.0}),
                            {0, 0, 0}, 2);
        endEngine();
    }
}

TEST_F(FourRodPicked, ACancelledPickDrawsNothing)
{
    inputs("21", "12");
    choose(true, true, true);
    startDrawing();
    picks->point(0, 0).cancel();
    press("cmdFourRodPicked", 0);
    EXPECT_EQ(tip(), tipOf("选点被取消。"));
    EXPECT_TRUE(entities().empty());

    // A pick that fails otherwise ends the command too: no rod at a point left over from an earlier pick.
    picks->clear();
    state().m_pickedPoint = {30, 50, 0};
    fillBoxes("txtFourRodPickedOut", "old");
    picks->point(0, 0).point(100, 0).fail(automation::errors::InvalidProcedureCall);
    press("cmdFourRodPicked", 0);
    EXPECT_TRUE(entities().empty());
    EXPECT_EQ(boxTexts("txtFourRodPickedOut"), QStringList(7, QStringLiteral("old")));
}

} // namespace
