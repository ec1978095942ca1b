// The strike-count panel through the real window: shape selector, worked values, field messages.
#include "window_fixture.h"

#include <vector>

namespace {

struct Edit {
    const char* box;
    std::optional<int> index;
    const char* text;
};

struct Row {
    const char* what;
    int shape;
    int adjust;
    std::vector<Edit> edits;
    const char* tip;
    const char* marked = nullptr;
    std::optional<int> markedIndex = std::nullopt;
};

const char* const kBoxes[] = {"txtArea", "txtLength", "txtWidth", "txtAltitude", "txtAltitude", "txtRadius"};
const std::optional<int> kBoxIndexes[] = {std::nullopt, std::nullopt, std::nullopt, 0, 1, std::nullopt};

} // namespace

TEST_F(StrikeCountWindow, StartsWithTheCuboidRowEnabled)
{
    const bool expected[] = {false, true, true, true, false, false};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(box(kBoxes[i], kBoxIndexes[i])->isEnabled(), expected[i]) << kBoxes[i];
}

TEST_F(StrikeCountWindow, ShapeSelectorEnablesTheRowOfTheShape)
{
    const struct {
        int shape;
        bool enabled[6]; // area, length, width, altitude 0, altitude 1, radius
    } cases[] = {
        {1, {false, false, false, false, true, true}},
        {2, {true, false, false, false, false, false}},
        {0, {false, true, true, true, false, false}},
    };
    for (const auto& c : cases) {
        choose("optShape", c.shape);
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(box(kBoxes[i], kBoxIndexes[i])->isEnabled(), c.enabled[i]) << c.shape << " " << kBoxes[i];
    }
}

TEST_F(StrikeCountWindow, Calculation)
{
    const std::vector<Row> rows = {
        {"cuboid defaults", 0, 0, {}, "提示: 该建(构)筑物预计年落雷次数: 0.202(次/年)!"},
        {"cylinder defaults", 1, 0, {}, "提示: 该建(构)筑物预计年落雷次数: 0.188(次/年)!"},
        {"special shape defaults", 2, 0, {}, "提示: 该建(构)筑物预计年落雷次数: 0.196(次/年)!"},
        {"metal roof", 0, 1, {}, "提示: 该建(构)筑物预计年落雷次数: 0.344(次/年)!"},
        {"isolated building", 0, 3, {}, "提示: 该建(构)筑物预计年落雷次数: 0.404(次/年)!"},
        {"no thunderstorm days", 0, 0, {{"txtTD", std::nullopt, "0"}}, "提示: 该建(构)筑物预计年落雷次数: 0.000(次/年)!"},
        {"zero-sized cuboid", 0, 0, {{"txtLength", {}, "0"}, {"txtWidth", {}, "0"}, {"txtAltitude", 0, "0"}},
         "提示: 该建(构)筑物预计年落雷次数: 0.000(次/年)!"},
        {"negative days", 0, 0, {{"txtTD", std::nullopt, "-1"}}, "提示: 年雷暴日数无效!", "txtTD"},
        {"empty days", 0, 0, {{"txtTD", std::nullopt, ""}}, "提示: 年雷暴日数无效!", "txtTD"},
        {"days before dimensions", 0, 0, {{"txtTD", std::nullopt, "x"}, {"txtLength", {}, "x"}}, "提示: 年雷暴日数无效!",
         "txtTD"},
        {"cuboid width", 0, 0, {{"txtWidth", {}, "-2"}}, "提示: 建筑物宽度数值无效!", "txtWidth"},
        {"cylinder radius before height", 1, 0, {{"txtRadius", {}, ""}, {"txtAltitude", 1, ""}},
         "提示: 建筑物半径数值无效!", "txtRadius"},
        {"cylinder height", 1, 0, {{"txtAltitude", 1, "abc"}}, "提示: 建筑物高度数值无效!", "txtAltitude", 1},
        {"special area", 2, 0, {{"txtArea", {}, "-16000"}}, "提示: 建筑物等效面积数值无效!", "txtArea"},
        {"another shape's bad box is not read", 1, 0, {{"txtLength", {}, "abc"}},
         "提示: 该建(构)筑物预计年落雷次数: 0.188(次/年)!"},
        {"days overflowing", 0, 0, {{"txtTD", std::nullopt, "1e300"}}, "提示: 年雷暴日数无效!", "txtTD"},
        {"area overflowing", 0, 0, {{"txtLength", {}, "1e200"}, {"txtWidth", {}, "1e200"}}, "提示: 建筑物长度数值无效!",
         "txtLength"},
        {"tall cylinder overflowing", 1, 0, {{"txtAltitude", 1, "1e200"}}, "提示: 建筑物高度数值无效!", "txtAltitude", 1},
    };
    for (const Row& row : rows) {
        SetUp();
        // Boxes are typed while their row is enabled, then the shape is chosen.
        for (const Edit& e : row.edits)
            type(e.box, e.index, e.text);
        choose("optShape", row.shape);
        choose("optAdjust", row.adjust);
        window->ShowMsg(QStringLiteral("earlier"));
        calculate();
        EXPECT_EQ(tip(), QString::fromUtf8(row.tip)) << row.what;
        if (row.marked)
            expectMarked(row.marked, row.markedIndex);
    }
}
