// The panel input checks: messages, their order, the marked box, and the cross rules.
#include "services/input_checks.h"

#include "fake_form.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

using testing_support::FakeForm;

namespace {

enum class Rule { NonNegative, Positive, Scale };

struct Field {
    const char* box;
    int index; // -1: a single box, not an array element
    const char* valid;
    Rule rule;
    const char* message;
};

struct CheckTable {
    const char* name;
    std::function<bool(services::Form&)> check;
    std::vector<Field> fields; // in test order
};

std::optional<int> indexOf(const Field& f) { return f.index < 0 ? std::nullopt : std::optional<int>(f.index); }

const char* const kRod = "避雷针高度数值无效!";
const char* const kTarget = "被保护物高度数值无效!";
const char* const kSpacing = "避雷针间距数值无效!";
const char* const kScale = "制图比例无效!";
const char* const kWireHeight = "避雷线支点高度数值无效!";
const char* const kWireLength = "避雷线长度数值无效!";
const char* const kSag = "避雷线弧垂数值无效!";
const char* const kRho = "土壤电阻率数值无效!";

std::vector<Field> rodTargetScale(const char* box)
{
    return {{box, 0, "30", Rule::NonNegative, kRod},
            {box, 1, "12", Rule::NonNegative, kTarget},
            {box, 2, "1:500", Rule::Scale, kScale}};
}

const std::vector<CheckTable>& tables()
{
    using R = Rule;
    static const std::vector<CheckTable> all = {
        {"CheckOneRodInput", services::CheckOneRodInput, rodTargetScale("txtOneRodIn")},
        {"CheckTwoRodPickedInput", services::CheckTwoRodPickedInput, rodTargetScale("txtTwoRodPickedIn")},
        {"CheckThreeRodPickedInput", services::CheckThreeRodPickedInput, rodTargetScale("txtThreeRodPickedIn")},
        {"CheckFourRodPickedInput", services::CheckFourRodPickedInput, rodTargetScale("txtFourRodPickedIn")},
        {"CheckHeightInput", services::CheckHeightInput,
         {{"txtHeightIn", 0, "6", R::NonNegative, "目标与避雷针的距离数值无效!"},
          {"txtHeightIn", 1, "12", R::NonNegative, kTarget}}},
        {"CheckTwoRodInput", services::CheckTwoRodInput,
         {{"txtTwoRodIn", 0, "21", R::NonNegative, kRod},
          {"txtTwoRodIn", 1, "24", R::NonNegative, kRod},
          {"txtTwoRodIn", 2, "12", R::NonNegative, kTarget},
          {"txtTwoRodIn", 3, "20", R::Positive, kSpacing},
          {"txtTwoRodIn", 4, "1:500", R::Scale, kScale}}},
        {"CheckThreeRodInput", services::CheckThreeRodInput,
         {{"txtThreeRodIn", 0, "30", R::NonNegative, kRod},
          {"txtThreeRodIn", 1, "12", R::NonNegative, kTarget},
          {"txtThreeRodIn", 2, "20", R::Positive, kSpacing},
          {"txtThreeRodIn", 3, "1:500", R::Scale, kScale}}},
        {"CheckFourRodInput", services::CheckFourRodInput,
         {{"txtFourRodIn", 0, "30", R::NonNegative, kRod},
          {"txtFourRodIn", 1, "12", R::NonNegative, kTarget},
          {"txtFourRodIn", 2, "50", R::Positive, kSpacing},
          {"txtFourRodIn", 3, "25", R::Positive, kSpacing},
          {"txtFourRodIn", 4, "1:500", R::Scale, kScale}}},
        {"CheckBuildingInput", services::CheckBuildingInput, {{"txtBuilding", 0, "1:500", R::Scale, kScale}}},
        {"CheckOneStripInput", services::CheckOneStripInput,
         {{"txtOneStripIn", 0, "21", R::NonNegative, kWireHeight},
          {"txtOneStripIn", 1, "50", R::NonNegative, kWireLength},
          {"txtOneStripIn", 2, "1", R::NonNegative, kSag},
          {"txtOneStripIn", 3, "12", R::NonNegative, kTarget},
          {"txtOneStripIn", 4, "1:500", R::Scale, kScale}}},
        {"CheckOneStripPickedInput", services::CheckOneStripPickedInput,
         {{"txtOneStripPickedIn", 0, "21", R::NonNegative, kWireHeight},
          {"txtOneStripPickedIn", 1, "1", R::NonNegative, kSag},
          {"txtOneStripPickedIn", 2, "12", R::NonNegative, kTarget},
          {"txtOneStripPickedIn", 3, "1:500", R::Scale, kScale}}},
        {"CheckTwoStripInput", services::CheckTwoStripInput,
         {{"txtTwoStripIn", 0, "45", R::NonNegative, kWireHeight},
          {"txtTwoStripIn", 1, "50", R::NonNegative, kWireLength},
          {"txtTwoStripIn", 2, "1", R::NonNegative, kSag},
          {"txtTwoStripIn", 3, "20", R::NonNegative, "避雷线间距数值无效!"},
          {"txtTwoStripIn", 4, "12", R::NonNegative, kTarget},
          {"txtTwoStripIn", 5, "1:500", R::Scale, kScale}}},
        {"CheckTwoStripPickedInput", services::CheckTwoStripPickedInput,
         {{"txtTwoStripPickedIn", 0, "45", R::NonNegative, kWireHeight},
          {"txtTwoStripPickedIn", 1, "1", R::NonNegative, kSag},
          {"txtTwoStripPickedIn", 2, "12", R::NonNegative, kTarget},
          {"txtTwoStripPickedIn", 3, "1:500", R::Scale, kScale}}},
        {"CheckVerticalInput", services::CheckVerticalInput,
         {{"txtVerticality", 0, "100", R::NonNegative, kRho},
          {"txtVerticality", 1, "2.5", R::Positive, "垂直接地极长度数值无效!"}}},
        {"CheckHorizontalInput", services::CheckHorizontalInput,
         {{"txtHorizontal", 0, "100", R::NonNegative, kRho},
          {"txtHorizontal", 1, "15", R::Positive, "水平接地极总长数值无效!"},
          {"txtHorizontal", 2, "1", R::Positive, "接地极埋深数值无效!"}}},
        {"CheckGridInput", services::CheckGridInput,
         {{"txtGird", 0, "100", R::NonNegative, kRho},
          {"txtGird", 1, "5000", R::Positive, "接地网总面积S数值无效!"},
          {"txtGird", 2, "1", R::Positive, "接地极埋深h数值无效!"},
          {"txtGird", 3, "300", R::Positive, "外缘边线总长Lo数值无效!"},
          {"txtGird", 4, "1500", R::Positive, "水平接地极总长L数值无效!"}}},
        {"CheckSupportInput", services::CheckSupportInput,
         {{"txtSupport", 0, "100", R::NonNegative, kRho},
          {"txtSupport", 1, "1", R::Positive, "接地极埋深数值无效!"},
          {"txtL1", -1, "12", R::NonNegative, "L1长度数值无效!"},
          {"txtL2", -1, "12", R::NonNegative, "L2长度数值无效!"}}},
    };
    return all;
}

// A shown window with every box of one check, each holding a valid text.
class CheckFixture : public ::testing::Test {
protected:
    void build(const CheckTable& table)
    {
        form = std::make_unique<FakeForm>();
        boxes.clear();
        for (const Field& f : table.fields)
            boxes.push_back(form->addTextBox(QString::fromUtf8(f.box), indexOf(f), QString::fromUtf8(f.valid)));
        form->window()->show();
        form->window()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form->window()));
    }

    // Runs the check; expects it to fail with message on box number `marked` (its whole text selected).
    void expectFailure(const CheckTable& table, const char* message, int marked)
    {
        form->clearMessages();
        EXPECT_FALSE(table.check(*form));
        ASSERT_EQ(form->messages().size(), 1);
        EXPECT_EQ(form->messages().front(), QString::fromUtf8(message));
        QLineEdit* box = boxes[static_cast<std::size_t>(marked)];
        EXPECT_EQ(QApplication::focusWidget(), box);
        EXPECT_EQ(box->selectedText(), box->text());
        EXPECT_EQ(box->selectionStart(), box->text().isEmpty() ? -1 : 0);
    }

    void expectPass(const CheckTable& table)
    {
        form->clearMessages();
        EXPECT_TRUE(table.check(*form));
        EXPECT_TRUE(form->messages().isEmpty()) << form->messages().join(QLatin1Char('|')).toStdString();
    }

    void resetTexts(const CheckTable& table)
    {
        for (std::size_t i = 0; i < boxes.size(); ++i)
            boxes[i]->setText(QString::fromUtf8(table.fields[i].valid));
    }

    std::unique_ptr<FakeForm> form;
    std::vector<QLineEdit*> boxes;
};

TEST_F(CheckFixture, EveryFieldRuleWithItsMessageAndBox)
{
    for (const CheckTable& table : tables()) {
        SCOPED_TRACE(table.name);
        build(table);
        expectPass(table);
        for (std::size_t i = 0; i < table.fields.size(); ++i) {
            const Field& f = table.fields[i];
            SCOPED_TRACE(f.box);
            SCOPED_TRACE(f.index);
            const int marked = static_cast<int>(i);
            const std::vector<const char*> bad = f.rule == Rule::Scale
                ? std::vector<const char*>{"", "1:0", "10:500", "1/500"}
                : f.rule == Rule::Positive ? std::vector<const char*>{"", "0", "-1", "12m", "abc", "1,5"}
                                           : std::vector<const char*>{"", "-1", "-0.001", "12m", "abc", "1,5"};
            for (const char* text : bad) {
                SCOPED_TRACE(text);
                resetTexts(table);
                boxes[i]->setText(QString::fromUtf8(text));
                expectFailure(table, f.message, marked);
                EXPECT_EQ(boxes[i]->text(), QString::fromUtf8(text)); // the text is not corrected
            }
            // A valid number with blanks around it passes its rule.
            if (f.rule != Rule::Scale) {
                resetTexts(table);
                boxes[i]->setText(QLatin1Char(' ') + QString::fromUtf8(f.valid) + QLatin1Char(' '));
                expectPass(table);
            }
        }
    }
}

TEST_F(CheckFixture, OnlyTheFirstBadFieldIsReported)
{
    for (const CheckTable& table : tables()) {
        SCOPED_TRACE(table.name);
        build(table);
        for (QLineEdit* box : boxes)
            box->clear();
        expectFailure(table, table.fields.front().message, 0);
        // With every box bad, fixing them one by one walks through the messages in order.
        for (std::size_t i = 0; i + 1 < table.fields.size(); ++i) {
            boxes[i]->setText(QString::fromUtf8(table.fields[i].valid));
            expectFailure(table, table.fields[i + 1].message, static_cast<int>(i + 1));
        }
    }
}

const CheckTable& table(const char* name)
{
    for (const CheckTable& t : tables()) {
        if (std::string(t.name) == name)
            return t;
    }
    throw std::runtime_error(name);
}

TEST_F(CheckFixture, ZeroPassesNonNegativeFields)
{
    const CheckTable& t = table("CheckGridInput");
    build(t);
    boxes[0]->setText(QStringLiteral("0")); // resistivity 0 is accepted
    expectPass(t);
    const CheckTable& w = table("CheckTwoStripInput");
    build(w);
    boxes[1]->setText(QStringLiteral("0"));
    boxes[2]->setText(QStringLiteral("0"));
    boxes[3]->setText(QStringLiteral("0")); // wires 0 apart pass the check
    expectPass(w);
    const CheckTable& h = table("CheckHeightInput");
    build(h);
    boxes[0]->setText(QStringLiteral("0"));
    boxes[1]->setText(QStringLiteral("0"));
    expectPass(h);
}

TEST_F(CheckFixture, TargetAboveRod)
{
    const char* const message = "被保护物的高度超过了避雷针的高度!";
    for (const char* name : {"CheckOneRodInput", "CheckTwoRodPickedInput", "CheckThreeRodPickedInput",
                             "CheckFourRodPickedInput", "CheckThreeRodInput", "CheckFourRodInput"}) {
        SCOPED_TRACE(name);
        const CheckTable& t = table(name);
        build(t);
        boxes[0]->setText(QStringLiteral("12"));
        boxes[1]->setText(QStringLiteral("12")); // as high as the rod: passes
        expectPass(t);
        boxes[1]->setText(QStringLiteral("12.001"));
        expectFailure(t, message, 1);
        // The cross rule comes before the scale.
        boxes[t.fields.size() - 1]->setText(QStringLiteral("bad"));
        expectFailure(t, message, 1);
    }
}

TEST_F(CheckFixture, TwoRodCrossRules)
{
    const CheckTable& t = table("CheckTwoRodInput");
    build(t);
    auto set = [&](const char* h1, const char* h2, const char* hx) {
        boxes[0]->setText(QString::fromUtf8(h1));
        boxes[1]->setText(QString::fromUtf8(h2));
        boxes[2]->setText(QString::fromUtf8(hx));
    };
    set("21", "24", "21");
    expectPass(t);
    set("21", "24", "21.001");
    expectFailure(t, "被保护物的高度超过了避雷针的高度!", 2);
    set("24", "21", "12");
    expectFailure(t, "高、低避雷针的数值输入错位!", 0);
    set("24", "24", "12");
    expectPass(t);
    // Height rule before the order rule: h1 24, h2 21, hx 22.
    set("24", "21", "22");
    expectFailure(t, "被保护物的高度超过了避雷针的高度!", 2);
    // A bad scale is reported only when everything else passes.
    boxes[4]->setText(QStringLiteral("1:0"));
    expectFailure(t, "被保护物的高度超过了避雷针的高度!", 2);
    set("21", "24", "12");
    expectFailure(t, kScale, 4);
}

TEST_F(CheckFixture, FourRodSidesBeforeHeights)
{
    const CheckTable& t = table("CheckFourRodInput");
    build(t);
    boxes[2]->setText(QStringLiteral("25"));
    boxes[3]->setText(QStringLiteral("25"));
    expectPass(t);
    boxes[3]->setText(QStringLiteral("50"));
    boxes[1]->setText(QStringLiteral("40")); // target above rod as well
    expectFailure(t, "避雷针矩形长、短边数值输入错位!", 2);
}

TEST_F(CheckFixture, TowerLengthsMustNotBothBeZero)
{
    const CheckTable& t = table("CheckSupportInput");
    build(t);
    boxes[2]->setText(QStringLiteral("0"));
    boxes[3]->setText(QStringLiteral("0"));
    expectFailure(t, "长度数值无效!", 3);
    boxes[3]->setText(QStringLiteral("12"));
    expectPass(t);
    boxes[2]->setText(QStringLiteral("12"));
    boxes[3]->setText(QStringLiteral("0"));
    expectPass(t);
}

TEST(SelectAllText, SelectsTheWholeText)
{
    FakeForm form;
    QLineEdit* box = form.addTextBox(QStringLiteral("txtOneRodIn"), 0, QStringLiteral("避雷针 30"));
    form.window()->show();
    form.window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.window()));
    box->setCursorPosition(2);
    services::SelectAllText(box);
    EXPECT_TRUE(box->hasFocus());
    EXPECT_EQ(box->selectionStart(), 0);
    EXPECT_EQ(box->selectedText(), box->text());
    services::SelectAllText(nullptr); // a missing box is skipped
}

TEST(InputChecks, MissingBoxesFailWithoutCrashing)
{
    FakeForm empty;
    EXPECT_FALSE(services::CheckTwoRodInput(empty));
    EXPECT_EQ(empty.messages(), QStringList{QString::fromUtf8(kRod)});
}

} // namespace
