// The picked rod groups' fall-back to single rods: which rods are drawn, the panels' boxes, the tip line.
#include "picked_rod_window.h"

#include "rods/picked_fallbacks.h"

namespace {

using namespace rodtest;

class PickedFallBacks : public PickedRodWindow {
protected:
    // Rod positions drawn, one per single-rod run (its ground circle, colour 1).
    std::vector<cad::Point> rodsDrawn()
    {
        std::vector<cad::Point> out;
        for (const auto& e : entities())
            if (e.kind == cad::EntityKind::Circle && e.color == 1)
                out.push_back(e.center);
        return out;
    }
};

TEST_F(PickedFallBacks, EachRodIsComparedWithTheRodDrawnLast)
{
    const cad::Point a{100, 100, 0}, b{300, 100, 0}, b2{300, 100, 5};
    struct Row {
        const char* what;
        bool four;
        std::vector<cad::Point> rods;
        std::vector<cad::Point> drawn;
    };
    const Row rows[] = {
        {"three A B A", false, {a, b, a}, {a, b, a}},
        {"three A A B", false, {a, a, b}, {a, b}},
        {"three differing in z only", false, {a, b, b2}, {a, b, b2}},
        {"four A B A B", true, {a, b, a, b}, {a, b, a, b}},
        {"four A A A A", true, {a, a, a, a}, {a}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        startDrawing();
        const char* out = r.four ? "txtFourRodPickedOut" : "txtThreeRodPickedOut";
        fillBoxes(out, "old");
        cad::Point* points[4] = {&state().m_point1, &state().m_point2, &state().m_point3, &state().m_point4};
        for (std::size_t i = 0; i < r.rods.size(); ++i)
            *points[i] = r.rods[i];

        const QString msg = QString::fromUtf8("间距均较大, 已按单针计算!");
        if (r.four)
            rods::FourRodPickedAsSingle(*window, msg);
        else
            rods::ThreeRodPickedAsSingle(*window, msg);

        EXPECT_EQ(rodsDrawn(), r.drawn);
        EXPECT_EQ(state().m_point1, r.drawn.back());
        EXPECT_EQ(tip(), QString::fromUtf8("提示: ") + msg);
        EXPECT_FALSE(state().m_presetThreeRod || state().m_presetFourRod[0] || state().m_presetTwoRod);
        // The caller's rx and r0 stay; the group's own values are reset.
        QStringList shown{QStringLiteral("old"), QStringLiteral("old")};
        while (shown.size() < (r.four ? 7 : 3))
            shown << (r.four ? QString() : QStringLiteral("0.000"));
        EXPECT_EQ(boxTexts(out), shown);
        endEngine();
    }
}

TEST_F(PickedFallBacks, TheOneRodPanelTakesTheGroupsInputs)
{
    startDrawing();
    typeBoxes("txtFourRodPickedIn", {"35", "10", "1:1000"});
    setClass(8, 2);
    tick("chkFourRodPickedIn", 1, false);
    state().m_point1 = state().m_point2 = state().m_point3 = state().m_point4 = {0, 0, 0};
    rods::FourRodPickedAsSingle(*window, QStringLiteral("msg"));
    EXPECT_EQ(text("txtOneRodIn", 0), QStringLiteral("35"));
    EXPECT_EQ(text("txtOneRodIn", 2), QStringLiteral("1:1000"));
    EXPECT_EQ(controls().comboBox(QStringLiteral("comClass"), 2)->currentIndex(), 2);
    EXPECT_FALSE(controls().checkBox(QStringLiteral("chkOneRodIn"), 1)->isChecked());
    // One ground circle only: W(35) at Hr 60 is 54.544 m, 1 unit per metre at 1:1000.
    const auto drawn = entities();
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_NEAR(drawn[0].radius, 54.544, 0.0015);
}

} // namespace
