// The shared rows of the catalogue and the pattern of the rod and wire calculation panels.
#include "app/panel_catalogue_rows.h"

namespace app::catalogue {

using namespace layout;

void add(Rows& c, const QString& name, int index, Kind kind, const In& in, const QString& caption, int left,
         int top, int width, int height, unsigned flags, FontKind font, const QStringList& items)
{
    c.push_back({name, index, kind, in.name, in.index, caption, left, top, width, height, flags, font, items});
}

void rowLabel(Rows& c, const QString& name, int index, const In& in, const QString& caption, int top)
{
    add(c, name, index, Kind::Label, in, caption, kLabelLeft, top, kLabelRight - kLabelLeft, kRowHeight,
        RightAligned);
}

void classRow(Rows& c, int classIndex, const In& in, int top)
{
    rowLabel(c, QStringLiteral("lblClass"), classIndex, in, u8("建(构)筑物防雷类别"), top);
    add(c, QStringLiteral("comClass"), classIndex, Kind::ComboBox, in, {}, kBoxLeft, top, kBoxWidth, kRowHeight,
        NoFlags, FontKind::BoldSans);
}

void drawingChecks(Rows& c, const QString& name, const In& in, int top)
{
    add(c, name, 0, Kind::CheckBox, in, u8("绘制地面范围"), 600, top, 1800, kRowHeight, Ticked);
    add(c, name, 1, Kind::CheckBox, in, u8("绘制目标高度范围"), 2700, top, 2250, kRowHeight, Ticked);
    add(c, name, 2, Kind::CheckBox, in, u8("绘制剖面"), 5250, top, 1500, kRowHeight);
}

void buttonRow(Rows& c, const QString& name, const In& in, std::initializer_list<const char*> captions, bool single)
{
    int i = 0;
    for (const char* caption : captions) {
        add(c, name, single ? -1 : i, Kind::CommandButton, in, u8(caption), kButtonLefts[i], kButtonTop,
            kButtonWidth, kButtonHeight);
        ++i;
    }
}

void calcPanel(Rows& c, const CalcPanel& p)
{
    const QString stem = QString::fromLatin1(p.stem);
    const In panel{QStringLiteral("fraFrame"), p.panel};
    const QString frame = QStringLiteral("fra") + stem;
    const In inputs{frame, 0};
    const In results{frame, 1};

    add(c, frame, 0, Kind::Frame, panel, u8("参数输入"), kFrameLeft, kInputTop, kFrameWidth, kInputHeight);
    int top = kFirstInputRow;
    int box = 0;
    for (const InputRow& row : p.inputs) {
        if (!row.label) {
            classRow(c, p.classIndex, inputs, top);
        } else {
            rowLabel(c, QStringLiteral("lbl") + stem + QStringLiteral("In"), box, inputs, u8(row.label), top);
            add(c, QStringLiteral("txt") + stem + QStringLiteral("In"), box, Kind::TextBox, inputs, u8(row.text),
                kBoxLeft, top, kBoxWidth, kRowHeight);
            ++box;
        }
        top += kInputPitch;
    }
    if (p.drawingChecks)
        drawingChecks(c, QStringLiteral("chk") + stem + QStringLiteral("In"), inputs, top + 150);

    add(c, frame, 1, Kind::Frame, panel, u8("计算结果"), kFrameLeft, kResultTop, kFrameWidth, kResultHeight);
    top = kFirstResultRow;
    box = 0;
    int label = 0;
    for (const ResultRow& row : p.results) {
        const int labelIndex = p.singleResultAndButton ? -1 : label;
        const int boxIndex = p.singleResultAndButton ? -1 : box;
        add(c, QStringLiteral("lbl") + stem + QStringLiteral("Out"), labelIndex, Kind::Label, results,
            u8(row.label), kLabelLeft, top, kLabelRight - kLabelLeft, kRowHeight, RightAligned);
        if (row.boxes == 2) {
            add(c, QStringLiteral("txt") + stem + QStringLiteral("Out"), box, Kind::TextBox, results, {}, kBoxLeft,
                top, kPairWidth, kRowHeight, ReadOnly);
            add(c, QStringLiteral("txt") + stem + QStringLiteral("Out"), box + 1, Kind::TextBox, results, {},
                kPairSecondLeft, top, kPairWidth, kRowHeight, ReadOnly);
        } else {
            add(c, QStringLiteral("txt") + stem + QStringLiteral("Out"), boxIndex, Kind::TextBox, results, {},
                kBoxLeft, top, kBoxWidth, kRowHeight, ReadOnly);
        }
        box += row.boxes;
        ++label;
        top += kResultPitch;
    }
    buttonRow(c, QStringLiteral("cmd") + stem, panel, p.buttons, p.singleResultAndButton);
}

} // namespace app::catalogue
