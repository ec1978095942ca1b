// The catalogue of the building panels: the annual strike count and the outline design.
#include "app/panel_catalogue_rows.h"

namespace app::catalogue {

namespace {

// Each province is also the name of a sheet of the thunderstorm-day workbook.
const char* const kProvinces[] = {
    "北京市", "天津市", "河北省", "山西省", "内蒙古自治区", "辽宁省", "吉林省", "黑龙江省", "上海市",
    "江苏省", "浙江省", "安徽省", "福建省", "江西省", "山东省", "河南省", "湖北省", "湖南省", "广东省",
    "海南省", "广西壮族自治区", "四川省", "重庆市", "贵州省", "云南省", "西藏自治区", "陕西省", "甘肃省",
    "青海省", "宁夏回族自治区", "新疆维吾尔自治区", "香港特别行政区", "澳门特别行政区", "台湾省",
};

QStringList provinces()
{
    QStringList list;
    for (const char* p : kProvinces)
        list << u8(p);
    return list;
}

// A caption and its box side by side, the caption right-aligned against the box.
void pair(Rows& c, const QString& label, int labelIndex, const QString& box, int boxIndex, const In& in,
          const char* caption, const char* text, int left, int labelWidth, int boxWidth, int top,
          unsigned boxFlags = NoFlags)
{
    add(c, label, labelIndex, Kind::Label, in, u8(caption), left, top, labelWidth, layout::kRowHeight,
        RightAligned);
    add(c, box, boxIndex, Kind::TextBox, in, u8(text), left + labelWidth + 60, top, boxWidth, layout::kRowHeight,
        boxFlags);
}

} // namespace

void strikeCountPanel(Rows& c)
{
    const In panel{QStringLiteral("fraFrame"), 1};
    const QString fra = QStringLiteral("fraNumber");

    const In place{fra, 0};
    add(c, fra, 0, Kind::Frame, panel, u8("地理位置参数"), 90, 285, 4260, 1560);
    add(c, QStringLiteral("lblProvince"), -1, Kind::Label, place, u8("省份"), 90, 330, 1800, 300, RightAligned);
    add(c, QStringLiteral("cboProvince"), -1, Kind::ComboBox, place, {}, 1950, 330, 2160, 300, NoFlags,
        FontKind::BoldSans, provinces());
    add(c, QStringLiteral("lblCounty"), -1, Kind::Label, place, u8("地区"), 90, 720, 1800, 300, RightAligned);
    add(c, QStringLiteral("cboCounty"), -1, Kind::ComboBox, place, u8("雷州半岛"), 1950, 720, 2160, 300, Editable);
    add(c, QStringLiteral("lblTD"), -1, Kind::Label, place, u8("年雷暴日数(天/年)"), 90, 1110, 1800, 300,
        RightAligned);
    add(c, QStringLiteral("txtTD"), -1, Kind::TextBox, place, u8("121"), 1950, 1110, 2160, 300);

    const In adjust{fra, 1};
    add(c, fra, 1, Kind::Frame, panel, u8("校正系数"), 4440, 285, 2940, 1560);
    const char* const factors[4] = {"一般情况(1)", "金属屋面(1.7)", "特别潮湿(1.5)", "孤立建筑(2)"};
    for (int i = 0; i < 4; ++i)
        add(c, QStringLiteral("optAdjust"), i, Kind::OptionButton, adjust, u8(factors[i]), 360, 300 + i * 300,
            2400, 270, i == 0 ? Ticked : NoFlags);

    // Three rows, one per shape; only the boxes of the chosen shape take input.
    const In shape{fra, 2};
    add(c, fra, 2, Kind::Frame, panel, u8("建(构)筑物形体参数"), 90, 1935, 7290, 3420);
    const int rows[3] = {480, 1560, 2640};
    add(c, QStringLiteral("optShape"), 0, Kind::OptionButton, shape, u8("长方体"), 240, rows[0], 1380, 300, Ticked);
    pair(c, QStringLiteral("lblLength"), -1, QStringLiteral("txtLength"), -1, shape, "长度(m)", "20", 1620, 840, 900,
         rows[0]);
    pair(c, QStringLiteral("lblWidth"), -1, QStringLiteral("txtWidth"), -1, shape, "宽度(m)", "20", 3480, 840, 900,
         rows[0]);
    pair(c, QStringLiteral("lblAltitude"), 0, QStringLiteral("txtAltitude"), 0, shape, "高度(m)", "20", 5340, 840,
         900, rows[0]);
    add(c, QStringLiteral("linDivide"), 0, Kind::Label, shape, {}, 120, 1110, 7050, 30, DividerLine);
    add(c, QStringLiteral("optShape"), 1, Kind::OptionButton, shape, u8("正圆柱体"), 240, rows[1], 1380, 300);
    pair(c, QStringLiteral("lblRadius"), -1, QStringLiteral("txtRadius"), -1, shape, "半径(m)", "10", 1620, 840, 900,
         rows[1], Disabled);
    pair(c, QStringLiteral("lblAltitude"), 1, QStringLiteral("txtAltitude"), 1, shape, "高度(m)", "20", 3480, 840,
         900, rows[1], Disabled);
    add(c, QStringLiteral("linDivide"), 1, Kind::Label, shape, {}, 120, 2190, 7050, 30, DividerLine);
    add(c, QStringLiteral("optShape"), 2, Kind::OptionButton, shape, u8("特殊形状"), 240, rows[2], 1380, 300);
    pair(c, QStringLiteral("lblArea"), -1, QStringLiteral("txtArea"), -1, shape, "考虑高度的等效受雷面积(m.m)",
         "16000", 1680, 2880, 1500, rows[2], Disabled);

    buttonRow(c, QStringLiteral("cmdNumber"), panel, {"计算"}, true);
}

void buildingDesignPanel(Rows& c)
{
    const In panel{QStringLiteral("fraFrame"), 8};
    const QString fra = QStringLiteral("fraBuilding");
    const In inputs{fra, 0};
    add(c, fra, 0, Kind::Frame, panel, u8("参数输入"), 90, 285, 7290, 1140);
    classRow(c, 0, inputs, 330);
    rowLabel(c, QStringLiteral("lblBuilding"), 0, inputs, u8("制图比例"), 720);
    add(c, QStringLiteral("txtBuilding"), 0, Kind::TextBox, inputs, u8("1:500"), layout::kBoxLeft, 720,
        layout::kBoxWidth, layout::kRowHeight);

    // The example of which outline points to pick; the box takes the size of its picture.
    add(c, fra, 1, Kind::Frame, panel, u8("选点示范"), 90, 1500, 7290, 3840);
    add(c, QStringLiteral("picBuilding"), -1, Kind::PictureBox, In{fra, 1}, QStringLiteral(":/pictures/picBuilding.svg"),
        255, 300, 6780, 3300, Borderless);

    buttonRow(c, QStringLiteral("cmdBuilding"), panel, {"绘制剖面"}, true);
}

} // namespace app::catalogue
