// Checks of drawn outlines: every arc end meets another arc's end, so the outline's loops are closed.
#pragma once

#include "platform/cad/model/entity_data.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace rodtest {

inline cad::Point endOf(const cad::EntityData& a, bool start)
{
    const double t = start ? a.startAngle : a.endAngle;
    return {a.center[0] + a.radius * std::cos(t), a.center[1] + a.radius * std::sin(t), 0};
}

// Whether p lies on the arc a (within tol drawing units).
inline bool onArc(const cad::EntityData& a, const cad::Point& p, double tol)
{
    const double d = std::hypot(p[0] - a.center[0], p[1] - a.center[1]);
    if (std::abs(d - a.radius) > tol)
        return false;
    const double twoPi = 2 * M_PI;
    auto norm = [&](double t) { return std::fmod(std::fmod(t, twoPi) + twoPi, twoPi); };
    const double slack = tol / a.radius;
    const double at = norm(std::atan2(p[1] - a.center[1], p[0] - a.center[0]) - a.startAngle + slack);
    return at <= norm(a.endAngle - a.startAngle) + 2 * slack;
}

// Every end of an arc lies on another arc (at its end or along it): the arcs close their loops.
inline void expectClosed(const std::vector<cad::EntityData>& arcs, double tol = 0.01)
{
    for (std::size_t i = 0; i < arcs.size(); ++i) {
        for (bool start : {true, false}) {
            const cad::Point p = endOf(arcs[i], start);
            bool met = false;
            for (std::size_t j = 0; j < arcs.size() && !met; ++j)
                met = j != i && onArc(arcs[j], p, tol);
            EXPECT_TRUE(met) << "arc " << i << (start ? " start" : " end") << " is open";
        }
    }
}

// Every end of an arc meets an end of another arc (within tol drawing units): the arcs close their
// loops end to end, with no end left open and none meeting an arc halfway.
inline void expectEndsMeet(const std::vector<cad::EntityData>& arcs, double tol)
{
    for (std::size_t i = 0; i < arcs.size(); ++i) {
        for (bool start : {true, false}) {
            const cad::Point p = endOf(arcs[i], start);
            bool met = false;
            for (std::size_t j = 0; j < arcs.size() && !met; ++j)
                for (bool otherStart : {true, false})
                    if (j != i) {
                        const cad::Point q = endOf(arcs[j], otherStart);
                        met = met || std::hypot(p[0] - q[0], p[1] - q[1]) < tol;
                    }
            EXPECT_TRUE(met) << "arc " << i << (start ? " start" : " end") << " is open";
        }
    }
}

// The arcs of a drawing in which every entity is shown: a hidden entity left behind fails the test.
inline std::vector<cad::EntityData> shownArcs(const std::vector<cad::EntityData>& all)
{
    std::vector<cad::EntityData> out;
    for (const auto& e : all) {
        EXPECT_TRUE(e.visible) << "a hidden entity is left";
        if (e.kind == cad::EntityKind::Arc)
            out.push_back(e);
    }
    return out;
}

} // namespace rodtest
