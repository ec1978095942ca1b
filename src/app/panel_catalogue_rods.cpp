// The catalogue of the rod panels: rod height, one, two, three and four rods, typed and picked.
#include "app/panel_catalogue_rows.h"

namespace app::catalogue {

namespace {
const char* const kRx = "目标高度外围保护半径rx(m)";
const char* const kR0 = "地面外围保护半径ro(m)";
const char* const kCentreLowest = "避雷针保护范围中心最低点高度(m)";
const char* const kScale = "制图比例";
const char* const kDrawButtons[4] = {"计算", "绘制地面范围", "绘制目标高度范围", "绘制剖面"};
} // namespace

void rodHeightPanel(Rows& c)
{
    calcPanel(c, {2, "Height", 1,
                  {{"目标与避雷针的距离rx(m)", "6"}, {"目标高度hx(m)", "12"}, {nullptr, nullptr}},
                  false,
                  {{"避雷针计算高度h(m)", 1}},
                  {"计算"},
                  true});
}

void oneRodPanel(Rows& c)
{
    calcPanel(c, {3, "OneRod", 2,
                  {{"避雷针高度h(m)", "24"}, {"目标高度hx(m)", "12"}, {nullptr, nullptr}, {kScale, "1:500"}},
                  true,
                  {{"目标高度保护半径rx(m)", 1}, {"地面保护半径ro(m)", 1}},
                  {"计算", "绘图"}});
}

void twoRodPanel(Rows& c)
{
    calcPanel(c, {4, "TwoRod", 3,
                  {{"低避雷针高度h1(m)", "21"},
                   {"高避雷针高度h2(m)", "24"},
                   {"目标高度hx(m)", "12"},
                   {"避雷针间距D(m)", "35"},
                   {nullptr, nullptr},
                   {kScale, "1:500"}},
                  false,
                  {{kRx, 2},
                   {kR0, 2},
                   {"等效避雷针距中心最低点的距离(m)", 1},
                   {"等效避雷针间最低高度(m)", 1},
                   {"地面保护范围单侧最小宽度(m)", 1}},
                  {kDrawButtons[0], kDrawButtons[1], kDrawButtons[2], kDrawButtons[3]}});
}

void fourRodPanel(Rows& c)
{
    calcPanel(c, {5, "FourRod", 4,
                  {{"避雷针高度h(m)", "21"},
                   {"目标高度hx(m)", "12"},
                   {"避雷针矩形长边边长(m)", "50"},
                   {"避雷针矩形短边边长(m)", "25"},
                   {nullptr, nullptr},
                   {kScale, "1:500"}},
                  false,
                  {{kRx, 1},
                   {kR0, 1},
                   {kCentreLowest, 1},
                   {"对称轴剖面最高点距中心点距离(m)", 2},
                   {"对称轴剖面最高点高度(m)", 2}},
                  {kDrawButtons[0], kDrawButtons[1], kDrawButtons[2], kDrawButtons[3]}});
}

void twoRodPickedPanel(Rows& c)
{
    calcPanel(c, {13, "TwoRodPicked", 7,
                  {{"避雷针高度h(m)", "21"}, {"目标高度hx(m)", "12"}, {nullptr, nullptr}, {kScale, "1:500"}},
                  true,
                  {{kRx, 1},
                   {kR0, 1},
                   {"等效避雷针距中心最低点的距离(m)", 1},
                   {"等效避雷针间最低高度(m)", 1},
                   {"地面保护范围单侧最小宽度(m)", 1}},
                  {"图选避雷针"}});
}

void fourRodPickedPanel(Rows& c)
{
    calcPanel(c, {14, "FourRodPicked", 8,
                  {{"避雷针高度h(m)", "21"}, {"目标高度hx(m)", "12"}, {nullptr, nullptr}, {kScale, "1:500"}},
                  true,
                  {{kRx, 1},
                   {kR0, 1},
                   {kCentreLowest, 1},
                   {"对称轴剖面最高点距中心点距离(m)", 2},
                   {"对称轴剖面最高点高度(m)", 2}},
                  {"图选避雷针"}});
}

void threeRodPanel(Rows& c)
{
    calcPanel(c, {17, "ThreeRod", 11,
                  {{"避雷针高度h(m)", "21"},
                   {"目标高度hx(m)", "12"},
                   {"避雷针间距D(m)", "35"},
                   {nullptr, nullptr},
                   {kScale, "1:500"}},
                  false,
                  {{kRx, 1}, {kR0, 1}, {kCentreLowest, 1}},
                  {kDrawButtons[0], kDrawButtons[1], kDrawButtons[2], kDrawButtons[3]}});
}

void threeRodPickedPanel(Rows& c)
{
    calcPanel(c, {18, "ThreeRodPicked", 12,
                  {{"避雷针高度h(m)", "21"}, {"目标高度hx(m)", "12"}, {nullptr, nullptr}, {kScale, "1:500"}},
                  true,
                  {{kRx, 1}, {kR0, 1}, {kCentreLowest, 1}},
                  {"图选避雷针"}});
}

} // namespace app::catalogue
