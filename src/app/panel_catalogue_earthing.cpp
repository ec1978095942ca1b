// The catalogue of the earthing panels, their selectors and the steel-type frame they share.
#include "app/panel_catalogue_rows.h"

namespace app::catalogue {

namespace {

// The panel's own frames keep to the left half; the steel-type frame takes the right half from 3840.
constexpr int kFrameLeft = 90, kHalfWidth = 3690, kFrameTop = 285;
constexpr int kLabelRight = 2400, kBoxLeft = 2460, kBoxWidth = 1140;

QString picture(const char* name) { return QStringLiteral(":/pictures/") + QLatin1String(name) + QStringLiteral(".svg"); }

// Labelled input rows of an earthing frame: caption right-aligned, box beside it.
void inputRows(Rows& c, const QString& label, const QString& box, const In& in,
               std::initializer_list<std::pair<const char*, const char*>> rows)
{
    int i = 0;
    for (const auto& [caption, text] : rows) {
        const int top = layout::kFirstInputRow + i * layout::kInputPitch;
        add(c, label, i, Kind::Label, in, u8(caption), 120, top, kLabelRight - 120, layout::kRowHeight, RightAligned);
        add(c, box, i, Kind::TextBox, in, u8(text), kBoxLeft, top, kBoxWidth, layout::kRowHeight);
        ++i;
    }
}

int framedHeight(int rows) { return layout::kFirstInputRow + rows * layout::kInputPitch + 60; }

void calculateButton(Rows& c, int panel, int index)
{
    add(c, QStringLiteral("cmdResistance"), index, Kind::CommandButton, In{QStringLiteral("fraFrame"), panel},
        u8("计算"), layout::kButtonLefts[0], layout::kButtonTop, layout::kButtonWidth, layout::kButtonHeight);
}

// The steel-type frame: one row per steel with its picture, caption(s) and size box(es).
void steelTypeFrame(Rows& c)
{
    const In type{QStringLiteral("fraType")};
    add(c, QStringLiteral("fraType"), -1, Kind::Frame, In{QStringLiteral("fraFrame"), 9}, u8("钢材型式"), 3840, 240,
        3540, 5130);
    constexpr int kPitch = 1200, kFirst = 300, kPicture = 1050;
    constexpr int kLabelLeft = 1230, kLabelWidth = 1590, kSizeLeft = 2880, kSizeWidth = 630;
    const char* const names[4] = {"imgType0", "imgType1", "imgType2", "imgType3"};
    const char* const captions[5] = {"圆钢直径d(mm)", "钢管外径d(mm)", "扁钢宽度b(mm)", "角钢边宽b1(mm)",
                                     "角钢边宽b2(mm)"};
    const char* const sizes[5] = {"10", "32", "40", "50", "50"};
    for (int row = 0; row < 4; ++row) {
        const int top = kFirst + row * kPitch;
        const unsigned chosen = row == 0 ? Ticked : NoFlags;
        add(c, QStringLiteral("imgType"), row, Kind::Image, type, picture(names[row]), 120, top, kPicture, kPicture,
            chosen);
        // The angle steel has two legs, so two captions and two boxes.
        const int lines = row == 3 ? 2 : 1;
        for (int k = 0; k < lines; ++k) {
            const int i = row + k;
            const int y = lines == 1 ? top + (kPicture - layout::kRowHeight) / 2 : top + 120 + k * 420;
            add(c, QStringLiteral("lblType"), i, Kind::Label, type, u8(captions[i]), kLabelLeft, y, kLabelWidth,
                layout::kRowHeight, RightAligned | (i == 0 ? Ticked : NoFlags));
        }
        for (int k = 0; k < lines; ++k) {
            const int i = row + k;
            const int y = lines == 1 ? top + (kPicture - layout::kRowHeight) / 2 : top + 120 + k * 420;
            add(c, QStringLiteral("txtType"), i, Kind::TextBox, type, u8(sizes[i]), kSizeLeft, y, kSizeWidth,
                layout::kRowHeight, i == 0 ? NoFlags : Disabled);
        }
    }
}

} // namespace

void verticalPanel(Rows& c)
{
    const In panel{QStringLiteral("fraFrame"), 9};
    const In in{QStringLiteral("fraVertical")};
    add(c, QStringLiteral("fraVertical"), -1, Kind::Frame, panel, u8("参数输入"), kFrameLeft, kFrameTop, kHalfWidth, framedHeight(2));
    inputRows(c, QStringLiteral("lblVerticality"), QStringLiteral("txtVerticality"), in,
              {{"土壤电阻率(Ω.m)", "100"}, {"垂直接地极长度(m)", "2.5"}});
    calculateButton(c, 9, 0);
    steelTypeFrame(c);
}

void horizontalPanel(Rows& c)
{
    const In panel{QStringLiteral("fraFrame"), 10};
    const QString fra = QStringLiteral("fraHorizontal");
    add(c, fra, 0, Kind::Frame, panel, u8("参数输入"), kFrameLeft, kFrameTop, kHalfWidth, framedHeight(3));
    inputRows(c, QStringLiteral("lblHorizontal"), QStringLiteral("txtHorizontal"), In{fra, 0},
              {{"土壤电阻率(Ω.m)", "100"}, {"水平接地极总长(m)", "15"}, {"接地极埋深(m)", "1"}});

    // Ten layouts in two rows of five, each with its shape coefficient centred under it.
    const In shapes{fra, 1};
    add(c, fra, 1, Kind::Frame, panel, u8("水平接地极形状系数"), kFrameLeft, 1785, kHalfWidth, 3000);
    const char* const coefficients[10] = {"-0.6", "-0.18", "0", "0.48", "0.89", "1", "2.19", "3.03", "4.71", "5.65"};
    constexpr int kCell = 690, kPicture = 630, kFirstLeft = 90;
    for (int i = 0; i < 10; ++i) {
        const int left = kFirstLeft + (i % 5) * kCell + (kCell - kPicture) / 2;
        const int top = i < 5 ? 360 : 1650;
        add(c, QStringLiteral("imgShape"), i, Kind::Image, shapes,
            picture(QStringLiteral("imgShape%1").arg(i).toLatin1().constData()), left, top, kPicture, kPicture,
            i == 0 ? Ticked : NoFlags);
    }
    for (int i = 0; i < 10; ++i) {
        const int left = kFirstLeft + (i % 5) * kCell;
        const int top = (i < 5 ? 360 : 1650) + kPicture + 45;
        add(c, QStringLiteral("lblSHape"), i, Kind::Label, shapes, u8(coefficients[i]), left, top, kCell, 285,
            Centred | (i == 0 ? Ticked : NoFlags));
    }
    calculateButton(c, 10, 1);
}

void gridPanel(Rows& c)
{
    const In panel{QStringLiteral("fraFrame"), 11};
    add(c, QStringLiteral("fraClose"), -1, Kind::Frame, panel, u8("参数输入"), kFrameLeft, kFrameTop, kHalfWidth, framedHeight(5));
    inputRows(c, QStringLiteral("lblGird"), QStringLiteral("txtGird"), In{QStringLiteral("fraClose")},
              {{"土壤电阻率ρ(Ω.m)", "100"},
               {"接地网总面积S(m.m)", "5000"},
               {"接地极埋深h(m)", "1"},
               {"外缘边线总长Lo(m)", "300"},
               {"水平接地极总长L(m)", "1500"}});
    calculateButton(c, 11, 2);
}

void supportPanel(Rows& c)
{
    const In panel{QStringLiteral("fraFrame"), 12};
    const QString fra = QStringLiteral("fraSupport");
    add(c, fra, 0, Kind::Frame, panel, u8("参数输入"), kFrameLeft, kFrameTop, kHalfWidth, framedHeight(2));
    inputRows(c, QStringLiteral("lblSupport"), QStringLiteral("txtSupport"), In{fra, 0},
              {{"土壤电阻率(Ω.m)", "100"}, {"接地极埋深(m)", "1"}});

    // Three arrangements, each a caption with its picture beside it; the two lengths stand on the right.
    const In kinds{fra, 1};
    add(c, fra, 1, Kind::Frame, panel, u8("接地装置种类"), kFrameLeft, 1425, kHalfWidth, 3960);
    const char* const captions[3] = {"铁塔接地装置", "钢筋混凝土杆放射型接地装置", "钢筋混凝土杆环型接地装置"};
    constexpr int kFirst = 300, kPitch = 1200, kPictureW = 1140, kPictureH = 1080;
    for (int i = 0; i < 3; ++i)
        add(c, QStringLiteral("lblPic"), i, Kind::Label, kinds, u8(captions[i]), 90, kFirst + i * kPitch + 240, 1530,
            600, RightAligned | WordWrap | (i == 0 ? Ticked : NoFlags));
    for (int i = 0; i < 3; ++i)
        add(c, QStringLiteral("picShape"), i, Kind::PictureBox, kinds,
            picture(QStringLiteral("picShape%1").arg(i).toLatin1().constData()), 1680, kFirst + i * kPitch, kPictureW,
            kPictureH, i == 0 ? Ticked : NoFlags);
    add(c, QStringLiteral("lblL1"), -1, Kind::Label, kinds, u8("L1(m)"), 2910, 900, 660, 300);
    add(c, QStringLiteral("txtL1"), -1, Kind::TextBox, kinds, u8("12"), 2910, 1200, 660, 300);
    add(c, QStringLiteral("lblL2"), -1, Kind::Label, kinds, u8("L2(m)"), 2910, 2100, 660, 300);
    add(c, QStringLiteral("txtL2"), -1, Kind::TextBox, kinds, u8("12"), 2910, 2400, 660, 300);
    calculateButton(c, 12, 3);
}

} // namespace app::catalogue
