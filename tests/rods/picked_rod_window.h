// The real main window on the picked two-rod panel with a scripted drawing, and checks of placed plan arcs.
#pragma once

#include "rod_window.h"

#include "services/form_state.h"

namespace rodtest {

// A plan arc in the work frame (metres): colour, centre, radius, start and end point.
struct ExpectedFrameArc {
    short colour;
    double cx, cy, radius, sx, sy, ex, ey;
};
using FrameArcs = std::vector<ExpectedFrameArc>;

class PickedRodWindow : public RodWindow {
protected:
    void SetUp() override
    {
        RodWindow::SetUp();
        window->menuCommand(QStringLiteral("mnuTwoRodPicked"));
    }
    void inputs(const char* h, const char* hx, int cls, const char* scale = "1:500")
    {
        typeBoxes("txtTwoRodPickedIn", {h, hx, scale});
        setClass(7, cls);
    }
    void choose(bool ground, bool target, bool section) { tickBoxes("chkTwoRodPickedIn", {ground, target, section}); }

    // Plan arcs built in a work frame at origin (k = 2 drawing units per metre) and turned by angle:
    // kind, colour, visibility, centre, radius and both end points where they must land.
    static void expectPlaced(const std::vector<cad::EntityData>& got, const FrameArcs& want, const cad::Point& origin,
                             double angle, bool visible, std::size_t first = 0)
    {
        ASSERT_GE(got.size(), first + want.size());
        auto place = [&](double u, double v) {
            const double x = 2 * u, y = 2 * v;
            return std::pair{origin[0] + x * std::cos(angle) - y * std::sin(angle),
                             origin[1] + x * std::sin(angle) + y * std::cos(angle)};
        };
        const double tol = 0.0015;
        for (std::size_t i = 0; i < want.size(); ++i) {
            SCOPED_TRACE(testing::Message() << "arc " << i);
            const cad::EntityData& g = got[first + i];
            const ExpectedFrameArc& w = want[i];
            EXPECT_EQ(g.kind, cad::EntityKind::Arc);
            EXPECT_EQ(g.color, w.colour);
            EXPECT_EQ(g.visible, visible);
            const auto [cx, cy] = place(w.cx, w.cy);
            const auto [sx, sy] = place(w.sx, w.sy);
            const auto [ex, ey] = place(w.ex, w.ey);
            EXPECT_NEAR(g.center[0], cx, tol);
            EXPECT_NEAR(g.center[1], cy, tol);
            EXPECT_NEAR(g.radius, 2 * w.radius, tol);
            EXPECT_NEAR(g.center[0] + g.radius * std::cos(g.startAngle), sx, tol);
            EXPECT_NEAR(g.center[1] + g.radius * std::sin(g.startAngle), sy, tol);
            EXPECT_NEAR(g.center[0] + g.radius * std::cos(g.endAngle), ex, tol);
            EXPECT_NEAR(g.center[1] + g.radius * std::sin(g.endAngle), ey, tol);
        }
    }

    // The entity a filed handle names.
    cad::EntityData filed(const QString& handle) { return doc.HandleToObject(handle).data(); }
};

} // namespace rodtest
