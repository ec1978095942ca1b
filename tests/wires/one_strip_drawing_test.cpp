// The one-wire drawings when the drawing engine refuses an entity: nothing drawn earlier is touched.
#include "support/drawing_window.h"

#include "geometry/frame_drawing.h"
#include "services/form_state.h"
#include "wires/one_strip_drawing.h"

namespace {

using namespace drawingtest;

class OneStripRefusals : public DrawingWindow {
protected:
    OneStripRefusals() : DrawingWindow(15) {}

    // The engine connected as a drawing command leaves it, with the defaults' zone computed, and one
    // line and one circle of an earlier command still held as the last ones drawn.
    void SetUp() override
    {
        DrawingWindow::SetUp();
        startDrawing();
        services::ConnectAutoCAD(*window, true);
        services::g_modelSpace = services::g_acadApp.ActiveDocument().ModelSpace();
        earlierLine = services::g_modelSpace.AddLine({0, 0, 0}, {10, 0, 0});
        earlierLine.setColor(3);
        earlierCircle = services::g_modelSpace.AddCircle({0, 0, 0}, 5);
        earlierCircle.setColor(3);
        services::g_lastLine = earlierLine;
        services::g_lastCircle = earlierCircle;

        services::FormState& st = state();
        st.m_height = 20;
        st.m_targetHeight = 12;
        st.m_sphereRadius = 30;
        st.m_zoneTopHeight = 20;
        st.m_oneStripGroundWidth = 28.2843;
        st.m_oneStripTargetWidth = 4.2843;
        st.m_length = 35;
        st.m_scale = 0.002;
        st.m_color = 1;
    }

    void expectEarlierUntouched()
    {
        const cad::EntityData line = earlierLine.data();
        EXPECT_EQ(line.color, 3);
        EXPECT_EQ(line.start, (cad::Point{0, 0, 0}));
        EXPECT_EQ(line.end, (cad::Point{10, 0, 0}));
        EXPECT_EQ(earlierCircle.data().color, 3);
    }

    cad::Entity earlierLine;
    cad::Entity earlierCircle;
};

TEST_F(OneStripRefusals, RefusedPlanLineLeavesTheEarlierLineUnturnedAndUncoloured)
{
    services::FormState& st = state();
    st.m_point1 = {100, 100, 0};
    st.m_angle = 1.0;
    st.m_color = 6;
    cad::faults().failNext(QStringLiteral("AddLine"), 0x80004005);
    automation::ErrObject err;
    wires::DrawOneStripPlan(st, wires::OneStripLevel::Target, geometry::Placement::workFrame(st), err);
    expectEarlierUntouched();
    EXPECT_EQ(entities().size(), 2u + 3u); // both caps and the other side line
}

TEST_F(OneStripRefusals, RefusedSectionLineOrWireMarkLeavesTheEarlierOnesAlone)
{
    for (const char* member : {"AddLine", "AddCircle"}) {
        SCOPED_TRACE(member);
        services::g_lastLine = earlierLine;
        services::g_lastCircle = earlierCircle;
        cad::faults().failNext(QString::fromUtf8(member), 0x80004005);
        automation::ErrObject err;
        wires::DrawOneStripSection(state(), geometry::Placement(cad::Point{0, 0, 0}, 0.002), err);
        EXPECT_TRUE(err.failed()); // the refusal stays pending for the command to judge
        expectEarlierUntouched();
    }
}

} // namespace
