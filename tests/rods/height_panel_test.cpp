// The rod-height panel through the real window: worked heights, and the boxes marked for refusals.
#include "rod_window.h"

namespace {

using namespace rodtest;

class HeightPanel : public RodWindow {};

TEST_F(HeightPanel, ComputesOrMarksTheBoxAtFault)
{
    window->menuCommand(QStringLiteral("mnuOneRodHeight"));
    const char* tooHigh = "被保护物高度不应超过所选Hr的两倍!";
    const char* tooFar = "可能目标与避雷针的距离rx过大,或目标高度过大!";
    struct Row {
        const char *rx, *hx;
        int cls; // -1: no class selected (Hr 0)
        const char *h, *tip;
        int marked = -1;
    };
    const Row rows[] = {
        {"6", "12", 0, "30.000", ""},
        {"6", "12", 1, "18.811", ""},
        {"6", "12", 2, "17.151", ""},
        {"6", "0", 0, "0.606", ""},
        {"0", "12", 0, "12.000", ""},
        {"0", "0", 0, "0.000", ""},
        {"10", "30", 0, "old", tooFar, 0},
        {"6", "70", 0, "old", tooHigh, 1},
        // The formula's 0.606 would be a rod far lower than the 60 m object: refused on the target height.
        {"6", "60", 0, "old", tooFar, 1},
        {"6", "5", -1, "old", tooHigh, 1},
        {"6", "0", -1, "old", tooFar, 0},
        {"0", "0", -1, "0.000", ""},
        {"-1", "12", 0, "old", "目标与避雷针的距离数值无效!", 0},
        {"6", "x", 0, "old", "被保护物高度数值无效!", 1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.rx << " " << r.hx << " class " << r.cls);
        window->ShowMsg(QString());
        box("txtHeightOut")->setText(QStringLiteral("old"));
        type("txtHeightIn", 0, r.rx);
        type("txtHeightIn", 1, r.hx);
        setClass(1, r.cls);
        press("cmdHeight");
        EXPECT_EQ(text("txtHeightOut"), QString::fromUtf8(r.h));
        EXPECT_EQ(tip(), tipOf(r.tip));
        if (r.marked >= 0)
            expectMarked("txtHeightIn", r.marked);
    }
}

TEST_F(HeightPanel, LeavesTheTipAndTheSharedStateAlone)
{
    window->ShowMsg(QStringLiteral("earlier!"));
    state().m_sphereRadius = 45;
    state().m_computed = true;
    press("cmdHeight");
    EXPECT_EQ(text("txtHeightOut"), QStringLiteral("30.000"));
    EXPECT_EQ(tip(), tipOf("earlier!"));
    EXPECT_EQ(state().m_sphereRadius, 45.0);
    EXPECT_TRUE(state().m_computed);
}

} // namespace
