// The picked one-wire panel through the real window: ends picked or preset, plans turned onto the wire.
#include "support/drawing_window.h"

#include "platform/automation/automation_error.h"
#include "services/pick_prompts.h"

#include <cmath>

namespace {

using namespace drawingtest;

// Class 1, scale 1:500 (k = 2): bo = 28.284 m and bx = 4.284 m for the panel's defaults.
constexpr double kGroundA = 56.5685;
constexpr double kTargetA = 8.5685;

class OneStripPicked : public DrawingWindow {
protected:
    OneStripPicked() : DrawingWindow(15) {}

    void choose(bool ground, bool target, bool section) { tickBoxes("chkOneStripPickedIn", {ground, target, section}); }
    void runEngine(const cad::Point& p1, const cad::Point& p2)
    {
        state().m_point1 = p1;
        state().m_point2 = p2;
        state().m_presetOneStrip = true;
        EXPECT_TRUE(window->runHandler(QStringLiteral("cmdOneStripPicked_Click"), 0));
    }
    // The stadium about the wire p1 → p2 with half-width a, as it must lie in the drawing.
    static std::vector<Expected> stadium(short colour, double a, const cad::Point& p1, const cad::Point& p2)
    {
        const double len = std::hypot(p2[0] - p1[0], p2[1] - p1[1]);
        const double ux = (p2[0] - p1[0]) / len, uy = (p2[1] - p1[1]) / len;
        const double lx = -uy * a, ly = ux * a; // to the left of the wire
        return {arc(colour, p1[0], p1[1], a, p1[0] + lx, p1[1] + ly, p1[0] - lx, p1[1] - ly),
                arc(colour, p2[0], p2[1], a, p2[0] - lx, p2[1] - ly, p2[0] + lx, p2[1] + ly),
                line(colour, p1[0] + lx, p1[1] + ly, p2[0] + lx, p2[1] + ly),
                line(colour, p1[0] - lx, p1[1] - ly, p2[0] - lx, p2[1] - ly)};
    }
    void clearDrawing()
    {
        cad::ModelSpace ms = doc.ModelSpace();
        while (ms.Count() > 0)
            ms.Item(0).Erase();
    }
    static std::vector<Expected> join(std::vector<Expected> a, const std::vector<Expected>& b)
    {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    }
};

TEST_F(OneStripPicked, PickedEndsGiveTheZoneTurnedOntoTheWire)
{
    struct Row { const char* what; cad::Point p1, p2; double angle, length; };
    const Row rows[] = {
        {"along +x", {100, 100, 3}, {170, 100, 9}, -1.57079625, 35},
        {"along +y", {0, 0, 0}, {0, 70, 0}, 0, 35},
        {"at an angle", {10, 20, 0}, {-20, 60, 0}, 0, 25},
    };
    startDrawing();
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        choose(true, true, false);
        picks->point(r.p1).point(r.p2);
        press("cmdOneStripPicked", 0);

        EXPECT_EQ(picks->prompts(), QStringList({services::prompts::OneStripEnd, services::prompts::OneStripPickedOtherEnd}));
        ASSERT_EQ(picks->bases().size(), 2u);
        EXPECT_EQ(picks->bases()[1], r.p1); // the rubber band runs from the first end
        expectEntities(join(stadium(1, kGroundA, r.p1, r.p2), stadium(6, kTargetA, r.p1, r.p2)));
        for (const cad::EntityData& e : entities()) // every plan entity at the first end's z
            EXPECT_EQ(e.kind == EntityKind::Line ? e.start[2] : e.center[2], r.p1[2]);
        if (r.p1[0] == r.p2[0] || r.p1[1] == r.p2[1]) {
            EXPECT_DOUBLE_EQ(state().m_angle, r.angle);
        }
        EXPECT_NEAR(state().m_length, r.length, 1e-9);
        EXPECT_EQ(boxTexts("txtOneStripPickedOut"), texts({"4.284", "28.284", "20.000"}));
        EXPECT_TRUE(services::g_acadApp.isNothing()); // the normal end releases
        EXPECT_EQ(tip(), QString());
        saveForLooking(r.what);
        clearDrawing();
        picks->clear();
    }
}

TEST_F(OneStripPicked, EngineRunsOnPresetEndsAndAsksOnlyForTheSection)
{
    startDrawing();
    choose(true, false, true);
    const cad::Point p1{0, 0, 0}, p2{70, 0, 0};
    picks->point(500, 500);
    runEngine(p1, p2);

    EXPECT_EQ(picks->prompts(), QStringList({services::prompts::SectionPosition}));
    EXPECT_FALSE(state().m_presetOneStrip);
    EXPECT_EQ(state().m_point1, p1);
    EXPECT_EQ(state().m_point2, p2);
    const auto got = entities();
    ASSERT_EQ(got.size(), 4u + 5u);
    // The section stands unturned at its own place: ground line level, wire mark 40 units up.
    EXPECT_NEAR(got[6].start[1], 500, 1e-9);
    EXPECT_NEAR(got[6].end[1], 500, 1e-9);
    EXPECT_EQ(got[8].kind, EntityKind::Circle);
    EXPECT_NEAR(got[8].center[1], 540, 1e-9);
    EXPECT_EQ(got[8].radius, 0.05);
    EXPECT_TRUE(services::g_acadApp.isNothing());

    // The flag served one run: a click asks for both ends again.
    picks->cancel();
    press("cmdOneStripPicked", 0);
    EXPECT_EQ(picks->prompts().last(), services::prompts::OneStripEnd);
    EXPECT_EQ(tip(), tipOf("选点被取消。"));
}

TEST_F(OneStripPicked, AFailedEndPickEndsTheRunAndAnotherIndexOnlySetsUpTheDrawing)
{
    startDrawing();
    choose(true, true, false);
    fillBoxes("txtOneStripPickedOut", "old");

    // A pick that fails other than by a cancel: nothing is drawn about a stale point.
    picks->point(0, 0).fail(automation::errors::InvalidProcedureCall);
    press("cmdOneStripPicked", 0);
    EXPECT_EQ(picks->remaining(), 0u);
    EXPECT_TRUE(entities().empty());
    EXPECT_EQ(text("txtOneStripPickedOut", 0), QStringLiteral("old"));
    EXPECT_EQ(tip(), QString());
    EXPECT_FALSE(services::g_acadApp.isNothing()); // an early end keeps the connection
    services::ReleaseAcadObjects();

    // Any other index: the drawing is set up for picking and released, nothing is asked.
    doc.ActiveViewport().setOrthoOn(true);
    doc.SetVariable(QStringLiteral("OSMODE"), QVariant::fromValue<short>(0));
    picks->clear();
    state().m_presetOneStrip = true;
    EXPECT_TRUE(window->runHandler(QStringLiteral("cmdOneStripPicked_Click"), 1));
    EXPECT_TRUE(picks->prompts().isEmpty());
    EXPECT_FALSE(doc.ActiveViewport().OrthoOn());
    EXPECT_EQ(doc.GetVariable(QStringLiteral("OSMODE")).toInt(), 7);
    EXPECT_TRUE(services::g_acadApp.isNothing());
    EXPECT_FALSE(state().m_presetOneStrip);
    EXPECT_TRUE(entities().empty());
}

TEST_F(OneStripPicked, EveryEarlyEndClearsThePresetFlag)
{
    struct Row {
        const char* what;
        const char *h, *f, *hx;
        bool section;
        int entitiesLeft;
        const char* tip;
        bool released;
        const char* refusedMember = nullptr; // the drawing engine refuses the next such call
    };
    const Row rows[] = {
        {"target at the wire", "20", "0", "20", false, 0, "被保护物的高度超过了避雷线的高度!", true},
        {"wire at twice the radius", "61", "1", "12", false, 0, "避雷线高度超过保护半径的两倍,无保护范围!", true},
        // The zone's top at the target: the ground range stays, no section is asked.
        {"no zone at the target", "45", "0", "15", true, 4, "目标高度无保护范围!", false},
        {"section place cancelled", "21", "1", "12", true, 8, "选点被取消。", false},
        // A failure while drawing the section ends the run without the release, the drawn part kept.
        {"wire mark refused", "21", "1", "12", true, 12, "", false, "AddCircle"},
    };
    startDrawing();
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        typeBoxes("txtOneStripPickedIn", {r.h, r.f, r.hx});
        choose(true, true, r.section);
        if (r.refusedMember) {
            cad::faults().failNext(QString::fromUtf8(r.refusedMember), automation::errors::InvalidProcedureCall);
            picks->point(0, 300);
        } else {
            picks->cancel();
        }
        runEngine({0, 0, 0}, {70, 0, 0});
        EXPECT_FALSE(state().m_presetOneStrip);
        EXPECT_EQ(tip(), tipOf(r.tip));
        EXPECT_EQ(entities().size(), std::size_t(r.entitiesLeft));
        EXPECT_EQ(services::g_acadApp.isNothing(), r.released);
        services::ReleaseAcadObjects();
        picks->clear();
        clearDrawing();
    }
}

} // namespace
