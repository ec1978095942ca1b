// Result formatting, single precision and plain decimal text.
#include "services/number_format.h"

#include <gtest/gtest.h>

using services::DecimalText;
using services::DecimalTextSingle;
using services::FormatFixed3;
using services::ToSingle;
using services::VariantText;

namespace {

TEST(FormatFixed3, RoundsHalfAwayFromZeroOnFifteenDigits)
{
    const QLocale c = QLocale::c();
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0, "0.000"},          {12.3456, "12.346"},  {2.0005, "2.001"},       {1.0005, "1.001"},
        {2.675, "2.675"},      {0.0005, "0.001"},    {0.00049, "0.000"},      {-1.5, "-1.500"},
        {-2.0005, "-2.001"},   {-0.0001, "-0.000"},  {999.9996, "1000.000"},  {1e-20, "0.000"},
        {123456789.1234, "123456789.123"},           {0.1 + 0.2, "0.300"},    {5, "5.000"},
        {1e20, "100000000000000000000.000"},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.text);
        EXPECT_EQ(FormatFixed3(tc.value, c), QString::fromLatin1(tc.text));
    }
    EXPECT_EQ(FormatFixed3(2.5, QLocale(QLocale::German, QLocale::Germany)), QStringLiteral("2,500"));
}

TEST(ToSingle, RoundsToTheNearestSingle)
{
    EXPECT_EQ(ToSingle(30.1), 30.1f);
    EXPECT_DOUBLE_EQ(static_cast<double>(ToSingle(30.1)), 30.100000381469727);
    EXPECT_EQ(ToSingle(1e300), std::numeric_limits<float>::infinity());
    EXPECT_EQ(ToSingle(-1e300), -std::numeric_limits<float>::infinity());
}

TEST(DecimalText, IsTheShortestPlainText)
{
    const QLocale c = QLocale::c();
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0, "0"},       {35.7, "35.7"},   {121, "121"},          {0.1 + 0.2, "0.3"},
        {-2.5, "-2.5"}, {1e-5, "0.00001"}, {1.5e20, "150000000000000000000"}, {1.0 / 3, "0.333333333333333"},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.text);
        EXPECT_EQ(DecimalText(tc.value, c), QString::fromLatin1(tc.text));
    }
    EXPECT_EQ(DecimalTextSingle(30.1f, c), QStringLiteral("30.1"));
    EXPECT_EQ(DecimalTextSingle(1.0f / 3, c), QStringLiteral("0.3333333"));
}

TEST(VariantText, GivesCellValuesAsText)
{
    const QLocale c = QLocale::c();
    EXPECT_EQ(VariantText(QVariant(), c), QString());
    EXPECT_EQ(VariantText(QVariant(35.7), c), QStringLiteral("35.7"));
    EXPECT_EQ(VariantText(QVariant(121.0), c), QStringLiteral("121"));
    EXPECT_EQ(VariantText(QVariant(30.1f), c), QStringLiteral("30.1"));
    EXPECT_EQ(VariantText(QVariant(QStringLiteral(" 无资料 ")), c), QStringLiteral(" 无资料 "));
}

} // namespace
