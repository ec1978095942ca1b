// The two-rod panel through the real window: worked values, plan outlines split and joined, the section.
#include "rod_window.h"

namespace {

using namespace rodtest;

class TwoRodPanel : public RodWindow {
protected:
    void SetUp() override
    {
        RodWindow::SetUp();
        window->menuCommand(QStringLiteral("mnuTwoRod"));
    }
    void inputs(const char* h1, const char* h2, const char* hx, const char* d, int cls = 0)
    {
        typeBoxes("txtTwoRodIn", {h1, h2, hx, d});
        setClass(3, cls);
    }
};

TEST_F(TwoRodPanel, ComputesTheJointZoneOrStops)
{
    const char* unsuitable = "避雷针高度选择不当!";
    struct Row {
        const char *h1, *h2, *hx, *d;
        int cls;
        Computation shown; // boxes: rx1, rx2, r01, r02, axis gap, h0, b0
    };
    const Row rows[] = {
        {"21", "24", "12", "35", 0, {texts({"4.618", "5.394", "28.618", "29.394", "6.416", "10.891", "23.127"}), "", true}},
        {"21", "24", "12", "35", 1, {texts({"7.472", "9.205", "38.066", "39.799", "0.000", "16.391", "34.735"}), "", true}},
        {"35", "40", "12", "35", 0, {texts({"6.000", "6.000", "30.000", "30.000", "0.000", "12.500", "24.367"}),
         "高避雷针超过30米部分无效!", true}},
        {"20", "30", "12", "5", 0, {texts({"4.284", "6.000", "28.284", "30.000", "0.000", "17.500", "27.272"}), "", true}},
        {"21", "24", "12", "60", 0, {texts({"old", "old", "old", "old", "old", "old", "old"}),
         "避雷针间距过大,两针宜独立计算!", false, 3}},
        {"1", "30", "0", "5", 0, {texts({"old", "old", "old", "old", "old", "old", "old"}), unsuitable, false, 0}},
        // The waist and the lowest height are shown before the gap test stops.
        {"50", "50", "45", "20", 0, {texts({"old", "old", "old", "old", "old", "20.000", "28.284"}), unsuitable, false, 0}},
        {"24", "21", "12", "35", 0, {texts({"old", "old", "old", "old", "old", "old", "old"}),
         "高、低避雷针的数值输入错位!", true, 0}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.h1 << " " << r.h2 << " " << r.hx << " " << r.d << " class " << r.cls);
        inputs(r.h1, r.h2, r.hx, r.d, r.cls);
        expectComputation("cmdTwoRod", "txtTwoRodIn", "txtTwoRodOut", r.shown);
    }
}

TEST_F(TwoRodPanel, DrawsPlanOutlinesAndSection)
{
    const double px = 1000, py = 500;
    struct Row {
        const char* what;
        const char *h1, *h2;
        int cls, element;
        const char* hx;
        QString prompt;
        std::vector<Expected> drawn; // about the picked point (1000, 500)
    };
    const QString rodPrompt = QString::fromUtf8("指定左侧避雷针平面安装位置: ");
    const QString sectionPrompt = QString::fromUtf8("指定剖面图位置: ");
    const std::vector<Row> rows = {
        {"ground outline", "21", "24", 0, 1, "12", rodPrompt,
         {arc(1, 0, 0, 57.236, 33.714, 46.253, 33.714, -46.253), arc(1, 70, 0, 58.788, 33.714, -46.253, 33.714, 46.253)}},
        {"target outline split", "21", "24", 0, 2, "12", rodPrompt,
         {arc(6, 0, 0, 9.236, 5.441, 7.464, 5.441, -7.464), arc(6, 70, 0, 10.788, 63.341, -8.488, 63.341, 8.488),
          arc(6, 33.714, 46.253, 48, 5.441, 7.464, 20.883, 0), arc(6, 33.714, 46.253, 48, 46.546, 0, 63.341, 8.488),
          arc(6, 33.714, -46.253, 48, 20.883, 0, 5.441, -7.464),
          arc(6, 33.714, -46.253, 48, 63.341, -8.488, 46.546, 0)}},
        {"target outline joined", "21", "24", 1, 2, "12", rodPrompt,
         {arc(6, 0, 0, 14.943, 6.113, 13.636, 6.113, -13.636), arc(6, 70, 0, 18.411, 61.013, -16.068, 61.013, 16.068),
          arc(6, 31.143, 69.470, 61.188, 6.113, 13.636, 61.013, 16.068),
          arc(6, 31.143, -69.470, 61.188, 61.013, -16.068, 6.113, -13.636)}},
        {"section", "21", "24", 0, 3, "12", sectionPrompt,
         {line(1, 0, 0, 0, 42), line(1, 70, 0, 70, 48), arc(1, -57.236, 60, 60, -57.236, 0, 0, 42),
          arc(1, 128.788, 60, 60, 70, 48, 128.788, 0), arc(1, 33.714, 60, 38.218, 0, 42, 70, 48),
          line(7, -57.236, 0, 128.788, 0), line(7, -57.236, 24, 128.788, 24),
          arc(1, 276.788, 60, 60, 228.788, 24, 276.788, 0), line(7, 228.788, 0, 276.788, 0)}},
        {"section of rods taller than Hr", "35", "40", 0, 3, "12", sectionPrompt,
         {line(1, 0, 0, 0, 70), line(1, 70, 0, 70, 80), arc(1, -60, 60, 60, -60, 0, 0, 60),
          arc(1, 130, 60, 60, 70, 60, 130, 0), arc(1, 35, 60, 35, 0, 60, 70, 60), line(7, -60, 0, 130, 0),
          line(7, -60, 24, 130, 24), arc(1, 278, 60, 60, 230, 24, 278, 0), line(7, 230, 0, 278, 0)}},
        // At the ground the outline at hx repeats the ground arcs in colour 6; the joined waist arcs
        // have radius 0 and are not drawn.
        {"target outline at hx 0", "21", "24", 0, 2, "0", rodPrompt,
         {arc(6, 0, 0, 57.236, 33.714, 46.253, 33.714, -46.253), arc(6, 70, 0, 58.788, 33.714, -46.253, 33.714, 46.253)}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        startDrawing();
        picks->point(px, py);
        inputs(r.h1, r.h2, r.hx, "35", r.cls);
        press("cmdTwoRod", r.element);
        EXPECT_EQ(picks->prompts(), QStringList{r.prompt});
        expectEntities(r.drawn, px, py);
        EXPECT_TRUE(services::g_acadApp.isNothing());
        saveForLooking(r.what);
        endEngine();
    }
}

} // namespace
