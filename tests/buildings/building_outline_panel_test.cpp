// The building-outline panel through the real window: the sphere's arcs between picked outline points.
#include "support/drawing_window.h"

#include "platform/automation/automation_error.h"
#include "services/pick_prompts.h"

#include <cmath>

namespace {

using namespace drawingtest;
namespace prompts = services::prompts;

constexpr double kDegree = 3.14159265358979323846 / 180;

class BuildingOutline : public DrawingWindow {
protected:
    BuildingOutline() : DrawingWindow(8) {}

    void draw() { press("cmdBuilding"); }
    static double degrees(double radians) { return radians / kDegree; }
};

TEST_F(BuildingOutline, ArcOfTheSphereRestingOnAPair)
{
    struct Row {
        const char* what;
        cad::Point first, second;
        double cx, cy, startDeg, endDeg;
    };
    const Row rows[] = {
        {"left to right", {0, 0, 0}, {100, 0, 0}, 50, 33.16625, 213.5573, 326.4427},
        {"right to left", {100, 0, 0}, {0, 0, 0}, 50, 33.16625, 213.5573, 326.4427},
        {"one diameter apart", {0, 0, 0}, {120, 0, 0}, 60, 0, 180, 360},
        // Short of a diameter by less than the engine's tolerance: the circles touch, the centre is
        // their touching point (two crossings would put it 0.0008 above the chord).
        {"touching within tolerance", {0, 0, 0}, {120 - 1e-8, 0, 0}, 60, 0, 180, 360},
    };
    startDrawing();
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        picks->point(r.first).point(r.second).string(QString());
        draw();
        EXPECT_EQ(picks->prompts(), QStringList({prompts::BuildingFirstPoint, prompts::BuildingNextPoint,
                                                 prompts::BuildingContinueQuestion}));
        const auto got = entities(); // the construction circles are gone
        ASSERT_EQ(got.size(), 1u);
        const cad::EntityData& a = got[0];
        EXPECT_EQ(a.kind, EntityKind::Arc);
        EXPECT_TRUE(a.visible);
        EXPECT_EQ(a.color, 0); // no drawing command has chosen a colour yet
        EXPECT_NEAR(a.center[0], r.cx, 1e-4);
        EXPECT_NEAR(a.center[1], r.cy, 1e-5);
        EXPECT_NEAR(a.radius, 60, 1e-9);
        EXPECT_NEAR(degrees(a.startAngle), r.startDeg, 1e-4);
        EXPECT_NEAR(degrees(a.endAngle), r.endDeg, 1e-4);
        EXPECT_NEAR(services::g_sphereCentre[1], r.cy, 1e-5);
        EXPECT_EQ(tip(), QString());
        EXPECT_TRUE(services::g_acadApp.isNothing()); // the normal end releases
        doc.ModelSpace().Item(0).Erase();
        picks->clear();
    }
}

TEST_F(BuildingOutline, PairsFollowOneAnotherWhileTheAnswerIsY)
{
    startDrawing();
    state().m_color = 6; // the colour the last drawing command of another panel left
    // A stepped roof: parapet, low roof, a rod tip, the far edge; "y" in either case goes on.
    picks->point(0, 0).point(40, -10).string(QStringLiteral("y")).point(70, 15).string(QStringLiteral("Y"))
        .point(110, 0).string(QStringLiteral("yes"));
    draw();
    EXPECT_EQ(picks->prompts().count(prompts::BuildingContinuePoint), 2);
    EXPECT_EQ(picks->bases().back(), (std::optional<cad::Point>(cad::Point{70, 15, 0})));
    const auto got = entities();
    ASSERT_EQ(got.size(), 3u);
    for (const cad::EntityData& a : got) {
        EXPECT_EQ(a.kind, EntityKind::Arc);
        EXPECT_EQ(a.color, 6);
    }
    // Each arc runs from its pair's left point to its right point, on the sphere of radius 60 (its end
    // directions carry the program's own pi).
    const double ends[3][4] = {{0, 0, 40, -10}, {40, -10, 70, 15}, {70, 15, 110, 0}};
    for (int i = 0; i < 3; ++i) {
        const cad::EntityData& a = got[i];
        EXPECT_NEAR(a.center[0] + 60 * std::cos(a.startAngle), ends[i][0], 1e-4);
        EXPECT_NEAR(a.center[1] + 60 * std::sin(a.startAngle), ends[i][1], 1e-4);
        EXPECT_NEAR(a.center[0] + 60 * std::cos(a.endAngle), ends[i][2], 1e-4);
        EXPECT_NEAR(a.center[1] + 60 * std::sin(a.endAngle), ends[i][3], 1e-4);
    }
    EXPECT_TRUE(services::g_acadApp.isNothing());
    saveForLooking("stepped roof");
}

TEST_F(BuildingOutline, RefusedPairsEndTheCommandAndKeepEarlierArcs)
{
    struct Row {
        const char* what;
        std::vector<cad::Point> points;
        int classItem;
        const char* tip;
        std::size_t arcs;
    };
    const Row rows[] = {
        {"beyond a diameter", {{0, 0, 0}, {120.001, 0, 0}}, 0, "两点之间距离已经超出保护半径的两倍,中间应加设一处避雷装置!", 0},
        {"the same point twice", {{5, 5, 0}, {5, 5, 0}}, 0, "所选两点为同一点!", 0},
        {"one vertical", {{10, 0, 0}, {10, 30, 0}}, 0, "所选两点在同一竖线!", 0},
        {"third point too far", {{0, 0, 0}, {100, 0, 0}, {250, 0, 0}}, 0,
         "两点之间距离已经超出保护半径的两倍,中间应加设一处避雷装置!", 1},
        {"no class chosen", {{0, 0, 0}, {1, 0, 0}}, -1, "两点之间距离已经超出保护半径的两倍,中间应加设一处避雷装置!", 0},
    };
    startDrawing();
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        setClass(0, r.classItem);
        picks->point(r.points[0]).point(r.points[1]);
        if (r.points.size() > 2)
            picks->string(QStringLiteral("Y")).point(r.points[2]);
        draw();
        EXPECT_EQ(tip(), tipOf(r.tip));
        EXPECT_EQ(entities().size(), r.arcs);
        EXPECT_EQ(picks->remaining(), 0u);
        EXPECT_FALSE(picks->prompts().contains(prompts::BuildingContinueQuestion) && r.points.size() == 2);
        EXPECT_FALSE(services::g_acadApp.isNothing()); // an early end keeps the connection
        cad::ModelSpace ms = doc.ModelSpace();
        while (ms.Count() > 0)
            ms.Item(0).Erase();
        picks->clear();
    }
}

TEST_F(BuildingOutline, CancelledOrFailedPicksAndABadScaleEndTheCommand)
{
    startDrawing();
    type("txtBuilding", 0, "1:0");
    draw();
    EXPECT_EQ(tip(), tipOf("制图比例无效!"));
    EXPECT_TRUE(picks->prompts().isEmpty());
    type("txtBuilding", 0, "1:500");

    picks->point(0, 0).cancel();
    draw();
    EXPECT_EQ(tip(), tipOf("选点被取消。"));

    // A pick that fails otherwise ends the command too, rather than pairing a stale point.
    picks->clear();
    picks->point(0, 0).point(100, 0).string(QStringLiteral("y")).fail(automation::errors::InvalidProcedureCall);
    draw();
    EXPECT_EQ(entities().size(), 1u);
    EXPECT_EQ(picks->prompts().count(prompts::BuildingContinueQuestion), 1);
    EXPECT_EQ(picks->remaining(), 0u);
}

} // namespace
