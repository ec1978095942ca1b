// Building blocks shared by the catalogue's panel groups: single rows and the calculation-panel pattern.
#pragma once

#include "app/panel_catalogue.h"

#include <initializer_list>

namespace app::catalogue {

using Kind = services::ControlKind;
using Rows = std::vector<CatalogueEntry>;

inline QString u8(const char* s) { return QString::fromUtf8(s); }

// A container: a control array element, or a single control when index is -1.
struct In {
    QString name;
    int index = -1;
};

void add(Rows& c, const QString& name, int index, Kind kind, const In& in, const QString& caption, int left,
         int top, int width, int height, unsigned flags = NoFlags, FontKind font = FontKind::Window,
         const QStringList& items = {});

// Geometry of the calculation panels, twips relative to the container.
namespace layout {
// The inner frames stand clear of the panel frame's border and caption.
inline constexpr int kFrameLeft = 90, kFrameWidth = 7290;
inline constexpr int kInputTop = 285, kInputHeight = 2925;
inline constexpr int kResultTop = 3270, kResultHeight = 2130;
inline constexpr int kBoxLeft = 3900, kBoxWidth = 2295, kPairWidth = 1095, kPairSecondLeft = 5100;
inline constexpr int kRowHeight = 300;
inline constexpr int kLabelLeft = 120, kLabelRight = 3840;
inline constexpr int kFirstInputRow = 330, kInputPitch = 350;
inline constexpr int kFirstResultRow = 300, kResultPitch = 360;
inline constexpr int kButtonTop = 5460, kButtonWidth = 1800, kButtonHeight = 450;
inline constexpr int kButtonLefts[4] = {120, 1920, 3720, 5520};
} // namespace layout

// A caption right-aligned against a box that starts at layout::kBoxLeft.
void rowLabel(Rows& c, const QString& name, int index, const In& in, const QString& caption, int top);
// The protection-class row: lblClass(i) and the drop-down list comClass(i).
void classRow(Rows& c, int classIndex, const In& in, int top);
// The three drawing check boxes of a panel that draws with one button or picks its positions.
void drawingChecks(Rows& c, const QString& name, const In& in, int top);

struct InputRow {
    const char* label;   // nullptr: the row of the class combo
    const char* text;
};
struct ResultRow {
    const char* label;
    int boxes;           // 1, or 2 for a pair under one caption
};

// One rod or wire panel: frames "参数输入" and "计算结果", inputs, results and a button row.
struct CalcPanel {
    int panel;
    const char* stem;                   // "OneRod": fraOneRod, txtOneRodIn, lblOneRodOut, cmdOneRod ...
    int classIndex;
    std::initializer_list<InputRow> inputs;
    bool drawingChecks;
    std::initializer_list<ResultRow> results;
    std::initializer_list<const char*> buttons;
    bool singleResultAndButton = false; // the rod-height panel: txtHeightOut, lblHeightOut, cmdHeight
};
void calcPanel(Rows& c, const CalcPanel& p);

// The buttons of a panel in a row along its bottom.
void buttonRow(Rows& c, const QString& name, const In& in, std::initializer_list<const char*> captions,
               bool single = false);

// The panels, one function each, called in panel order.
void helpPanel(Rows& c);
void strikeCountPanel(Rows& c);
void rodHeightPanel(Rows& c);
void oneRodPanel(Rows& c);
void twoRodPanel(Rows& c);
void fourRodPanel(Rows& c);
void oneStripPanel(Rows& c);
void twoStripPanel(Rows& c);
void buildingDesignPanel(Rows& c);
void verticalPanel(Rows& c);
void horizontalPanel(Rows& c);
void gridPanel(Rows& c);
void supportPanel(Rows& c);
void twoRodPickedPanel(Rows& c);
void fourRodPickedPanel(Rows& c);
void oneStripPickedPanel(Rows& c);
void twoStripPickedPanel(Rows& c);
void threeRodPanel(Rows& c);
void threeRodPickedPanel(Rows& c);

} // namespace app::catalogue
