// Panel input and output: the shown value, the ticked rule and the field table keyed by a panel's enum.
#include "fake_form.h"

#include "services/panel_io.h"

#include <QCheckBox>
#include <gtest/gtest.h>

namespace {

using testing_support::FakeForm;

TEST(PanelIo, AValueIsUsedAsItsBoxShowsIt)
{
    const struct {
        double value, shown;
    } cases[] = {{2.0005, 2.001}, {1.0 / 3, 0.333}, {28.61818, 28.618}, {-0.0004, 0}, {12, 12}};
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(services::shownValue(c.value), c.shown) << c.value;
}

TEST(PanelIo, OnlyAnExactlyCheckedBoxIsTicked)
{
    FakeForm form;
    QCheckBox boxes[3];
    for (int i = 0; i < 3; ++i)
        form.controls().add(QStringLiteral("chkProbe"), i, services::ControlKind::CheckBox, &boxes[i]);
    boxes[0].setCheckState(Qt::Checked);
    boxes[1].setTristate(true);
    boxes[1].setCheckState(Qt::PartiallyChecked);
    EXPECT_TRUE(services::isTicked(form, QStringLiteral("chkProbe"), 0));
    EXPECT_FALSE(services::isTicked(form, QStringLiteral("chkProbe"), 1)) << "a greyed box";
    EXPECT_FALSE(services::isTicked(form, QStringLiteral("chkProbe"), 2));
    EXPECT_FALSE(services::isTicked(form, QStringLiteral("chkProbe"), 3)) << "no such box";
}

TEST(PanelIo, FieldTableReadsWritesAndBlamesByName)
{
    enum class Box { Height, Spacing, Result, Unused };
    const services::FieldTable<Box> boxes{
        {Box::Spacing, {QStringLiteral("txtProbe"), 1, QStringLiteral("间距无效!")}},
        {Box::Height, {QStringLiteral("txtProbe"), 0, QStringLiteral("高度无效!")}},
        {Box::Result, {QStringLiteral("txtResult"), std::nullopt, {}}},
    };
    EXPECT_EQ(boxes.keys(), (std::vector<Box>{Box::Spacing, Box::Height, Box::Result})) << "in the table's order";
    EXPECT_THROW(boxes[Box::Unused], std::out_of_range);
    EXPECT_TRUE(boxes.contains(Box::Height));
    EXPECT_FALSE(boxes.contains(Box::Unused));

    FakeForm form;
    form.addTextBox(QStringLiteral("txtProbe"), 0, QStringLiteral("25"));
    QLineEdit* spacing = form.addTextBox(QStringLiteral("txtProbe"), 1, QStringLiteral("abc"));
    QLineEdit* result = form.addTextBox(QStringLiteral("txtResult"), std::nullopt, QString());

    EXPECT_EQ(services::boxNumber(form, boxes[Box::Height]), 25.0);
    EXPECT_EQ(services::boxNumber(form, boxes[Box::Spacing]), std::nullopt);
    services::showResult(form, boxes[Box::Result], 1.0 / 3);
    EXPECT_EQ(result->text(), QStringLiteral("0.333"));
    services::blame(form, boxes[Box::Spacing]);
    EXPECT_EQ(form.messages().last(), QStringLiteral("间距无效!"));
    EXPECT_EQ(spacing->selectedText(), QStringLiteral("abc"));
}

} // namespace
