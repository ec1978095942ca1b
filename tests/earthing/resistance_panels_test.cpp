// The four earthing panels through the real window: worked values, field messages, wrong results.
#include "window_fixture.h"

#include <QString>
#include <vector>

namespace {

struct Edit {
    const char* box;
    std::optional<int> index;
    const char* text;
};

struct Click {
    const char* name;
    int index;
};

// One calculation: picks and typed values on top of the defaults, then the tip line it gives and,
// for a message, the box it marks.
struct Row {
    const char* what;
    std::vector<Click> clicks;
    std::vector<Edit> edits;
    const char* tip;
    const char* marked = nullptr;
    std::optional<int> markedIndex = std::nullopt;
};

class ResistancePanels : public EarthingWindow {
protected:
    void run(const char* menu, int button, const std::vector<Row>& rows)
    {
        for (const Row& row : rows) {
            SetUp(); // a fresh window with the defaults for every row
            window->menuCommand(QString::fromUtf8(menu));
            for (const Click& c : row.clicks)
                click(c.name, c.index);
            for (const Edit& e : row.edits)
                type(e.box, e.index, e.text);
            clearTip();
            calculate(button);
            EXPECT_EQ(tip(), QString::fromUtf8(row.tip)) << row.what;
            if (row.marked)
                expectMarked(row.marked, row.markedIndex);
        }
    }
};

} // namespace

TEST_F(ResistancePanels, VerticalElectrode)
{
    run("mnuVerticality", 0,
        {
            {"circular bar 10 mm", {}, {}, "提示: 垂直接地极的工频接地电阻: 42.023Ω!"},
            {"steel pipe 32 mm", {{"imgType", 1}}, {}, "提示: 垂直接地极的工频接地电阻: 34.618Ω!"},
            {"flat steel by its caption", {{"lblType", 2}}, {}, "提示: 垂直接地极的工频接地电阻: 37.610Ω!"},
            {"angle steel by its b2 caption", {{"lblType", 4}}, {}, "提示: 垂直接地极的工频接地电阻: 32.854Ω!"},
            {"no resistivity", {}, {{"txtVerticality", 0, "0"}}, "提示: 垂直接地极的工频接地电阻: 0.000Ω!"},
            {"empty length, from the check", {}, {{"txtVerticality", 1, ""}}, "提示: 垂直接地极长度数值无效!",
             "txtVerticality", 1},
            {"rod with 8L/d below e gives no negative resistance", {}, {{"txtVerticality", 1, "0.001"}},
             "提示: 垂直接地极长度数值无效!", "txtVerticality", 1},
            {"overflowing length", {}, {{"txtVerticality", 1, "1e307"}}, "提示: 垂直接地极长度数值无效!",
             "txtVerticality", 1},
            {"overflowing resistivity", {}, {{"txtVerticality", 0, "1e308"}}, "提示: 土壤电阻率数值无效!",
             "txtVerticality", 0},
            {"bar of 0 mm", {}, {{"txtType", 0, "0"}}, "提示: 圆钢直径d数值无效!", "txtType", 0},
            {"bar of -5 mm", {}, {{"txtType", 0, "-5"}}, "提示: 圆钢直径d数值无效!", "txtType", 0},
            {"angle with both legs empty names b1", {{"imgType", 3}}, {{"txtType", 3, ""}, {"txtType", 4, ""}},
             "提示: 角钢边宽b1数值无效!", "txtType", 3},
            {"angle leg overflowing", {{"imgType", 3}}, {{"txtType", 4, "1e300"}}, "提示: 角钢边宽b2数值无效!",
             "txtType", 4},
            {"bad size of a steel not chosen is never read", {}, {{"txtType", 2, "abc"}},
             "提示: 垂直接地极的工频接地电阻: 42.023Ω!"},
        });
}

TEST_F(ResistancePanels, HorizontalElectrode)
{
    run("mnuHorizontal", 1,
        {
            {"straight bar, A = -0.6", {}, {}, "提示: 水平接地极的工频接地电阻: 9.996Ω!"},
            {"three arms, A = 0", {{"imgShape", 2}}, {}, "提示: 水平接地极的工频接地电阻: 10.633Ω!"},
            {"eight arms, A = 5.65", {{"imgShape", 9}}, {}, "提示: 水平接地极的工频接地电阻: 16.628Ω!"},
            {"five arms by the caption 2.19", {{"lblSHape", 6}}, {}, "提示: 水平接地极的工频接地电阻: 12.957Ω!"},
            {"no resistivity", {}, {{"txtHorizontal", 0, "0"}}, "提示: 水平接地极的工频接地电阻: 0.000Ω!"},
            {"depth 0, from the check", {}, {{"txtHorizontal", 2, "0"}}, "提示: 接地极埋深数值无效!", "txtHorizontal",
             2},
            {"electrode shorter than its section", {}, {{"txtHorizontal", 1, "0.01"}}, "提示: 水平接地极总长数值无效!",
             "txtHorizontal", 1},
            {"length squared overflowing", {}, {{"txtHorizontal", 1, "1e200"}}, "提示: 水平接地极总长数值无效!",
             "txtHorizontal", 1},
        });
}

TEST_F(ResistancePanels, ClosedGrid)
{
    run("mnuGird", 2,
        {
            {"defaults", {}, {}, "提示: 闭合接地网的工频接地电阻: 0.634Ω!"},
            {"no resistivity", {}, {{"txtGird", 0, "0"}}, "提示: 闭合接地网的工频接地电阻: 0.000Ω!"},
            {"area 0, from the check", {}, {{"txtGird", 1, "0"}}, "提示: 接地网总面积S数值无效!", "txtGird", 1},
            {"perimeter shorter than a circle's", {}, {{"txtGird", 3, "70"}}, "提示: 外缘边线总长Lo数值无效!",
             "txtGird", 3},
            {"grid too small for its depth", {}, {{"txtGird", 1, "0.01"}, {"txtGird", 3, "0.4"}, {"txtGird", 4, "0.01"}},
             "提示: 接地网总面积S数值无效!", "txtGird", 1},
            {"overflowing resistivity", {}, {{"txtGird", 0, "1e308"}}, "提示: 土壤电阻率数值无效!", "txtGird", 0},
        });
}

TEST_F(ResistancePanels, TowerEarthing)
{
    run("mnuSupport", 3,
        {
            {"steel tower", {}, {}, "提示: 杆塔水平接地装置的工频接地电阻: 2.569Ω!"},
            {"radial pole", {{"picShape", 1}}, {}, "提示: 杆塔水平接地装置的工频接地电阻: 3.924Ω!"},
            {"ring pole by its caption", {{"lblPic", 2}}, {}, "提示: 杆塔水平接地装置的工频接地电阻: 4.426Ω!"},
            {"ring pole without L1", {{"picShape", 2}}, {{"txtL1", std::nullopt, "0"}},
             "提示: 杆塔水平接地装置的工频接地电阻: 2.443Ω!"},
            {"too short is clamped to 0", {}, {{"txtL1", std::nullopt, "0.0001"}, {"txtL2", std::nullopt, "0.0001"}},
             "提示: 杆塔水平接地装置的工频接地电阻: 0.000Ω!"},
            {"both lengths 0", {}, {{"txtL1", std::nullopt, "0"}, {"txtL2", std::nullopt, "0"}}, "提示: 长度数值无效!",
             "txtL2", std::nullopt},
            {"overflowing L2", {}, {{"txtL2", std::nullopt, "1e300"}}, "提示: L2长度数值无效!", "txtL2",
             std::nullopt},
        });
}

TEST_F(EarthingWindow, SteelChosenOnOnePanelHoldsOnTheOthers)
{
    click("imgType", 1);
    window->menuCommand(QStringLiteral("mnuSupport"));
    EXPECT_EQ(widget("fraType")->parentWidget(), widget("fraFrame", 12));
    calculate(3);
    // The steel tower with a 32 mm pipe.
    EXPECT_EQ(tip(), QString::fromUtf8("提示: 杆塔水平接地装置的工频接地电阻: 2.376Ω!"));
}
