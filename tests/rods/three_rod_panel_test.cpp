// The typed and the picked three-rod panels through the real window: values, the drawn union outlines
// in each branch, single rods for rods apart, and the early ends.
#include "outline_checks.h"
#include "rod_window.h"

#include "services/pick_prompts.h"

#include <functional>

namespace {

using namespace rodtest;

class ThreeRodPanels : public RodWindow {
protected:
    void SetUp() override
    {
        RodWindow::SetUp();
        window->menuCommand(QStringLiteral("mnuThreeRod"));
    }
    void typed(const char* h, const char* hx, const char* d, int cls = 0, const char* scale = "1:500")
    {
        typeBoxes("txtThreeRodIn", {h, hx, d, scale});
        setClass(11, cls);
    }
    void picked(const char* h, const char* hx, bool ground, bool target, bool section, int cls = 0)
    {
        typeBoxes("txtThreeRodPickedIn", {h, hx, "1:500"});
        setClass(12, cls);
        tickBoxes("chkThreeRodPickedIn", {ground, target, section});
    }
    int countOf(cad::EntityKind kind, short colour)
    {
        int n = 0;
        for (const auto& e : entities())
            n += e.kind == kind && e.color == colour;
        return n;
    }
    void expectListsEmpty()
    {
        for (int r = 0; r < 3; ++r) {
            EXPECT_EQ(state().m_rodGroundHandles[r].count(), 0);
            EXPECT_EQ(state().m_rodTargetHandles[r].count(), 0);
            EXPECT_EQ(state().m_rodWaistHandles[r].count(), 0);
        }
    }
    // Rods at P, P + (D, 0), P + (D/2, D·√3/2) at 1:500.
    void expectTypedRods(double px, double py, double d)
    {
        const double k = 2;
        EXPECT_NEAR(state().m_point1[0], px, 1e-9);
        EXPECT_NEAR(state().m_point2[0], px + d * k, 1e-9);
        EXPECT_NEAR(state().m_point3[0], px + d * k / 2, 1e-9);
        EXPECT_NEAR(state().m_point3[1], py + d * k * std::sqrt(3.0) / 2, 1e-9);
        EXPECT_EQ(state().m_angle, 0.0);
    }
};

TEST_F(ThreeRodPanels, TypedComputesTheValuesAndRefusesATargetAboveTwiceHr)
{
    struct Row {
        const char *h, *hx, *d;
        int cls;
        const char *rx, *r0, *h0;
        bool computed;
    };
    const Row rows[] = {
        {"21", "12", "35", 0, "4.618", "28.618", "13.174", true},   // the panel's defaults
        {"35", "12", "35", 0, "6.000", "30.000", "22.174", true},   // h capped at Hr; the box keeps 35
        {"21", "12", "55", 0, "4.618", "28.618", "", true},         // the sphere cannot rest on the tips
        {"21", "12", "35", 1, "7.472", "38.066", "16.208", true},
        {"70", "61", "35", 0, "old", "old", "22.174", false},       // hx > 2·Hr: refused after the centre
        {"60", "60", "35", 0, "30.000", "30.000", "22.174", true},  // hx = 2·Hr passes
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.h << " " << r.hx << " " << r.d);
        fillBoxes("txtThreeRodOut", "old");
        typed(r.h, r.hx, r.d, r.cls);
        press("cmdThreeRod", 0);
        EXPECT_EQ(boxTexts("txtThreeRodOut"), texts({r.rx, r.r0, r.h0}));
        EXPECT_EQ(state().m_computed, r.computed);
        EXPECT_EQ(text("txtThreeRodIn", 0), QString::fromUtf8(r.h));
        if (!r.computed) {
            expectMarked("txtThreeRodIn", 1);
            EXPECT_EQ(tip(), tipOf("被保护物高度不应超过所选Hr的两倍!"));
        }
    }
    typed("21", "12", "55");
    press("cmdThreeRod", 0);
    EXPECT_EQ(state().m_lowestHeight, -1.0);
    EXPECT_TRUE(services::g_acadApp.isNothing());
}

const char* const kGroundBlind = "三针间距较大, 地面中心存在防雷盲区!";
const char* const kTargetBlind = "三针间距较大, 目标中心存在防雷盲区!";

TEST_F(ThreeRodPanels, TypedDrawsTheUnionOutlineInEachBranch)
{
    struct Row {
        const char* what;
        const char *h, *hx, *d;
        int element;
        std::size_t arcs;
        const char* tip;
    };
    const Row rows[] = {
        {"ground, centre covered", "21", "12", "35", 1, 3, ""},
        {"ground, no centre height", "21", "12", "55", 1, 6, kGroundBlind},
        {"ground, negative centre height", "10", "5", "40", 1, 6, kGroundBlind},
        {"hx, every pair split: inner arcs joined near each rod", "21", "12", "35", 2, 15, ""},
        {"hx, pairs joined, centre covered: inner arcs erased", "21", "5", "20", 2, 6, ""},
        {"hx, pairs joined, centre height above hx: no hole", "21", "5", "35", 2, 6, ""},
        {"hx, pairs joined, centre height below hx: a hole of three pieces", "21", "4.5", "47", 2, 9, kTargetBlind},
        {"hx, pairs joined, a hole too wide for the inner arcs to cross", "21", "2", "50", 2, 9, kTargetBlind},
        {"hx = h: the zone at hx shrinks to the rods, nothing to draw", "21", "21", "35", 2, 0, ""},
        {"hx = 0: the zone at hx is the ground one", "21", "0", "35", 2, 3, ""},
        {"hx = 0 about a blind centre", "21", "0", "55", 2, 6, kTargetBlind},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        startDrawing(); // a new drawing each time
        typed(r.h, r.hx, r.d);
        picks->point(100, 100);
        press("cmdThreeRod", r.element);

        EXPECT_EQ(picks->prompts(), QStringList{services::prompts::LowerLeftRodPosition});
        const auto arcs = shownArcs(entities());
        EXPECT_EQ(arcs.size(), r.arcs);
        EXPECT_EQ(entities().size(), r.arcs);
        expectClosed(arcs, 0.1); // rx arcs end at a helper-circle crossing a hair off the touching point
        for (const auto& a : arcs)
            EXPECT_EQ(a.color, r.element == 1 ? 1 : 6);
        EXPECT_EQ(tip(), tipOf(r.tip));
        expectListsEmpty();
        expectTypedRods(100, 100, std::atof(r.d));
        EXPECT_TRUE(services::g_acadApp.isNothing()); // released at the normal end
        saveForLooking((std::string("three_rod_") + r.h + "_" + r.hx + "_" + r.d + "_" + std::to_string(r.element)).c_str());
    }
}

TEST_F(ThreeRodPanels, TypedRodsApartAreDrawnAsSingleRods)
{
    startDrawing();
    typed("21", "12", "60"); // 60 >= 2·28.618: the ground ranges do not meet
    picks->point(100, 100);
    press("cmdThreeRod", 1);
    const auto all = entities();
    ASSERT_EQ(all.size(), 3u);
    for (const auto& e : all) {
        EXPECT_EQ(e.kind, cad::EntityKind::Circle);
        EXPECT_NEAR(e.radius, 2 * 28.618, 1e-9);
    }
    EXPECT_EQ(text("txtThreeRodPickedOut", 2), QStringLiteral("0.000"));
    expectListsEmpty();
}

TEST_F(ThreeRodPanels, TypedFailedPickEndsTheClick)
{
    // A pick that fails other than by a cancel: no rods are placed at an earlier point.
    startDrawing();
    typed("21", "12", "35");
    state().m_pickedPoint = {500, 500, 0};
    picks->fail(static_cast<std::int32_t>(0x80004005));
    press("cmdThreeRod", 1);
    EXPECT_TRUE(entities().empty());
    expectListsEmpty();
}

TEST_F(ThreeRodPanels, TypedSectionsStandAtTheOriginAndAskOncePerPair)
{
    startDrawing();
    typed("21", "12", "35");
    picks->point(0, -300).point(200, -300).point(400, -300);
    press("cmdThreeRod", 3);
    EXPECT_EQ(picks->prompts(), QStringList(3, services::prompts::SectionPosition));
    EXPECT_EQ(state().m_point1, (cad::Point{0, 0, 0}));
    expectTypedRods(0, 0, 35);
    EXPECT_FALSE(entities().empty());
    for (const auto& e : entities())
        EXPECT_TRUE(e.visible);
    // The picked panel took the typed inputs and the one drawing asked for.
    EXPECT_EQ(text("txtThreeRodPickedIn", 2), QStringLiteral("1:500"));
    EXPECT_EQ(text("txtThreeRodPickedOut", 2), QStringLiteral("13.174"));
    EXPECT_EQ(controls().checkBox(QStringLiteral("chkThreeRodPickedIn"), 2)->checkState(), Qt::Checked);
    EXPECT_EQ(controls().checkBox(QStringLiteral("chkThreeRodPickedIn"), 0)->checkState(), Qt::Unchecked);
    expectListsEmpty();
}

TEST_F(ThreeRodPanels, PickedBuildsTheTriangleOnTheSidePointsSide)
{
    // The first side points almost straight down; the side point lies left of it (east).
    startDrawing();
    window->menuCommand(QStringLiteral("mnuThreeRodPicked"));
    picked("21", "12", true, true, false);
    picks->point(0, 0).point(-1e-8, -40).point(10, -20);
    press("cmdThreeRodPicked", 0);

    const QStringList asked{services::prompts::ThreeRodPickedFirst, services::prompts::ThreeRodPickedSecond,
                            services::prompts::ThreeRodPickedSide};
    EXPECT_EQ(picks->prompts(), asked);
    EXPECT_EQ(boxTexts("txtThreeRodPickedOut"), texts({"4.618", "28.618", "18.689"})); // D = 20 m
    const double h = 40 * std::sqrt(0.75);
    EXPECT_NEAR(state().m_point1[1], -40, 1e-9); // the leftmost rod first, counter-clockwise
    EXPECT_NEAR(state().m_point2[0], h, 1e-6);
    EXPECT_NEAR(state().m_point2[1], -20, 1e-6);
    EXPECT_NEAR(state().m_point3[0], 0, 1e-6);
    EXPECT_NEAR(state().m_point3[1], 0, 1e-6);

    // Both outlines stand about the real rods: the ground arcs are centred on them.
    const auto arcs = shownArcs(entities());
    int ground = 0;
    for (const auto& a : arcs) {
        if (a.color != 1)
            continue;
        ++ground;
        const double nearest = std::min({std::hypot(a.center[0], a.center[1] + 40),
                                         std::hypot(a.center[0] - h, a.center[1] + 20),
                                         std::hypot(a.center[0], a.center[1])});
        EXPECT_LT(nearest, 1e-6);
    }
    EXPECT_EQ(ground, 3);
    expectClosed(arcs, 0.1);
    EXPECT_EQ(tip(), QString()); // the centre height 18.689 m is above hx: no blind zone
    saveForLooking("three_rod_picked_turned");
    expectListsEmpty();
    EXPECT_TRUE(services::g_acadApp.isNothing());
}

TEST_F(ThreeRodPanels, PickedEndsEarly)
{
    struct Row {
        const char* what;
        const char *h, *hx;
        bool section;
        std::function<void(cad::ScriptedPointSource&)> script;
        const char* tip;
        int shown; // entities left, all visible; -1: the first pair's section only
    };
    const Row rows[] = {
        {"side point on the line", "21", "12", false,
         [](auto& p) { p.point(0, 0).point(40, 0).point(80, 0); }, "针位重叠, 宜按双针计算!", 0},
        {"first two picks on one spot", "21", "12", false,
         [](auto& p) { p.point(5, 5).point(5, 5).point(9, 0); }, "针位重叠, 宜按双针计算!", 0},
        {"second pick cancelled", "21", "12", false, [](auto& p) { p.point(0, 0).cancel(); }, "选点被取消。", 0},
        {"third pick failed", "21", "12", false,
         [](auto& p) { p.point(0, 0).point(40, 0).fail(static_cast<std::int32_t>(0x80004005)); }, "", 0},
        {"hx above 2·Hr", "70", "61", false,
         [](auto& p) { p.point(0, 0).point(40, 0).point(9, 9); }, "被保护物高度不应超过所选Hr的两倍!", 0},
        // The second pair's section pick is cancelled: the union ends with no outline and no hidden
        // arc; the first pair's section stays, as drawn.
        {"a pair run ended early", "21", "12", true,
         [](auto& p) { p.point(0, 0).point(40, 0).point(9, 9).point(300, 300).cancel(); }, "选点被取消。", -1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        startDrawing();
        window->menuCommand(QStringLiteral("mnuThreeRodPicked"));
        picked(r.h, r.hx, true, false, r.section);
        r.script(*picks);
        press("cmdThreeRodPicked", 0);
        EXPECT_EQ(tip(), tipOf(r.tip));
        const auto all = entities();
        if (r.shown >= 0)
            EXPECT_EQ(all.size(), static_cast<std::size_t>(r.shown));
        else
            EXPECT_FALSE(all.empty());
        for (const auto& e : all) {
            EXPECT_TRUE(e.visible);
            if (r.shown < 0) {
                EXPECT_GT(e.center[0] + e.start[0], 200); // all of it at the section's place
            }
        }
        expectListsEmpty();
    }
}

TEST_F(ThreeRodPanels, PickedRodsApartAreDrawnAsSingleRods)
{
    startDrawing();
    window->menuCommand(QStringLiteral("mnuThreeRodPicked"));
    picked("21", "12", true, true, false);
    picks->point(0, 0).point(120, 0).point(60, 50); // D = 60 m
    press("cmdThreeRodPicked", 0);
    EXPECT_EQ(boxTexts("txtThreeRodPickedOut"), texts({"4.618", "28.618", "0.000"}));
    std::vector<double> radii;
    for (const auto& e : entities()) {
        EXPECT_EQ(e.kind, cad::EntityKind::Circle);
        radii.push_back(e.radius);
    }
    EXPECT_EQ(radii.size(), 6u); // r0 and rx about each rod
    expectListsEmpty();
}

} // namespace
