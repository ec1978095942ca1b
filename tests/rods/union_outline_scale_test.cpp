// The rod-group union outlines through the real window at every drawing scale: each closes, equals the
// 1:500 outline scaled, and no waist arc is drawn twice.
#include "outline_checks.h"
#include "rod_window.h"

#include "platform/cad/geometry/geometry_transform.h"

#include <functional>

namespace {

using namespace rodtest;

// A drawing scale and its drawing units per metre.
struct Scale {
    const char* text;
    double k;
};

const Scale kScales[] = {
    {"1:1", 1000}, {"1:2", 500},        {"1:5", 200},  {"1:10", 100},      {"1:20", 50},
    {"1:100", 10}, {"7:3000", 7.0 / 3}, {"1:1000", 1}, {"1:100000", 0.01}, {"1:1000000", 0.001},
};

class UnionOutlineScales : public RodWindow {
protected:
    // Typed three rods at the pick (0, 0): the target-height range.
    std::vector<cad::EntityData> typedThree(const char* h, const char* hx, const char* d, const char* scale)
    {
        startDrawing();
        window->menuCommand(QStringLiteral("mnuThreeRod"));
        typeBoxes("txtThreeRodIn", {h, hx, d, scale});
        setClass(11, 0);
        picks->point(0, 0);
        press("cmdThreeRod", 2);
        return shownArcs(entities());
    }

    // Picked three rods, both plan ranges; the picks are given in metres from rod 1.
    std::vector<cad::EntityData> pickedThree(const char* h, const char* hx, const Scale& s,
                                             std::initializer_list<std::pair<double, double>> metres)
    {
        startDrawing();
        window->menuCommand(QStringLiteral("mnuThreeRodPicked"));
        typeBoxes("txtThreeRodPickedIn", {h, hx, s.text});
        setClass(12, 0);
        tickBoxes("chkThreeRodPickedIn", {true, true, false});
        for (const auto& [x, y] : metres)
            picks->point(x * s.k, y * s.k);
        press("cmdThreeRodPicked", 0);
        return shownArcs(entities());
    }

    // Four picked rods, 50 m by 40 m: the union route (the diagonal exceeds 2·r0), both plan ranges.
    std::vector<cad::EntityData> fourRods(const Scale& s)
    {
        startDrawing();
        window->menuCommand(QStringLiteral("mnuFourRodPicked"));
        typeBoxes("txtFourRodPickedIn", {"21", "12", s.text});
        setClass(8, 0);
        tickBoxes("chkFourRodPickedIn", {true, true, false});
        for (const auto& [x, y] : {std::pair{0.0, 0.0}, {50.0, 0.0}, {15.0, 40.0}})
            picks->point(x * s.k, y * s.k);
        press("cmdFourRodPicked", 0);
        return shownArcs(entities());
    }
};

// The same arcs in the same order, every length `ratio` times the reference one (both drawn about the
// origin), the angles equal.
void expectScaled(const std::vector<cad::EntityData>& reference, const std::vector<cad::EntityData>& got, double ratio)
{
    ASSERT_EQ(got.size(), reference.size());
    const double tol = 1e-5 * ratio; // 1e-7 of a drawing about 100 units wide at 1:500
    auto sameAngle = [](double a, double b) {
        const double d = cad::geom::normalizeAngle(a - b);
        return std::min(d, cad::geom::kTwoPi - d) < 1e-7;
    };
    for (std::size_t i = 0; i < got.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "arc " << i);
        const cad::EntityData& g = got[i];
        const cad::EntityData& r = reference[i];
        EXPECT_EQ(g.color, r.color);
        EXPECT_NEAR(g.center[0], ratio * r.center[0], tol);
        EXPECT_NEAR(g.center[1], ratio * r.center[1], tol);
        EXPECT_NEAR(g.radius, ratio * r.radius, tol);
        EXPECT_TRUE(sameAngle(g.startAngle, r.startAngle)) << g.startAngle << " vs " << r.startAngle;
        EXPECT_TRUE(sameAngle(g.endAngle, r.endAngle)) << g.endAngle << " vs " << r.endAngle;
    }
}

// No two arcs lie on one another: arcs of one circle share at most their ends.
void expectNoArcTwice(const std::vector<cad::EntityData>& arcs)
{
    auto middle = [](const cad::EntityData& a) {
        return cad::geom::pointAtAngle(a.center, a.radius,
                                       a.startAngle + cad::geom::arcSweep(a.startAngle, a.endAngle) / 2);
    };
    for (std::size_t i = 0; i < arcs.size(); ++i) {
        for (std::size_t j = 0; j < arcs.size(); ++j) {
            if (i != j) {
                EXPECT_FALSE(onArc(arcs[j], middle(arcs[i]), 1e-6 * arcs[i].radius))
                    << "arc " << i << " lies on arc " << j;
            }
        }
    }
}

TEST_F(UnionOutlineScales, EveryScaleDrawsThe500OutlineScaled)
{
    using Draw = std::function<std::vector<cad::EntityData>(const Scale&)>;
    struct Row {
        const char* what;
        std::size_t arcs; // at 1:500
        Draw draw;
    };
    const Row rows[] = {
        {"typed three rods, target height", 15, [&](const Scale& s) { return typedThree("21", "12", "35", s.text); }},
        {"picked three rods, ground and target height", 18,
         [&](const Scale& s) {
             return pickedThree("21", "12", s, {{0, 0}, {35, 0}, {15, 20}});
         }},
        {"four rods as a union, ground and target height", 32, [&](const Scale& s) { return fourRods(s); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const auto reference = row.draw({"1:500", 2});
        ASSERT_EQ(reference.size(), row.arcs);
        expectClosed(reference, 0.1); // rx arcs end at a helper-circle crossing a hair off the touching point
        expectNoArcTwice(reference);
        for (const Scale& s : kScales) {
            SCOPED_TRACE(s.text);
            const auto arcs = row.draw(s);
            expectClosed(arcs, 0.05 * s.k);
            expectScaled(reference, arcs, s.k / 2);
            if (s.k == 1000)
                saveForLooking((std::string("union ") + row.what + " 1to1").c_str());
        }
    }
}

TEST_F(UnionOutlineScales, AJoinedPairKeepsOneCopyOfEachWaistArc)
{
    struct Row {
        const char* what;
        const char *h, *hx, *d;
        std::size_t arcs; // 3 rx arcs, 3 outer waist arcs, and what the centre keeps
        const char* tip;
    };
    const Row rows[] = {
        {"centre covered", "21", "5", "20", 6, ""},
        {"centre height above hx", "21", "5", "35", 6, ""},
        {"a hole of three pieces", "21", "4.5", "47", 9, "三针间距较大, 目标中心存在防雷盲区!"},
        {"a hole too wide for the inner arcs to cross", "21", "2", "50", 9, "三针间距较大, 目标中心存在防雷盲区!"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        const auto arcs = typedThree(r.h, r.hx, r.d, "1:500");
        EXPECT_EQ(arcs.size(), r.arcs);
        EXPECT_EQ(entities().size(), r.arcs); // the copies are erased, not hidden
        expectClosed(arcs, 0.1);
        expectNoArcTwice(arcs);
        EXPECT_EQ(tip(), tipOf(r.tip));
    }
    // Picked at the defaults on a 20 m triangle, whose pairs join at hx 12.
    const auto arcs = pickedThree("21", "12", {"1:500", 2}, {{0, 0}, {20, 0}, {10, 10}});
    EXPECT_EQ(arcs.size(), 3u + 6u);
    expectClosed(arcs, 0.1);
    expectNoArcTwice(arcs);
}

} // namespace
