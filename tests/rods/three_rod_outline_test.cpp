// The three-rod union outlines drawn into a real drawing from prepared form state: the arcs left, in
// place and shown, the filed pair arcs erased, and the blind zone told.
#include "outline_checks.h"
#include "rod_window.h"

#include "geometry/plan_geometry.h"
#include "rods/three_rod_ground_outline.h"
#include "services/form_state.h"

namespace {

using namespace rodtest;

class ThreeRodOutline : public RodWindow {
protected:
    // An equilateral triangle of side `side` metres at 1:500, placed at o and turned by `turn`.
    void triangle(double side, const cad::Point& o, double turn)
    {
        auto at = [&](double x, double y) {
            return cad::Point{o[0] + 2 * (x * std::cos(turn) - y * std::sin(turn)),
                              o[1] + 2 * (x * std::sin(turn) + y * std::cos(turn)), o[2]};
        };
        services::FormState& st = state();
        st.m_point1 = at(0, 0);
        st.m_point2 = at(side, 0);
        st.m_point3 = at(side / 2, side * std::sqrt(3.0) / 2);
        st.m_angle = geometry::DirectionAngle(st.m_point1, st.m_point2);
        st.m_scale = 0.002;
    }

    void connect()
    {
        startDrawing();
        services::ConnectAutoCAD(*window, true);
        services::g_modelSpace = services::g_acadApp.ActiveDocument().ModelSpace();
    }

    // A hidden arc filed into rod r's ground list, as the pair engine leaves one.
    void fileGroundArc(int r)
    {
        cad::Entity e = doc.ModelSpace().AddArc(state().m_point1, 5, 0, 1);
        e.setVisible(false);
        state().m_rodGroundHandles[r].file(e.Handle());
    }
};

TEST_F(ThreeRodOutline, GroundOutlineReplacesTheFiledArcsAndToldTheBlindZone)
{
    struct Row {
        double side, r0;
        std::size_t arcs;
        const char* tip;
    };
    const Row rows[] = {
        {35, 28.618, 3, ""},                                      // the centre covered
        {55, 28.618, 6, "三针间距较大, 地面中心存在防雷盲区!"},     // no centre height at all
        {40, 22.361, 6, "三针间距较大, 地面中心存在防雷盲区!"},     // h 10: a negative centre height
        {60, 28.618, 0, ""},                                      // circles apart: no arc from stale points
    };
    connect();
    for (const Row& r : rows) {
        for (double turn : {0.0, 2.2}) {
            SCOPED_TRACE(testing::Message() << r.side << " turned " << turn);
            for (int i = doc.ModelSpace().Count() - 1; i >= 0; --i)
                doc.ModelSpace().Item(i).Erase();
            window->ShowMsg(QString());
            triangle(r.side, {500, 300, 0}, turn);
            state().m_groundHalfWidth = r.r0;
            for (int rod = 0; rod < 3; ++rod) {
                state().m_rodGroundHandles[rod].reset();
                fileGroundArc(rod);
                fileGroundArc(rod);
            }
            state().m_rodGroundHandles[1].file(services::kNoEntity); // an arc the pair engine did not draw

            rods::DrawThreeRodGroundUnion(*window);

            const auto arcs = shownArcs(entities());
            ASSERT_EQ(arcs.size(), r.arcs);
            EXPECT_EQ(entities().size(), r.arcs); // the filed arcs are gone
            expectClosed(arcs);
            const cad::Point rods[] = {state().m_point1, state().m_point2, state().m_point3};
            for (const auto& a : arcs) {
                EXPECT_EQ(a.color, 1);
                EXPECT_NEAR(a.radius, 2 * r.r0, 1e-9);
                double nearest = 1e9;
                for (const auto& rod : rods)
                    nearest = std::min(nearest, std::hypot(a.center[0] - rod[0], a.center[1] - rod[1]));
                EXPECT_LT(nearest, 1e-6); // about a real rod, however the triangle is turned
            }
            EXPECT_EQ(tip(), tipOf(r.tip));
            EXPECT_EQ(state().m_color, 1);
        }
    }
}

} // namespace
