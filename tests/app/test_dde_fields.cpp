// Reading execute strings: counting separators, fields, and indexes as 16-bit integers.
#include "app/link_execute_fields.h"

#include <gtest/gtest.h>

using app::CountOccurrences;
using app::GetField;
using app::toInteger16;

TEST(LinkExecuteFields, CountOccurrencesIgnoresCaseAndNeverOverlaps)
{
    struct Case { const char* s; const char* sub; int count; };
    const Case cases[] = {
        {"", "|", 0},       {"abc", "|", 0},  {"a|b|c", "|", 2}, {"||", "|", 2},
        {"aaa", "aa", 1},   {"aaaa", "aa", 2}, {"xAbyaB", "ab", 2}, {"|", "|", 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CountOccurrences(QString::fromUtf8(c.s), QString::fromUtf8(c.sub)), c.count) << c.s;
}

TEST(LinkExecuteFields, GetFieldTrimsBlanksAndGivesEmptyForMissingFields)
{
    struct Case { const char* s; int n; const char* field; };
    const Case cases[] = {
        {"cmdOneRod|0", 1, "cmdOneRod"},
        {" cmdOneRod | 0 ", 1, "cmdOneRod"},
        {" cmdOneRod | 0 ", 2, "0"},
        {"comClass|0|2", 3, "2"},
        {"comClass|0", 3, ""},   // fewer fields than asked for
        {"", 1, ""},
        {"a|b", 0, ""},
        {"a|b", -1, ""},
        {"a||c", 2, ""},
        {"a||c", 3, "c"},
        {"|", 2, ""},
        {"a\t|b", 1, "a\t"},     // only blanks are trimmed
        {"txtTD", 1, "txtTD"},
        {"txtTD", 2, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GetField(QStringLiteral("|"), QString::fromUtf8(c.s), c.n), QString::fromUtf8(c.field))
            << c.s << " field " << c.n;
}

TEST(LinkExecuteFields, IndexesRoundHalvesToEvenAndFailOutside16Bits)
{
    struct Case { const char* text; std::optional<int> value; };
    const Case cases[] = {
        {"0", 0},         {"-1", -1},       {"2", 2},          {"1.5", 2},      {"2.5", 2},
        {"-0.5", 0},      {"-1.5", -2},     {"3.49", 3},       {"1e2", 100},    {"32767", 32767},
        {"32767.5", {}},  {"-32768", -32768}, {"-32768.5", -32768}, {"-32769", {}}, {"99999999999", {}},
        {"", {}},         {"abc", {}},      {"1x", {}},        {"inf", {}},     {"nan", {}},
        {"&H10", 16},     {"&HFFFF", -1},   {" 7 ", 7},
    };
    for (const Case& c : cases)
        EXPECT_EQ(toInteger16(QString::fromUtf8(c.text)), c.value) << c.text;
}
