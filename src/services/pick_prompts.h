// The tips and prompts of the drawing commands' point picking, in the words the engineer sees.
#pragma once

#include <QString>

namespace services::tips {

inline const QString SwitchToDrawing = QStringLiteral("切换至AutoCAD界面选点!");
inline const QString PickCancelled = QStringLiteral("选点被取消。");

} // namespace services::tips

// Each prompt ends in ": ". Grouped by the command that asks it, in the order it is asked.
namespace services::prompts {

// Every drawing command that asks for a section position.
inline const QString SectionPosition = QStringLiteral("指定剖面图位置: ");

// Typed panels.
inline const QString OneRodPosition = QStringLiteral("指定避雷针平面安装位置: ");
inline const QString TwoRodLeftPosition = QStringLiteral("指定左侧避雷针平面安装位置: ");
inline const QString LowerLeftRodPosition = QStringLiteral("指定左下侧避雷针平面安装位置: ");   // three and four rods
inline const QString OneStripEnd = QStringLiteral("指定避雷线一端的平面安装位置: ");            // typed and picked one wire
inline const QString TwoStripEnd = QStringLiteral("指定一根避雷线一端的平面安装位置: ");        // typed and picked two wires

// Building outline.
inline const QString BuildingFirstPoint = QStringLiteral("选择建筑物立面外轮廓一突出点: ");
inline const QString BuildingNextPoint = QStringLiteral("选择下一点: ");
inline const QString BuildingContinueQuestion = QStringLiteral("是否继续选择下一点？[是(Y)/否(N)] <N>: ");
inline const QString BuildingContinuePoint = QStringLiteral("继续选择下一点: ");

// Picked panels (the second and third points are asked with the first point as base).
inline const QString TwoRodPickedFirst = QStringLiteral("选择第一支避雷针的位置: ");
inline const QString TwoRodPickedSecond = QStringLiteral("选择第二支避雷针的位置: ");
inline const QString ThreeRodPickedFirst = QStringLiteral("指定第一支避雷针的平面安装位置: ");
inline const QString ThreeRodPickedSecond = QStringLiteral("指定第二支避雷针的平面安装位置: ");
inline const QString ThreeRodPickedSide = QStringLiteral("指定第三支避雷针在第一与第二支避雷针连线的哪一侧: ");
inline const QString FourRodPickedFirst = QStringLiteral("指定一支避雷针的平面安装位置: ");
inline const QString FourRodPickedAdjacent = QStringLiteral("指定相邻避雷针的平面安装位置: ");
inline const QString FourRodPickedOtherSide = QStringLiteral("指定另两支避雷针连线上的一点: ");
inline const QString OneStripPickedOtherEnd = QStringLiteral("指定避雷线另一端的平面安装位置: ");
inline const QString TwoStripPickedOtherEnd = QStringLiteral("指定一根避雷线另一端的平面安装位置: ");
inline const QString TwoStripPickedSecondWire = QStringLiteral("指定另一根避雷线相对位置: ");

} // namespace services::prompts
