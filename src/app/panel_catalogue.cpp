#include "app/panel_catalogue.h"

namespace app {

using K = services::ControlKind;

namespace {

const char* const kPanelCaptions[19] = {
    "主题", "建(构)筑物落雷次数", "选择单支避雷针高度", "单支避雷针", "双支避雷针",
    "四支等高避雷针矩形布置", "单根避雷线", "双根等高避雷线", "建(构)筑物避雷装置设计",
    "垂直接地极", "水平接地极", "闭合接地网", "线路杆塔接地", "图选双支等高避雷针",
    "图选四支等高避雷针矩形布置", "图选单根避雷线", "图选双根等高平行避雷线",
    "三支等高避雷针正三角布置", "图选三支等高避雷针正三角布置",
};

// comClass(i) lies in panel kClassPanel[i].
const int kClassPanel[13] = {8, 2, 3, 4, 5, 6, 7, 13, 14, 15, 16, 17, 18};

std::vector<CatalogueEntry> build()
{
    std::vector<CatalogueEntry> c;
    for (int n = 0; n < 19; ++n) {
        c.push_back({"fraFrame", n, K::Frame, {}, -1, QString::fromUtf8(kPanelCaptions[n]), 90, 90, 7470, 6030});
        c.push_back({"picShow", n, K::PictureBox, {}, -1, {}, 7600, 90, 3300, 6030, Borderless});
    }
    for (int i = 0; i < 13; ++i) {
        c.push_back({"lblClass", i, K::Label, "fraFrame", kClassPanel[i], QString::fromUtf8("建(构)筑物防雷类别"),
                     120, 2400, 3700, 300, RightAligned});
        c.push_back({"comClass", i, K::ComboBox, "fraFrame", kClassPanel[i], {}, 3900, 2400, 2295, 300, NoFlags,
                     FontKind::BoldSans});
    }
    c.push_back({"fraType", -1, K::Frame, "fraFrame", 9, QString::fromUtf8("接地极材料"), 3840, 240, 3510, 2970});
    c.push_back({"lblTips", -1, K::Label, {}, -1, {}, 90, 6240, 10860, 300});
    c.push_back({"cmdTest", -1, K::CommandButton, {}, -1, "Test", 9600, 6200, 900, 300});
    return c;
}

} // namespace

const std::vector<CatalogueEntry>& panelCatalogue()
{
    static const std::vector<CatalogueEntry> catalogue = build();
    return catalogue;
}

} // namespace app
