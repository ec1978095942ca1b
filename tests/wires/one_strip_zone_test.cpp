// The zone values of one wire against worked values, with both refusals.
#include "wires/one_strip_zone.h"

#include "services/number_format.h"

#include <gtest/gtest.h>

namespace {

QString f3(double v) { return services::FormatFixed3(v, QLocale::c()); }

TEST(OneStripZone, WorkedValuesForEveryClassAndCase)
{
    struct Case { double h, f, hx, hr; const char *bx, *bo, *h0; };
    const Case cases[] = {
        // The typed defaults (h' = 20 below Hr) in each class.
        {21, 1, 12, 30, "4.284", "28.284", "20.000"},
        {21, 1, 12, 45, "6.822", "37.417", "20.000"},
        {21, 1, 12, 60, "8.721", "44.721", "20.000"},
        // h' above Hr: the top is 2Hr − h'; at and above the top bx is 0, never negative.
        {45, 0, 12, 30, "1.981", "25.981", "15.000"},
        {45, 0, 15, 30, "0.000", "25.981", "15.000"},
        {45, 0, 20, 30, "0.000", "25.981", "15.000"},
        // h' equal to Hr takes the lower case; a target on the ground gets the full width.
        {31, 1, 12, 30, "6.000", "30.000", "30.000"},
        {30, 0, 0, 30, "30.000", "30.000", "30.000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.h << " " << c.f << " " << c.hx << " Hr " << c.hr);
        ASSERT_FALSE(wires::TargetAtOrAboveWire(c.h - c.f, c.hx));
        const auto z = wires::OneStripZoneOf(c.h - c.f, c.hx, c.hr);
        ASSERT_TRUE(z.has_value());
        EXPECT_EQ(f3(z->bx), c.bx);
        EXPECT_EQ(f3(z->bo), c.bo);
        EXPECT_EQ(f3(z->h0), c.h0);
        EXPECT_GE(z->bx, 0.0);
    }
}

TEST(OneStripZone, RefusesTargetAtOrAboveWireAndWireAtTwiceTheRadius)
{
    EXPECT_TRUE(wires::TargetAtOrAboveWire(20, 20));   // equal refuses
    EXPECT_TRUE(wires::TargetAtOrAboveWire(-1, 0));    // sag above the support
    EXPECT_FALSE(wires::TargetAtOrAboveWire(20, 19.999));

    EXPECT_FALSE(wires::OneStripZoneOf(60, 12, 30).has_value()); // equal to 2Hr refuses
    EXPECT_TRUE(wires::OneStripZoneOf(59.999, 12, 30).has_value());
    EXPECT_FALSE(wires::OneStripZoneOf(5, 1, 0).has_value());    // no class taken yet: Hr 0
}

} // namespace
