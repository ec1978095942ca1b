// The numeric-text test, its locale conversion and Val.
#include "services/numeric_text.h"

#include <gtest/gtest.h>

#include <optional>

using services::IsNumeric;
using services::NumericValue;
using services::Val;

namespace {

struct NumericCase {
    const char* text;
    std::optional<double> value; // nothing: not numeric
};

TEST(NumericText, AcceptsWhatThePlatformAcceptsInTheCLocale)
{
    const QLocale c = QLocale::c();
    const NumericCase cases[] = {
        {"12", 12},         {" 12.5 ", 12.5},  {"-3", -3},          {"+3", 3},
        {"3-", -3},         {"(4)", -4},       {".5", 0.5},         {"5.", 5},
        {"1e3", 1000},      {"1E-2", 0.01},    {"2d2", 200},        {"1,000", std::nullopt},
        {"1,5", std::nullopt}, {"1,000.25", std::nullopt}, {"&H1F", 31},   {"&HFFFF", -1},      {"&O17", 15},
        {"- 5", -5},        {"0", 0},          {"\t7\t", 7},        {"1e-400", 0},
        {"", std::nullopt}, {" ", std::nullopt}, {".", std::nullopt}, {"12m", std::nullopt},
        {"1e", std::nullopt}, {"a", std::nullopt}, {"1.2.3", std::nullopt}, {"--5", std::nullopt},
        {"(5", std::nullopt}, {"(-5)", std::nullopt}, {",5", std::nullopt}, {"1e400", std::nullopt},
        {"&H", std::nullopt}, {"&O8", std::nullopt}, {"1 2", std::nullopt}, {"１２", std::nullopt},
    };
    for (const NumericCase& tc : cases) {
        SCOPED_TRACE(tc.text);
        const QString text = QString::fromUtf8(tc.text);
        EXPECT_EQ(IsNumeric(text, c), tc.value.has_value());
        const std::optional<double> value = NumericValue(text, c);
        ASSERT_EQ(value.has_value(), tc.value.has_value());
        if (value) {
            EXPECT_DOUBLE_EQ(*value, *tc.value);
        }
    }
}

TEST(NumericText, FollowsTheLocalesSeparatorsAndCurrency)
{
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(NumericValue(QStringLiteral("12,5"), german), 12.5);
    EXPECT_FALSE(IsNumeric(QStringLiteral("1.000,5"), german)) << "no digit grouping in any locale";
    EXPECT_FALSE(IsNumeric(QStringLiteral("1,2,3"), german));

    const QLocale chinese(QLocale::Chinese, QLocale::China);
    EXPECT_EQ(NumericValue(QStringLiteral("12.5"), chinese), 12.5);
    EXPECT_EQ(NumericValue(chinese.currencySymbol() + QStringLiteral("30"), chinese), 30);
    // A full-width blank around the number counts as a blank.
    EXPECT_EQ(NumericValue(QStringLiteral("\u300012\u3000"), chinese), 12);
}

TEST(Val, ReadsTheLeadingNumberWhateverTheLocale)
{
    const struct {
        const char* text;
        double value;
        bool whole;
    } cases[] = {
        {"500", 500, true},     {" 1 2 3 ", 123, true}, {"1,000", 1, false},  {"12m", 12, false},
        {"5e2", 500, true},     {"1e", 1, false},       {"0.5", 0.5, true},   {"-2.5", -2.5, true},
        {"abc", 0, false},      {"", 0, true},          {"&HFFFF", -1, true}, {"&H10", 16, true},
        {"&O17", 15, true},     {".5", 0.5, true},      {"3-", 3, false},     {"(5)", 0, false},
        {"1.2.3", 1.2, false},  {"1d3", 1000, true},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.text);
        bool whole = false;
        EXPECT_DOUBLE_EQ(Val(QString::fromUtf8(tc.text), &whole), tc.value);
        EXPECT_EQ(whole, tc.whole);
    }
}

} // namespace
