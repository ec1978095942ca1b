// The whole catalogue in design order: the panel frames and pictures, each panel's controls, the tip line.
#include "app/panel_catalogue.h"

#include "app/panel_catalogue_rows.h"

namespace app {

namespace catalogue {

void helpPanel(Rows& c)
{
    // The help text fills the frame below its caption and scrolls vertically.
    add(c, QStringLiteral("txtHelp"), -1, Kind::TextBox, In{QStringLiteral("fraFrame"), 0},
        QStringLiteral(":/help/help.txt"), 90, 270, 7290, 5670, MultiLine | ReadOnly | TextResource);
}

} // namespace catalogue

namespace {

using namespace catalogue;

const char* const kPanelCaptions[19] = {
    "主题", "建(构)筑物落雷次数", "选择单支避雷针高度", "单支避雷针", "双支避雷针",
    "四支等高避雷针矩形布置", "单根避雷线", "双根等高避雷线", "建(构)筑物避雷装置设计",
    "垂直接地极", "水平接地极", "闭合接地网", "线路杆塔接地", "图选双支等高避雷针",
    "图选四支等高避雷针矩形布置", "图选单根避雷线", "图选双根等高平行避雷线",
    "三支等高避雷针正三角布置", "图选三支等高避雷针正三角布置",
};

// The panels whose picture box shows a drawing of the arrangement; the others stay empty.
bool hasPicture(int n) { return (n >= 3 && n <= 7) || n >= 13; }

std::vector<CatalogueEntry> build()
{
    Rows c;
    for (int n = 0; n < 19; ++n) {
        add(c, QStringLiteral("fraFrame"), n, Kind::Frame, {}, u8(kPanelCaptions[n]), 90, 90, 7470, 6030);
        add(c, QStringLiteral("picShow"), n, Kind::PictureBox, {},
            hasPicture(n) ? QStringLiteral(":/pictures/picShow%1.svg").arg(n) : QString(), 7600, 90, 3300, 6030,
            Borderless);
    }
    void (*const panels[19])(Rows&) = {
        helpPanel,           strikeCountPanel,    rodHeightPanel,      oneRodPanel,
        twoRodPanel,         fourRodPanel,        oneStripPanel,       twoStripPanel,
        buildingDesignPanel, verticalPanel,       horizontalPanel,     gridPanel,
        supportPanel,        twoRodPickedPanel,   fourRodPickedPanel,  oneStripPickedPanel,
        twoStripPickedPanel, threeRodPanel,       threeRodPickedPanel,
    };
    for (auto* panel : panels)
        panel(c);
    add(c, QStringLiteral("lblTips"), -1, Kind::Label, {}, {}, 90, 6240, 10860, 300);
    add(c, QStringLiteral("cmdTest"), -1, Kind::CommandButton, {}, QStringLiteral("Test"), 9600, 6200, 1200, 300);
    return c;
}

} // namespace

const std::vector<CatalogueEntry>& panelCatalogue()
{
    static const std::vector<CatalogueEntry> catalogue = build();
    return catalogue;
}

} // namespace app
