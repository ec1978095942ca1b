// Every control of the nineteen panels: name, index, kind, container, caption or text and start state.
#include "app/catalogue_builder.h"
#include "app/panel_catalogue.h"
#include "rods/picked_rod_boxes.h"
#include "rods/three_rod_values.h"
#include "services/earthing_fields.h"
#include "services/rod_fields.h"
#include "services/wire_fields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSet>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

using K = services::ControlKind;

// One control array (or single control when first is -1). texts holds the caption or start text of each
// element (nullptr: not compared); states one letter per element: '.' plain, 'x' ticked or chosen,
// 'd' disabled, 'r' read-only.
struct Expected {
    const char* name;
    int first;
    K kind;
    const char* container;
    std::vector<const char*> texts;
    const char* states = nullptr; // nullptr: all plain
};

const char* const kIn = "参数输入";
const char* const kOut = "计算结果";
const char* const kClass = "建(构)筑物防雷类别";
const char* const kScale = "制图比例";

std::vector<Expected> expectedControls()
{
    std::vector<Expected> t = {
        // The window: frames, pictures, the tip line and the hidden test button.
        {"fraFrame", 0, K::Frame, "client",
         {"主题", "建(构)筑物落雷次数", "选择单支避雷针高度", "单支避雷针", "双支避雷针", "四支等高避雷针矩形布置",
          "单根避雷线", "双根等高避雷线", "建(构)筑物避雷装置设计", "垂直接地极", "水平接地极", "闭合接地网",
          "线路杆塔接地", "图选双支等高避雷针", "图选四支等高避雷针矩形布置", "图选单根避雷线",
          "图选双根等高平行避雷线", "三支等高避雷针正三角布置", "图选三支等高避雷针正三角布置"}},
        {"picShow", 0, K::PictureBox, "client", std::vector<const char*>(19, "")},
        {"lblTips", -1, K::Label, "client", {""}},
        {"cmdTest", -1, K::CommandButton, "client", {"Test"}},

        // Panel 0: the help text.
        {"txtHelp", -1, K::TextBox, "fraFrame(0)", {nullptr}, "r"},

        // Panel 1: annual strike count.
        {"fraNumber", 0, K::Frame, "fraFrame(1)", {"地理位置参数", "校正系数", "建(构)筑物形体参数"}},
        {"lblProvince", -1, K::Label, "fraNumber(0)", {"省份"}},
        {"cboProvince", -1, K::ComboBox, "fraNumber(0)", {""}},
        {"lblCounty", -1, K::Label, "fraNumber(0)", {"地区"}},
        {"cboCounty", -1, K::ComboBox, "fraNumber(0)", {"雷州半岛"}},
        {"lblTD", -1, K::Label, "fraNumber(0)", {"年雷暴日数(天/年)"}},
        {"txtTD", -1, K::TextBox, "fraNumber(0)", {"121"}},
        {"optAdjust", 0, K::OptionButton, "fraNumber(1)",
         {"一般情况(1)", "金属屋面(1.7)", "特别潮湿(1.5)", "孤立建筑(2)"}, "x..."},
        {"optShape", 0, K::OptionButton, "fraNumber(2)", {"长方体", "正圆柱体", "特殊形状"}, "x.."},
        {"lblLength", -1, K::Label, "fraNumber(2)", {"长度(m)"}},
        {"txtLength", -1, K::TextBox, "fraNumber(2)", {"20"}},
        {"lblWidth", -1, K::Label, "fraNumber(2)", {"宽度(m)"}},
        {"txtWidth", -1, K::TextBox, "fraNumber(2)", {"20"}},
        {"lblAltitude", 0, K::Label, "fraNumber(2)", {"高度(m)", "高度(m)"}},
        {"txtAltitude", 0, K::TextBox, "fraNumber(2)", {"20", "20"}, ".d"},
        {"lblRadius", -1, K::Label, "fraNumber(2)", {"半径(m)"}},
        {"txtRadius", -1, K::TextBox, "fraNumber(2)", {"10"}, "d"},
        {"lblArea", -1, K::Label, "fraNumber(2)", {"考虑高度的等效受雷面积(m.m)"}},
        {"txtArea", -1, K::TextBox, "fraNumber(2)", {"16000"}, "d"},
        {"linDivide", 0, K::Label, "fraNumber(2)", {"", ""}},
        {"cmdNumber", -1, K::CommandButton, "fraFrame(1)", {"计算"}},

        // Panel 2: rod height.
        {"fraHeight", 0, K::Frame, "fraFrame(2)", {kIn, kOut}},
        {"lblHeightIn", 0, K::Label, "fraHeight(0)", {"目标与避雷针的距离rx(m)", "目标高度hx(m)"}},
        {"txtHeightIn", 0, K::TextBox, "fraHeight(0)", {"6", "12"}},
        {"lblHeightOut", -1, K::Label, "fraHeight(1)", {"避雷针计算高度h(m)"}},
        {"txtHeightOut", -1, K::TextBox, "fraHeight(1)", {""}, "r"},
        {"cmdHeight", -1, K::CommandButton, "fraFrame(2)", {"计算"}},

        // Panel 3: one rod.
        {"fraOneRod", 0, K::Frame, "fraFrame(3)", {kIn, kOut}},
        {"lblOneRodIn", 0, K::Label, "fraOneRod(0)", {"避雷针高度h(m)", "目标高度hx(m)", kScale}},
        {"txtOneRodIn", 0, K::TextBox, "fraOneRod(0)", {"24", "12", "1:500"}},
        {"chkOneRodIn", 0, K::CheckBox, "fraOneRod(0)", {"绘制地面范围", "绘制目标高度范围", "绘制剖面"}, "xx."},
        {"lblOneRodOut", 0, K::Label, "fraOneRod(1)", {"目标高度保护半径rx(m)", "地面保护半径ro(m)"}},
        {"txtOneRodOut", 0, K::TextBox, "fraOneRod(1)", {"", ""}, "rr"},
        {"cmdOneRod", 0, K::CommandButton, "fraFrame(3)", {"计算", "绘图"}},

        // Panel 4: two rods of unequal height.
        {"fraTwoRod", 0, K::Frame, "fraFrame(4)", {kIn, kOut}},
        {"lblTwoRodIn", 0, K::Label, "fraTwoRod(0)",
         {"低避雷针高度h1(m)", "高避雷针高度h2(m)", "目标高度hx(m)", "避雷针间距D(m)", kScale}},
        {"txtTwoRodIn", 0, K::TextBox, "fraTwoRod(0)", {"21", "24", "12", "35", "1:500"}},
        {"lblTwoRodOut", 0, K::Label, "fraTwoRod(1)",
         {"目标高度外围保护半径rx(m)", "地面外围保护半径ro(m)", "等效避雷针距中心最低点的距离(m)",
          "等效避雷针间最低高度(m)", "地面保护范围单侧最小宽度(m)"}},
        {"txtTwoRodOut", 0, K::TextBox, "fraTwoRod(1)", std::vector<const char*>(7, ""), "rrrrrrr"},
        {"cmdTwoRod", 0, K::CommandButton, "fraFrame(4)", {"计算", "绘制地面范围", "绘制目标高度范围", "绘制剖面"}},

        // Panel 5: four rods on a rectangle.
        {"fraFourRod", 0, K::Frame, "fraFrame(5)", {kIn, kOut}},
        {"lblFourRodIn", 0, K::Label, "fraFourRod(0)",
         {"避雷针高度h(m)", "目标高度hx(m)", "避雷针矩形长边边长(m)", "避雷针矩形短边边长(m)", kScale}},
        {"txtFourRodIn", 0, K::TextBox, "fraFourRod(0)", {"21", "12", "50", "25", "1:500"}},
        {"lblFourRodOut", 0, K::Label, "fraFourRod(1)",
         {"目标高度外围保护半径rx(m)", "地面外围保护半径ro(m)", "避雷针保护范围中心最低点高度(m)",
          "对称轴剖面最高点距中心点距离(m)", "对称轴剖面最高点高度(m)"}},
        {"txtFourRodOut", 0, K::TextBox, "fraFourRod(1)", std::vector<const char*>(7, ""), "rrrrrrr"},
        {"cmdFourRod", 0, K::CommandButton, "fraFrame(5)", {"计算", "绘制地面范围", "绘制目标高度范围", "绘制剖面"}},

        // Panel 6: one wire.
        {"fraOneStrip", 0, K::Frame, "fraFrame(6)", {kIn, kOut}},
        {"lblOneStripIn", 0, K::Label, "fraOneStrip(0)",
         {"避雷线支点高度h(m)", "避雷线长度(m)", "避雷线弧垂(m)", "目标高度hx(m)", kScale}},
        {"txtOneStripIn", 0, K::TextBox, "fraOneStrip(0)", {"21", "35", "1", "12", "1:500"}},
        {"lblOneStripOut", 0, K::Label, "fraOneStrip(1)",
         {"目标高度处保护范围单侧宽度bx(m)", "地面保护范围单侧宽度bo(m)", "避雷线保护范围最高点高度(m)"}},
        {"txtOneStripOut", 0, K::TextBox, "fraOneStrip(1)", {"", "", ""}, "rrr"},
        {"cmdOneStrip", 0, K::CommandButton, "fraFrame(6)", {"计算", "绘制地面范围", "绘制目标高度范围", "绘制剖面"}},

        // Panel 7: two parallel wires.
        {"fraTwoStrip", 0, K::Frame, "fraFrame(7)", {kIn, kOut}},
        {"lblTwoStripIn", 0, K::Label, "fraTwoStrip(0)",
         {"避雷线支点高度h(m)", "避雷线长度(m)", "避雷线弧垂(m)", "避雷线间距(m)", "目标高度hx(m)", kScale}},
        {"txtTwoStripIn", 0, K::TextBox, "fraTwoStrip(0)", {"45", "35", "1", "12", "12", "1:500"}},
        {"lblTwoStripOut", 0, K::Label, "fraTwoStrip(1)",
         {"目标高度处保护范围外围单侧宽度bx(m)", "地面保护范围外围单侧宽度bo(m)", "两避雷线间保护范围最低点高度(m)",
          "两避雷线间中线高度内移距离(m)", "保护空间横断面最小单侧宽度(m)"}},
        {"txtTwoStripOut", 0, K::TextBox, "fraTwoStrip(1)", {"", "", "", "", ""}, "rrrrr"},
        {"cmdTwoStrip", 0, K::CommandButton, "fraFrame(7)", {"计算", "绘制地面范围", "绘制目标高度范围", "绘制剖面"}},

        // Panel 8: building design.
        {"fraBuilding", 0, K::Frame, "fraFrame(8)", {kIn, "选点示范"}},
        {"lblBuilding", 0, K::Label, "fraBuilding(0)", {kScale}},
        {"txtBuilding", 0, K::TextBox, "fraBuilding(0)", {"1:500"}},
        {"picBuilding", -1, K::PictureBox, "fraBuilding(1)", {""}},
        {"cmdBuilding", -1, K::CommandButton, "fraFrame(8)", {"绘制剖面"}},

        // Panels 9 to 12: earthing, and the steel-type frame in panel 9 at start.
        {"fraVertical", -1, K::Frame, "fraFrame(9)", {kIn}},
        {"lblVerticality", 0, K::Label, "fraVertical", {"土壤电阻率(Ω.m)", "垂直接地极长度(m)"}},
        {"txtVerticality", 0, K::TextBox, "fraVertical", {"100", "2.5"}},
        {"cmdResistance", 0, K::CommandButton, "fraFrame(9)", {"计算"}},
        {"fraType", -1, K::Frame, "fraFrame(9)", {"钢材型式"}},
        {"imgType", 0, K::Image, "fraType", {"", "", "", ""}, "x..."},
        {"lblType", 0, K::Label, "fraType",
         {"圆钢直径d(mm)", "钢管外径d(mm)", "扁钢宽度b(mm)", "角钢边宽b1(mm)", "角钢边宽b2(mm)"}, "x...."},
        {"txtType", 0, K::TextBox, "fraType", {"10", "32", "40", "50", "50"}, ".dddd"},
        {"fraHorizontal", 0, K::Frame, "fraFrame(10)", {kIn, "水平接地极形状系数"}},
        {"lblHorizontal", 0, K::Label, "fraHorizontal(0)", {"土壤电阻率(Ω.m)", "水平接地极总长(m)", "接地极埋深(m)"}},
        {"txtHorizontal", 0, K::TextBox, "fraHorizontal(0)", {"100", "15", "1"}},
        {"imgShape", 0, K::Image, "fraHorizontal(1)", std::vector<const char*>(10, ""), "x........."},
        {"lblSHape", 0, K::Label, "fraHorizontal(1)",
         {"-0.6", "-0.18", "0", "0.48", "0.89", "1", "2.19", "3.03", "4.71", "5.65"}, "x........."},
        {"cmdResistance", 1, K::CommandButton, "fraFrame(10)", {"计算"}},
        {"fraClose", -1, K::Frame, "fraFrame(11)", {kIn}},
        {"lblGird", 0, K::Label, "fraClose",
         {"土壤电阻率ρ(Ω.m)", "接地网总面积S(m.m)", "接地极埋深h(m)", "外缘边线总长Lo(m)", "水平接地极总长L(m)"}},
        {"txtGird", 0, K::TextBox, "fraClose", {"100", "5000", "1", "300", "1500"}},
        {"cmdResistance", 2, K::CommandButton, "fraFrame(11)", {"计算"}},
        {"fraSupport", 0, K::Frame, "fraFrame(12)", {kIn, "接地装置种类"}},
        {"lblSupport", 0, K::Label, "fraSupport(0)", {"土壤电阻率(Ω.m)", "接地极埋深(m)"}},
        {"txtSupport", 0, K::TextBox, "fraSupport(0)", {"100", "1"}},
        {"lblPic", 0, K::Label, "fraSupport(1)",
         {"铁塔接地装置", "钢筋混凝土杆放射型接地装置", "钢筋混凝土杆环型接地装置"}, "x.."},
        {"picShape", 0, K::PictureBox, "fraSupport(1)", {"", "", ""}, "x.."},
        {"lblL1", -1, K::Label, "fraSupport(1)", {"L1(m)"}},
        {"txtL1", -1, K::TextBox, "fraSupport(1)", {"12"}},
        {"lblL2", -1, K::Label, "fraSupport(1)", {"L2(m)"}},
        {"txtL2", -1, K::TextBox, "fraSupport(1)", {"12"}},
        {"cmdResistance", 3, K::CommandButton, "fraFrame(12)", {"计算"}},

        // Panel 13: two picked rods.
        {"fraTwoRodPicked", 0, K::Frame, "fraFrame(13)", {kIn, kOut}},
        {"lblTwoRodPickedIn", 0, K::Label, "fraTwoRodPicked(0)", {"避雷针高度h(m)", "目标高度hx(m)", kScale}},
        {"txtTwoRodPickedIn", 0, K::TextBox, "fraTwoRodPicked(0)", {"21", "12", "1:500"}},
        {"chkTwoRodPickedIn", 0, K::CheckBox, "fraTwoRodPicked(0)", {"绘制地面范围", "绘制目标高度范围", "绘制剖面"},
         "xx."},
        {"lblTwoRodPickedOut", 0, K::Label, "fraTwoRodPicked(1)",
         {"目标高度外围保护半径rx(m)", "地面外围保护半径ro(m)", "等效避雷针距中心最低点的距离(m)",
          "等效避雷针间最低高度(m)", "地面保护范围单侧最小宽度(m)"}},
        {"txtTwoRodPickedOut", 0, K::TextBox, "fraTwoRodPicked(1)", {"", "", "", "", ""}, "rrrrr"},
        {"cmdTwoRodPicked", 0, K::CommandButton, "fraFrame(13)", {"图选避雷针"}},

        // Panel 14: four picked rods.
        {"fraFourRodPicked", 0, K::Frame, "fraFrame(14)", {kIn, kOut}},
        {"lblFourRodPickedIn", 0, K::Label, "fraFourRodPicked(0)", {"避雷针高度h(m)", "目标高度hx(m)", kScale}},
        {"txtFourRodPickedIn", 0, K::TextBox, "fraFourRodPicked(0)", {"21", "12", "1:500"}},
        {"chkFourRodPickedIn", 0, K::CheckBox, "fraFourRodPicked(0)", {"绘制地面范围", "绘制目标高度范围", "绘制剖面"},
         "xx."},
        {"lblFourRodPickedOut", 0, K::Label, "fraFourRodPicked(1)",
         {"目标高度外围保护半径rx(m)", "地面外围保护半径ro(m)", "避雷针保护范围中心最低点高度(m)",
          "对称轴剖面最高点距中心点距离(m)", "对称轴剖面最高点高度(m)"}},
        {"txtFourRodPickedOut", 0, K::TextBox, "fraFourRodPicked(1)", std::vector<const char*>(7, ""), "rrrrrrr"},
        {"cmdFourRodPicked", 0, K::CommandButton, "fraFrame(14)", {"图选避雷针"}},

        // Panel 15: one picked wire.
        {"fraOneStripPicked", 0, K::Frame, "fraFrame(15)", {kIn, kOut}},
        {"lblOneStripPickedIn", 0, K::Label, "fraOneStripPicked(0)",
         {"避雷线支点高度h(m)", "避雷线弧垂(m)", "目标高度hx(m)", kScale}},
        {"txtOneStripPickedIn", 0, K::TextBox, "fraOneStripPicked(0)", {"21", "1", "12", "1:500"}},
        {"chkOneStripPickedIn", 0, K::CheckBox, "fraOneStripPicked(0)", {"绘制地面范围", "绘制目标高度范围", "绘制剖面"},
         "xx."},
        {"lblOneStripPickedOut", 0, K::Label, "fraOneStripPicked(1)",
         {"目标高度处保护范围单侧宽度bx(m)", "地面保护范围单侧宽度bo(m)", "避雷线保护范围最高点高度(m)"}},
        {"txtOneStripPickedOut", 0, K::TextBox, "fraOneStripPicked(1)", {"", "", ""}, "rrr"},
        {"cmdOneStripPicked", 0, K::CommandButton, "fraFrame(15)", {"图选避雷线"}},

        // Panel 16: two picked wires.
        {"fraTwoStripPicked", 0, K::Frame, "fraFrame(16)", {kIn, kOut}},
        {"lblTwoStripPickedIn", 0, K::Label, "fraTwoStripPicked(0)",
         {"避雷线支点高度h(m)", "避雷线弧垂(m)", "目标高度hx(m)", kScale}},
        {"txtTwoStripPickedIn", 0, K::TextBox, "fraTwoStripPicked(0)", {"45", "1", "12", "1:500"}},
        {"chkTwoStripPickedIn", 0, K::CheckBox, "fraTwoStripPicked(0)", {"绘制地面范围", "绘制目标高度范围", "绘制剖面"},
         "xx."},
        {"lblTwoStripPickedOut", 0, K::Label, "fraTwoStripPicked(1)",
         {"目标高度处保护范围外围单侧宽度bx(m)", "地面保护范围外围单侧宽度bo(m)", "两避雷线间保护范围最低点高度(m)",
          "两避雷线间中线高度内移距离(m)", "保护空间横断面最小单侧宽度(m)"}},
        {"txtTwoStripPickedOut", 0, K::TextBox, "fraTwoStripPicked(1)", {"", "", "", "", ""}, "rrrrr"},
        {"cmdTwoStripPicked", 0, K::CommandButton, "fraFrame(16)", {"图选避雷线"}},

        // Panel 17: three rods on a triangle.
        {"fraThreeRod", 0, K::Frame, "fraFrame(17)", {kIn, kOut}},
        {"lblThreeRodIn", 0, K::Label, "fraThreeRod(0)", {"避雷针高度h(m)", "目标高度hx(m)", "避雷针间距D(m)", kScale}},
        {"txtThreeRodIn", 0, K::TextBox, "fraThreeRod(0)", {"21", "12", "35", "1:500"}},
        {"lblThreeRodOut", 0, K::Label, "fraThreeRod(1)",
         {"目标高度外围保护半径rx(m)", "地面外围保护半径ro(m)", "避雷针保护范围中心最低点高度(m)"}},
        {"txtThreeRodOut", 0, K::TextBox, "fraThreeRod(1)", {"", "", ""}, "rrr"},
        {"cmdThreeRod", 0, K::CommandButton, "fraFrame(17)", {"计算", "绘制地面范围", "绘制目标高度范围", "绘制剖面"}},

        // Panel 18: three picked rods.
        {"fraThreeRodPicked", 0, K::Frame, "fraFrame(18)", {kIn, kOut}},
        {"lblThreeRodPickedIn", 0, K::Label, "fraThreeRodPicked(0)", {"避雷针高度h(m)", "目标高度hx(m)", kScale}},
        {"txtThreeRodPickedIn", 0, K::TextBox, "fraThreeRodPicked(0)", {"21", "12", "1:500"}},
        {"chkThreeRodPickedIn", 0, K::CheckBox, "fraThreeRodPicked(0)", {"绘制地面范围", "绘制目标高度范围", "绘制剖面"},
         "xx."},
        {"lblThreeRodPickedOut", 0, K::Label, "fraThreeRodPicked(1)",
         {"目标高度外围保护半径rx(m)", "地面外围保护半径ro(m)", "避雷针保护范围中心最低点高度(m)"}},
        {"txtThreeRodPickedOut", 0, K::TextBox, "fraThreeRodPicked(1)", {"", "", ""}, "rrr"},
        {"cmdThreeRodPicked", 0, K::CommandButton, "fraFrame(18)", {"图选避雷针"}},
    };
    // The class combos: element i in the input frame of panel kClassFrame[i].
    const char* const classFrames[13] = {"fraBuilding(0)",    "fraHeight(0)",         "fraOneRod(0)",
                                         "fraTwoRod(0)",      "fraFourRod(0)",        "fraOneStrip(0)",
                                         "fraTwoStrip(0)",    "fraTwoRodPicked(0)",   "fraFourRodPicked(0)",
                                         "fraOneStripPicked(0)", "fraTwoStripPicked(0)", "fraThreeRod(0)",
                                         "fraThreeRodPicked(0)"};
    for (int i = 0; i < 13; ++i) {
        t.push_back({"lblClass", i, K::Label, classFrames[i], {kClass}});
        t.push_back({"comClass", i, K::ComboBox, classFrames[i], {""}});
    }
    return t;
}

struct Actual {
    QString text;
    bool chosen = false;
    bool readOnly = false;
};

Actual actualOf(const services::Control& c)
{
    QWidget* w = c.widget();
    Actual a;
    if (auto* f = qobject_cast<QGroupBox*>(w)) {
        a.text = f->title();
    } else if (auto* l = qobject_cast<QLabel*>(w)) {
        a.text = l->text();
        a.chosen = c.kind == K::Label ? l->palette().color(QPalette::WindowText) == QColor::fromRgb(app::kChosenCaptionRgb)
                                      : l->frameShape() == QFrame::Box;
    } else if (auto* t = qobject_cast<QLineEdit*>(w)) {
        a.text = t->text();
        a.readOnly = t->isReadOnly();
    } else if (auto* p = qobject_cast<QPlainTextEdit*>(w)) {
        a.text = p->toPlainText();
        a.readOnly = p->isReadOnly();
    } else if (auto* cb = qobject_cast<QComboBox*>(w)) {
        a.text = cb->currentText();
    } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        a.text = b->text();
        a.chosen = b->isCheckable() && b->isChecked();
    }
    return a;
}

class CatalogueTable : public ::testing::Test {
protected:
    void SetUp() override
    {
        client.setObjectName(QStringLiteral("client"));
        app::buildControls(&client, app::panelCatalogue(), registry);
    }
    QWidget client;
    services::ControlRegistry registry;
};

TEST_F(CatalogueTable, EveryControlHasItsNameIndexKindContainerTextAndStartState)
{
    QSet<QString> expectedKeys;
    for (const Expected& e : expectedControls()) {
        for (int k = 0; k < static_cast<int>(e.texts.size()); ++k) {
            const std::optional<int> index = e.first < 0 ? std::nullopt : std::optional<int>(e.first + k);
            const QString key = index ? QStringLiteral("%1(%2)").arg(QLatin1String(e.name)).arg(*index)
                                      : QString::fromLatin1(e.name);
            SCOPED_TRACE(key.toStdString());
            EXPECT_FALSE(expectedKeys.contains(key)) << "listed twice";
            expectedKeys.insert(key);

            const services::Control* c = registry.find(QString::fromLatin1(e.name), index);
            ASSERT_NE(c, nullptr) << "missing";
            EXPECT_EQ(c->name, QString::fromLatin1(e.name)) << "name spelt otherwise";
            EXPECT_EQ(services::kindName(c->kind), services::kindName(e.kind));
            ASSERT_NE(c->widget(), nullptr);
            EXPECT_EQ(c->widget()->parentWidget()->objectName(), QString::fromLatin1(e.container));

            const Actual a = actualOf(*c);
            if (e.texts[k]) {
                EXPECT_EQ(a.text, QString::fromUtf8(e.texts[k]));
            }
            const char state = e.states ? e.states[k] : '.';
            EXPECT_EQ(a.chosen, state == 'x');
            EXPECT_EQ(c->widget()->isEnabled(), state != 'd');
            EXPECT_EQ(a.readOnly, state == 'r');
        }
    }
    // Nothing beyond the tables.
    for (const services::Control& c : registry.all()) {
        const QString key = c.index ? QStringLiteral("%1(%2)").arg(c.name).arg(*c.index) : c.name;
        EXPECT_TRUE(expectedKeys.contains(key)) << "unexpected control " << key.toStdString();
    }
    EXPECT_EQ(registry.all().size(), expectedKeys.size());
}

// Every box a panel's field table names is a control of the catalogue: a text box, or the class combo.
TEST_F(CatalogueTable, EveryFieldOfThePanelTablesNamesAControl)
{
    std::vector<services::PanelField> fields;
    const auto take = [&](const auto& table) {
        for (const auto key : table.keys())
            fields.push_back(table[key]);
    };
    take(services::typedOneStripBoxes());
    take(services::pickedOneStripBoxes());
    take(services::typedTwoWireBoxes());
    take(services::pickedTwoWireBoxes());
    for (const char* inputs : {"txtOneRodIn", "txtTwoRodPickedIn", "txtThreeRodPickedIn", "txtFourRodPickedIn"})
        take(services::rodInputs(QString::fromLatin1(inputs)));
    take(services::twoRodBoxes());
    take(services::typedThreeRodBoxes());
    take(rods::pickedThreeRodBoxes());
    take(services::fourRodBoxes());
    take(rods::twoRodPickedBoxes());
    take(rods::fourRodPickedBoxes());
    take(services::rodHeightBoxes());
    take(services::buildingBoxes());
    for (int panel = 0; panel < 4; ++panel)
        take(services::earthingFields(panel));
    for (const services::PanelField& f : fields) {
        SCOPED_TRACE(testing::Message() << f.name.toStdString() << "(" << f.index.value_or(-1) << ")");
        if (f.name == QStringLiteral("comClass"))
            EXPECT_NE(registry.comboBox(f.name, f.index), nullptr);
        else
            EXPECT_NE(registry.textBox(f.name, f.index), nullptr);
    }
}

TEST_F(CatalogueTable, RegistryKeepsTheCatalogueOrderWithContainersFirst)
{
    const auto& rows = app::panelCatalogue();
    ASSERT_EQ(registry.all().size(), static_cast<qsizetype>(rows.size()));
    QSet<QString> seen;
    for (size_t i = 0; i < rows.size(); ++i) {
        const services::Control& c = registry.all()[static_cast<qsizetype>(i)];
        EXPECT_EQ(c.name, rows[i].name);
        EXPECT_EQ(c.index.value_or(-1), rows[i].index);
        if (!rows[i].container.isEmpty()) {
            EXPECT_TRUE(seen.contains(c.widget()->parentWidget()->objectName())) << rows[i].name.toStdString();
        }
        seen.insert(c.widget()->objectName());
    }
}

TEST_F(CatalogueTable, ProvinceListHasTheThirtyFourProvincesInOrderAndNoneChosen)
{
    QComboBox* province = registry.comboBox(QStringLiteral("cboProvince"));
    ASSERT_NE(province, nullptr);
    ASSERT_EQ(province->count(), 34);
    EXPECT_EQ(province->itemText(0), QString::fromUtf8("北京市"));
    EXPECT_EQ(province->itemText(4), QString::fromUtf8("内蒙古自治区"));
    EXPECT_EQ(province->itemText(20), QString::fromUtf8("广西壮族自治区"));
    EXPECT_EQ(province->itemText(30), QString::fromUtf8("新疆维吾尔自治区"));
    EXPECT_EQ(province->itemText(33), QString::fromUtf8("台湾省"));
    EXPECT_EQ(province->currentIndex(), -1);
    EXPECT_FALSE(province->isEditable());

    QComboBox* county = registry.comboBox(QStringLiteral("cboCounty"));
    ASSERT_NE(county, nullptr);
    EXPECT_TRUE(county->isEditable());
    EXPECT_EQ(county->count(), 0);
    for (int i = 0; i < 13; ++i) {
        QComboBox* c = registry.comboBox(QStringLiteral("comClass"), i);
        ASSERT_NE(c, nullptr);
        EXPECT_FALSE(c->isEditable()) << i;
        EXPECT_EQ(c->count(), 0) << "the window fills the class combos at start-up";
    }
}

TEST_F(CatalogueTable, ClassAndProvinceCombosUseTheBoldSansFace)
{
    QWidget* province = registry.widget(QStringLiteral("cboProvince"));
    QWidget* cls = registry.widget(QStringLiteral("comClass"), 5);
    QWidget* county = registry.widget(QStringLiteral("cboCounty"));
    for (QWidget* w : {province, cls}) {
        EXPECT_TRUE(w->font().bold());
        EXPECT_DOUBLE_EQ(w->font().pointSizeF(), 8.25);
    }
    EXPECT_FALSE(county->font().bold());
    EXPECT_DOUBLE_EQ(county->font().pointSizeF(), 10.5);
    EXPECT_DOUBLE_EQ(registry.widget(QStringLiteral("lblTips"))->font().pointSizeF(), 10.5);
}

} // namespace
