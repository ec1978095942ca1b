// The typed one-wire panel through the real window: "计算" against worked values, the three drawings.
#include "support/drawing_window.h"

#include "services/pick_prompts.h"

namespace {

using namespace drawingtest;

class OneStripTyped : public DrawingWindow {
protected:
    OneStripTyped() : DrawingWindow(6) {}

    void inputs(const char* h, const char* f, const char* hx, int cls = 0)
    {
        typeBoxes("txtOneStripIn", {h, nullptr, f, hx}); // element 1 is the wire's length
        setClass(5, cls);
    }
};

TEST_F(OneStripTyped, ComputesAndRefusesAsTheBoxesShow)
{
    struct Row {
        const char *h, *f, *hx;
        int cls;
        Computation shown;
    };
    const QStringList old{QStringLiteral("old"), QStringLiteral("old"), QStringLiteral("old")};
    const QStringList zero{QStringLiteral("0.000"), QStringLiteral("0.000"), QStringLiteral("0.000")};
    const Row rows[] = {
        {"21", "1", "12", 0, {texts({"4.284", "28.284", "20.000"}), "", true}},
        {"21", "1", "12", 1, {texts({"6.822", "37.417", "20.000"}), "", true}},
        {"21", "1", "12", 2, {texts({"8.721", "44.721", "20.000"}), "", true}},
        {"45", "0", "20", 0, {texts({"0.000", "25.981", "15.000"}), "", true}},
        {"61", "1", "12", 0, {zero, "避雷线高度超过保护半径的两倍,无保护范围!", false}},
        {"20", "0", "20", 0, {old, "被保护物的高度超过了避雷线的高度!", false, 3}},
        {"1", "2", "0", 0, {old, "被保护物的高度超过了避雷线的高度!", false, 3}},
        {"-1", "0", "0", 0, {old, "避雷线支点高度数值无效!", true, 0}}, // the check leaves the flag alone
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.h << " " << r.f << " " << r.hx << " class " << r.cls);
        inputs(r.h, r.f, r.hx, r.cls);
        expectComputation("cmdOneStrip", "txtOneStripIn", "txtOneStripOut", r.shown);
    }
    // After the stop at twice the radius the values of the last completed computation stay.
    EXPECT_DOUBLE_EQ(state().m_zoneTopHeight, 15.0);
    EXPECT_TRUE(services::g_acadApp.isNothing());
}

TEST_F(OneStripTyped, DrawsThePlansAndTheSectionAtThePickedPoint)
{
    struct Row { const char* what; int button; const char* prompt; std::vector<Expected> drawn; };
    const double a = 56.5685, t = 8.5685;
    const Row rows[] = {
        {"ground range", 1, "指定避雷线一端的平面安装位置: ",
         {arc(1, 0, 0, a, -a, 0, a, 0), arc(1, 0, 70, a, a, 70, -a, 70), line(1, -a, 0, -a, 70), line(1, a, 0, a, 70)}},
        {"target range", 2, "指定避雷线一端的平面安装位置: ",
         {arc(6, 0, 0, t, -t, 0, t, 0), arc(6, 0, 70, t, t, 70, -t, 70), line(6, -t, 0, -t, 70), line(6, t, 0, t, 70)}},
        {"section", 3, "指定剖面图位置: ",
         {arc(1, -a, 60, 60, -a, 0, 0, 40), arc(1, a, 60, 60, 0, 40, a, 0), line(7, -a, 0, a, 0), line(7, -a, 24, a, 24),
          circle(1, 0, 40, 0.05)}},
    };
    startDrawing();
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        picks->point(100, 200, 5);
        press("cmdOneStrip", r.button);
        EXPECT_EQ(picks->prompts().last(), QString::fromUtf8(r.prompt));
        expectEntities(r.drawn, 100, 200);
        for (const cad::EntityData& e : entities())
            EXPECT_EQ(e.kind == EntityKind::Line ? e.start[2] : e.center[2], 5.0);
        EXPECT_TRUE(services::g_acadApp.isNothing()); // released at the normal end
        saveForLooking(r.what);
        cad::ModelSpace ms = doc.ModelSpace();
        while (ms.Count() > 0)
            ms.Item(0).Erase();
    }
}

TEST_F(OneStripTyped, TargetRangeWithoutZoneIsRefusedBeforeConnecting)
{
    startDrawing();
    inputs("45", "0", "15");
    press("cmdOneStrip", 2);
    EXPECT_EQ(boxTexts("txtOneStripOut"), texts({"0.000", "25.981", "15.000"}));
    EXPECT_EQ(tip(), tipOf("目标高度无保护范围!"));
    EXPECT_TRUE(services::g_acadApp.isNothing());
    EXPECT_TRUE(picks->prompts().isEmpty());

    // The ground range and the section of the same wire are drawn.
    picks->point(0, 0).point(0, 0);
    press("cmdOneStrip", 1);
    press("cmdOneStrip", 3);
    EXPECT_EQ(entities().size(), 4u + 5u);
}

} // namespace
