// The two-wire zone values: the worked values of the three classes, both cases, and every stop.
#include "services/number_format.h"
#include "wires/two_wire_zone.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using wires::TwoWireStop;
using wires::TwoWireZoneOf;

QString shown(double v) { return services::FormatFixed3(v); }

TEST(TwoWireZone, WorkedValues)
{
    struct Row {
        double height, target, spacing, hr;
        const char *bx, *bo, *h0, *shift, *minW, *am;
    };
    const Row rows[] = {
        // The typed panel's defaults (h 45, sag 1, D 12, hx 12) in the three classes: case A, then case B twice.
        {44, 12, 12, 30, "2.533", "26.533", "43.394", "-2.550", "2.533", "29.394"},
        {44, 12, 12, 45, "14.395", "44.989", "43.598", "0.391", "6.000", "44.587"},
        {44, 12, 12, 60, "21.827", "57.827", "43.699", "0.228", "6.000", "57.515"},
        // Case B with the wires on top of each other: the zone of one wire.
        {20, 12, 0, 30, "4.284", "28.284", "20.000", "0.000", "0.000", "28.284"},
        // h' = Hr is case B: no too-small test, am from bo, minW = D/2.
        {30, 12, 10, 30, "6.000", "30.000", "29.580", "0.417", "5.000", "29.580"},
        // Case A where the sphere reaches under the wire at hx: bx is negative and shown so.
        {54, 30, 30, 30, "-12.000", "18.000", "49.981", "-3.603", "3.000", "25.981"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << "h' " << r.height << " hx " << r.target << " D " << r.spacing << " Hr " << r.hr);
        const auto z = TwoWireZoneOf(r.height, r.target, r.spacing, r.hr);
        EXPECT_EQ(z.stop, TwoWireStop::None);
        EXPECT_EQ(shown(z.targetHalfWidth), QString::fromLatin1(r.bx));
        EXPECT_EQ(shown(z.groundHalfWidth), QString::fromLatin1(r.bo));
        EXPECT_EQ(shown(z.lowestHeight), QString::fromLatin1(r.h0));
        EXPECT_EQ(shown(z.midlineShift), QString::fromLatin1(r.shift));
        EXPECT_EQ(shown(z.minHalfWidth), QString::fromLatin1(r.minW));
        EXPECT_EQ(shown(z.endReach), QString::fromLatin1(r.am));
    }
}

TEST(TwoWireZone, SpacingStopsAtTheirExactBounds)
{
    struct Row {
        double height, spacing, hr;
        TwoWireStop stop;
    };
    const Row rows[] = {
        // Case A (Hr 30, h' 54: bo = 18, so the too-small bound is 2(Hr − bo) = 24).
        {54, 60, 30, TwoWireStop::SpacingTooLarge},
        {54, 59.999, 30, TwoWireStop::None},
        {54, 24, 30, TwoWireStop::SpacingTooSmall},
        {54, 24.001, 30, TwoWireStop::None},
        {54, 0, 30, TwoWireStop::SpacingTooSmall},
        // Case B (Hr 30, h' 20: bo = 28.284...): too large from 2bo on, never too small.
        {20, 2 * std::sqrt(800.0), 30, TwoWireStop::SpacingTooLarge},
        {20, 56.56, 30, TwoWireStop::None},
        {20, 0, 30, TwoWireStop::None},
        {30, 60, 30, TwoWireStop::SpacingTooLarge},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << "h' " << r.height << " D " << r.spacing << " Hr " << r.hr);
        const auto z = TwoWireZoneOf(r.height, 12, r.spacing, r.hr);
        EXPECT_EQ(z.stop, r.stop);
        // bo and bx never depend on the spacing: the picked panel shows them at a too-large stop.
        EXPECT_DOUBLE_EQ(z.groundHalfWidth, std::sqrt(r.height * (2 * r.hr - r.height)));
    }
}

TEST(TwoWireZone, HeightStops)
{
    EXPECT_TRUE(wires::targetNotBelowWire(44, 44));
    EXPECT_FALSE(wires::targetNotBelowWire(44, 43.999));
    EXPECT_TRUE(wires::targetNotBelowWire(-1, 0)); // a sag larger than the support height
    EXPECT_TRUE(wires::wireAboveTwiceSphere(60, 30));
    EXPECT_FALSE(wires::wireAboveTwiceSphere(59.999, 30));
}

} // namespace
