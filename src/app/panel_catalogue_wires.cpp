// The catalogue of the overhead-wire panels: one and two wires, typed and picked.
#include "app/panel_catalogue_rows.h"

namespace app::catalogue {

namespace {
const char* const kSupport = "避雷线支点高度h(m)";
const char* const kSag = "避雷线弧垂(m)";
const char* const kTarget = "目标高度hx(m)";
const char* const kScale = "制图比例";
} // namespace

void oneStripPanel(Rows& c)
{
    calcPanel(c, {6, "OneStrip", 5,
                  {{kSupport, "21"},
                   {"避雷线长度(m)", "35"},
                   {kSag, "1"},
                   {kTarget, "12"},
                   {nullptr, nullptr},
                   {kScale, "1:500"}},
                  false,
                  {{"目标高度处保护范围单侧宽度bx(m)", 1},
                   {"地面保护范围单侧宽度bo(m)", 1},
                   {"避雷线保护范围最高点高度(m)", 1}},
                  {"计算", "绘制地面范围", "绘制目标高度范围", "绘制剖面"}});
}

void twoStripPanel(Rows& c)
{
    calcPanel(c, {7, "TwoStrip", 6,
                  {{kSupport, "45"},
                   {"避雷线长度(m)", "35"},
                   {kSag, "1"},
                   {"避雷线间距(m)", "12"},
                   {kTarget, "12"},
                   {nullptr, nullptr},
                   {kScale, "1:500"}},
                  false,
                  {{"目标高度处保护范围外围单侧宽度bx(m)", 1},
                   {"地面保护范围外围单侧宽度bo(m)", 1},
                   {"两避雷线间保护范围最低点高度(m)", 1},
                   {"两避雷线间中线高度内移距离(m)", 1},
                   {"保护空间横断面最小单侧宽度(m)", 1}},
                  {"计算", "绘制地面范围", "绘制目标高度范围", "绘制剖面"}});
}

void oneStripPickedPanel(Rows& c)
{
    calcPanel(c, {15, "OneStripPicked", 9,
                  {{kSupport, "21"}, {kSag, "1"}, {kTarget, "12"}, {nullptr, nullptr}, {kScale, "1:500"}},
                  true,
                  {{"目标高度处保护范围单侧宽度bx(m)", 1},
                   {"地面保护范围单侧宽度bo(m)", 1},
                   {"避雷线保护范围最高点高度(m)", 1}},
                  {"图选避雷线"}});
}

void twoStripPickedPanel(Rows& c)
{
    calcPanel(c, {16, "TwoStripPicked", 10,
                  {{kSupport, "45"}, {kSag, "1"}, {kTarget, "12"}, {nullptr, nullptr}, {kScale, "1:500"}},
                  true,
                  {{"目标高度处保护范围外围单侧宽度bx(m)", 1},
                   {"地面保护范围外围单侧宽度bo(m)", 1},
                   {"两避雷线间保护范围最低点高度(m)", 1},
                   {"两避雷线间中线高度内移距离(m)", 1},
                   {"保护空间横断面最小单侧宽度(m)", 1}},
                  {"图选避雷线"}});
}

} // namespace app::catalogue
