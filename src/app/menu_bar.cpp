// The menu table of the main window: items in order, their captions and the panels they show.
#include "app/menu_bar.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace app {

namespace {

struct MenuRow {
    const char* name;
    const char* caption; // "-" for a separator
    int panel;           // panel shown by the item, -1 for none
    bool topLevel;
};

const MenuRow kMenu[] = {
    {"mnuBuild", "建(构)筑物", -1, true},
    {"mnuBuildFrequency", "建(构)筑物落雷次数", 1, false},
    {"mnuBuildDesign", "建(构)筑物避雷装置设计", 8, false},
    {"mnuBuildBar", "-", -1, false},
    {"mnuExit", "退出", -1, false},
    {"mnuRod", "避雷针", -1, true},
    {"mnuOneRodHeight", "选择单支避雷针高度", 2, false},
    {"mnuRodBar0", "-", -1, false},
    {"mnuOneRod", "单支避雷针", 3, false},
    {"mnuTwoRod", "双支避雷针", 4, false},
    {"mnuThreeRod", "三支等高避雷针正三角布置", 17, false},
    {"mnuFourRod", "四支等高避雷针矩形布置", 5, false},
    {"mnuRodBar1", "-", -1, false},
    {"mnuTwoRodPicked", "图选双支等高避雷针", 13, false},
    {"mnuThreeRodPicked", "图选三支等高避雷针正三角布置", 18, false},
    {"mnuFourRodPicked", "图选四支等高避雷针矩形布置", 14, false},
    {"mnuStrip", "避雷线", -1, true},
    {"mnuOneStrip", "单根避雷线", 6, false},
    {"mnuTwoStrip", "双根等高避雷线", 7, false},
    {"mnuStripBar", "-", -1, false},
    {"mnuOneStripPicked", "图选单根避雷线", 15, false},
    {"mnuTwoStripPicked", "图选双根等高平行避雷线", 16, false},
    {"mnuEarth", "接地装置", -1, true},
    {"mnuVerticality", "垂直接地极", 9, false},
    {"mnuHorizontal", "水平接地极", 10, false},
    {"mnuGird", "闭合接地网", 11, false},
    {"mnuEarthBar0", "-", -1, false},
    {"mnuSupport", "线路杆塔接地", 12, false},
    {"mnuTool", "工具箱", -1, true},
    {"mnuCalculater", "计算器", -1, false},
    {"mnuToolBar0", "-", -1, false},
    {"mnuNote", "名词图解", -1, false},
    {"mnuTD", "雷暴日资料", -1, false},
    {"mnuHelp", "帮助", -1, true},
    {"mnuContent", "主题", 0, false},
    {"mnuHelpBar", "-", -1, false},
    {"mnuAbout", "关于", -1, false},
};

} // namespace

void buildMenuBar(QMenuBar* bar, services::ControlRegistry& registry)
{
    QMenu* current = nullptr;
    for (const MenuRow& row : kMenu) {
        const QString name = QString::fromLatin1(row.name);
        const QString caption = QString::fromUtf8(row.caption);
        QAction* action = nullptr;
        if (row.topLevel) {
            current = bar->addMenu(caption);
            current->setObjectName(name);
            action = current->menuAction();
        } else if (caption == QLatin1String("-")) {
            action = current->addSeparator();
        } else {
            action = current->addAction(caption);
        }
        action->setObjectName(name);
        if (name == QLatin1String("mnuContent"))
            action->setShortcut(QKeySequence(Qt::Key_F1));
        registry.add(name, std::nullopt, services::ControlKind::Menu, action);
    }
}

int panelOfMenuItem(const QString& name)
{
    for (const MenuRow& row : kMenu) {
        if (name.compare(QLatin1String(row.name), Qt::CaseInsensitive) == 0)
            return row.panel;
    }
    return -1;
}

} // namespace app
