// What the two-wire panels draw for the typed panel's defaults with class 1 (h' 44, D 12, L 35) at 1:500.
#pragma once

#include "support/drawing_window.h"

#include <cmath>
#include <utility>
#include <vector>

namespace twowiretest {

using drawingtest::arc;
using drawingtest::circle;
using drawingtest::Expected;
using drawingtest::line;

// The ground plan about wire 1's start: caps of radius Hr, outer edges running on by e = 14 m.
inline std::vector<Expected> groundPlan()
{
    return {
        arc(1, 0, 0, 60, -53.066, -28, 12, -58.788),
        arc(1, 24, 0, 60, 12, -58.788, 77.066, -28),
        arc(1, 24, 70, 60, 77.066, 98, 12, 128.788),
        arc(1, 0, 70, 60, 12, 128.788, -53.066, 98),
        line(1, -53.066, -28, -53.066, 98),
        line(1, 77.066, -28, 77.066, 98),
    };
}

// Both sections about the section pick: the cross-section, then the mid-line section 177.066 to its right.
inline std::vector<Expected> sections()
{
    const double m = 177.066;
    return {
        arc(1, -53.066, 60, 60, -53.066, 0, 0, 88),
        arc(1, 77.066, 60, 60, 24, 88, 77.066, 0),
        arc(1, 12, 146.788, 60, 0, 88, 24, 88),
        line(7, -53.066, 0, 77.066, 0),
        line(7, -53.066, 24, 77.066, 24),
        circle(1, 0, 88, 0.05),
        circle(1, 24, 88, 0.05),
        arc(1, m + 58.788, 60, 60, m + 5.100, 86.788, m + 58.788, 0),
        line(7, m, 0, m + 58.788, 0),
        line(7, m, 0, m, 88),
        circle(1, m, 88, 0.05),
    };
}

// The target-height outline of each form, as counts of arcs and lines in colour 6.
struct TargetForm {
    const char* what;
    const char *h, *sag, *d, *hx; // d: the spacing in metres
    std::size_t arcs, lines;
    const char* tip;
};

inline std::vector<TargetForm> targetForms()
{
    return {
        {"enclosing outline", "45", "1", "12", "12", 6, 2, ""},
        {"joined outline", "50", "0", "50", "20", 2, 2, ""},
        {"separate outlines", "20", "0", "10", "19.7", 4, 4, "目标高度已超过了最低点高度!"},
        // Above h0 but below t: never the enclosing outline; the separate ones keep their caps.
        {"separate outlines below t", "35", "0", "58", "20", 8, 4, "目标高度已超过了最低点高度!"},
    };
}

// The outline drawn is the form's: every entity shown in colour 6, its arcs and lines counted.
inline void expectTargetForm(const std::vector<cad::EntityData>& drawn, const TargetForm& form)
{
    std::size_t arcs = 0, lines = 0;
    for (const cad::EntityData& e : drawn) {
        EXPECT_EQ(e.color, 6);
        EXPECT_TRUE(e.visible);
        arcs += e.kind == cad::EntityKind::Arc;
        lines += e.kind == cad::EntityKind::Line;
    }
    EXPECT_EQ(arcs, form.arcs);
    EXPECT_EQ(lines, form.lines);
}

// Where the outlines of the wide-spacing and short-wire cases leave off: the reported inputs with hx above
// h0 whose end circles miss the outer sides, the joined outline at hx = t, and short wires whose end arcs
// have passed each other everywhere.
struct CappedCase {
    const char* what;
    const char *h, *length, *d, *hx;
    bool drawn; // false: nothing is protected at hx, and the tip line says so
    const char* tip;
};

inline std::vector<CappedCase> cappedCases()
{
    return {
        {"low wires, outer sides miss", "10", "60", "30", "6.5", true, "目标高度已超过了最低点高度!"},
        {"low wires far apart", "20", "35", "55", "5", true, "目标高度已超过了最低点高度!"},
        {"joined at t", "50", "35", "50", "10", true, ""},
        {"short wires, joined", "52.53", "0.68", "34.99", "20.17", false, "目标高度无保护范围!"},
        {"no wire length, joined", "50", "0", "50", "20", false, "目标高度无保护范围!"},
    };
}

// The two ends of a drawn line or arc.
inline std::pair<cad::Point, cad::Point> endsOf(const cad::EntityData& e)
{
    if (e.kind == cad::EntityKind::Line)
        return {e.start, e.end};
    const auto at = [&](double a) {
        return cad::Point{e.center[0] + e.radius * std::cos(a), e.center[1] + e.radius * std::sin(a), 0};
    };
    return {at(e.startAngle), at(e.endAngle)};
}

// Every end of every entity meets an end of exactly one other: the outlines are closed. The arcs' angles
// carry the program's truncated pi, some millionths of a unit at these radii.
inline void expectClosedDrawing(const std::vector<cad::EntityData>& drawn, double tol = 1e-4)
{
    std::vector<cad::Point> ends;
    for (const cad::EntityData& e : drawn) {
        const auto [a, b] = endsOf(e);
        ends.push_back(a);
        ends.push_back(b);
    }
    for (std::size_t a = 0; a < ends.size(); ++a) {
        int meets = 0;
        for (std::size_t b = 0; b < ends.size(); ++b)
            if (a / 2 != b / 2 && std::hypot(ends[a][0] - ends[b][0], ends[a][1] - ends[b][1]) < tol)
                ++meets;
        EXPECT_EQ(meets, 1) << "end " << a << " at (" << ends[a][0] << ", " << ends[a][1] << ")";
    }
}

// Closed outlines, every entity shown in colour 6, or nothing at all where nothing is protected.
inline void expectCappedOutline(const std::vector<cad::EntityData>& drawn, const CappedCase& r)
{
    EXPECT_EQ(!drawn.empty(), r.drawn);
    for (const cad::EntityData& e : drawn) {
        EXPECT_EQ(e.color, 6);
        EXPECT_TRUE(e.visible);
    }
    expectClosedDrawing(drawn);
}

// Targets typed at t = 2Hr − h' (h' > Hr), for each class, with whole and decimal heights and sags, and
// spacings whose end circles reach the sides (two arcs, two sides) or miss them (the caps about the wire
// ends close the outline): the joined outline, closed, with no message.
struct ThresholdCase {
    const char* what;
    const char *h, *sag, *d, *hx;
    int cls;
    std::size_t arcs, lines;
};

inline std::vector<ThresholdCase> thresholdCases()
{
    return {
        {"at t, class 1", "40", "0", "36", "20", 0, 2, 2},
        {"at t, class 1, decimal height", "37.8", "0", "20", "22.2", 0, 2, 2},
        {"at t, class 1, caps close", "44.4", "0", "56", "15.6", 0, 6, 2},
        {"at t, class 2, sag", "65.1", "1.2", "40", "26.1", 1, 2, 2},
        {"at t, class 2, caps close", "70.7", "1.2", "80", "20.5", 1, 6, 2},
        {"at t, class 3", "72.1", "0", "60", "47.9", 2, 2, 2},
        {"at t, class 3, caps close", "100", "0", "100", "20", 2, 6, 2},
    };
}

inline void expectThresholdOutline(const std::vector<cad::EntityData>& drawn, const ThresholdCase& r)
{
    expectTargetForm(drawn, {r.what, r.h, r.sag, r.d, r.hx, r.arcs, r.lines, ""});
    expectClosedDrawing(drawn);
}

} // namespace twowiretest
