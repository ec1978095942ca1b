// Drawing-scale texts: which are scales, and their factors.
#include "services/scale.h"

#include <gtest/gtest.h>

namespace {

TEST(Scale, AcceptedTextsAndTheirFactors)
{
    const struct {
        const char* text;
        double factor;
    } cases[] = {
        {"1:500", 0.002}, {"1 : 500", 0.002}, {" 1 :500 ", 0.002}, {"5:1000", 0.005},
        {"2:1000", 0.002}, {"1:200", 0.005}, {"1:5e2", 0.002},     {"1:0.5", 2},
        {"1\u3000:\u3000500", 0.002},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.text);
        const QString text = QString::fromUtf8(tc.text);
        EXPECT_TRUE(services::IsValidScale(text));
        EXPECT_DOUBLE_EQ(services::ParseScale(text), tc.factor);
    }
}

TEST(Scale, RejectedTexts)
{
    const char* const cases[] = {
        "",      "1:",      "0:500",  "10:500", "1\uff1a500", "1:0",  "1:-500", "a:500",
        "1:500m", "1/500",  ":500",   "1:abc",  "-:500",      "1:1e400", "1:1e-310",
        // Val would read only the 1 of these: a scale of 1:1 instead of the one typed.
        "1:1,000", "1:500-",
    };
    for (const char* text : cases) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(services::IsValidScale(QString::fromUtf8(text)));
    }
}

} // namespace
