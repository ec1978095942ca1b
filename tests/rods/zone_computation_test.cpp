// The zone values of one rod, the rod-height selection and two rods against worked values.
#include "rods/one_rod_zone.h"
#include "rods/rod_height.h"
#include "rods/two_rod_zone.h"
#include "services/number_format.h"
#include "services/numeric_routines.h"
#include "services/rolling_sphere.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

QString f3(double v) { return services::FormatFixed3(v, QLocale::c()); }

TEST(RollingSphere, ClassTextsAreComparedWhole)
{
    EXPECT_EQ(services::SphereRadiusOfClass(QStringLiteral("第一类  Hr=30米")), 30.0);
    EXPECT_EQ(services::SphereRadiusOfClass(QStringLiteral("第二类  Hr=45米")), 45.0);
    EXPECT_EQ(services::SphereRadiusOfClass(QStringLiteral("第三类  Hr=60米")), 60.0);
    EXPECT_FALSE(services::SphereRadiusOfClass(QStringLiteral("第一类 Hr=30米")).has_value());
    EXPECT_FALSE(services::SphereRadiusOfClass(QString()).has_value());
    EXPECT_DOUBLE_EQ(services::SphereHalfWidth(30, 30), 30.0);
    EXPECT_DOUBLE_EQ(services::SphereHalfWidth(60, 30), 0.0);
}

// The centre offset is W(h) written another way; the sections rely on its own rounding, which can
// differ from W(h) in the last bit (h 17.3 with Hr 60), so the two must stay separate routines.
TEST(RollingSphere, CentreOffsetIsWInItsOwnRounding)
{
    EXPECT_EQ(services::sphereCentreOffset(0, 30), 0.0);
    EXPECT_EQ(services::sphereCentreOffset(30, 30), 30.0);
    EXPECT_EQ(services::sphereCentreOffset(60, 30), 0.0);
    EXPECT_EQ(services::sphereCentreOffset(17.3, 60), 42.15103794688809);
    EXPECT_EQ(services::SphereHalfWidth(17.3, 60), 42.151037946888096);
    EXPECT_TRUE(std::isnan(services::sphereCentreOffset(61, 30)));
}

TEST(OneRodRadii, WorkedValues)
{
    struct Case { double h, hx, hr; const char* rx; const char* r0; bool taller; };
    const Case cases[] = {
        {24, 12, 30, "5.394", "29.394", false},
        {24, 12, 45, "9.205", "39.799", false},
        {24, 12, 60, "12.000", "48.000", false},
        {30, 12, 30, "6.000", "30.000", false},   // h equal to Hr: not taller
        {100, 50, 30, "7.639", "30.000", true},
        {60, 60, 30, "30.000", "30.000", true},   // hx equal to 2·Hr passes
        {24, 24, 30, "0.000", "29.394", false},
        {0, 0, 30, "0.000", "0.000", false},
        {5, 0, 0, "0.000", "0.000", true},        // no class ever taken: Hr 0
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.h << " " << c.hx << " " << c.hr);
        const auto r = rods::OneRodRadiiOf(c.h, c.hx, c.hr);
        ASSERT_TRUE(r.has_value());
        EXPECT_EQ(f3(r->rx), c.rx);
        EXPECT_EQ(f3(r->r0), c.r0);
        EXPECT_EQ(r->taller, c.taller);
    }
    EXPECT_FALSE(rods::OneRodRadiiOf(100, 70, 30).has_value());
    EXPECT_FALSE(rods::OneRodRadiiOf(5, 1, 0).has_value());
}

TEST(RodHeight, WorkedValuesAndRefusals)
{
    using rods::RodHeightStop;
    struct Case { double rx, hx, hr; RodHeightStop stop; const char* h; };
    const Case cases[] = {
        {6, 12, 30, RodHeightStop::None, "30.000"}, // rx + W(hx) equals Hr exactly: passes
        {6, 12, 45, RodHeightStop::None, "18.811"},
        {6, 12, 60, RodHeightStop::None, "17.151"},
        {6, 0, 30, RodHeightStop::None, "0.606"},
        {0, 12, 30, RodHeightStop::None, "12.000"},
        {0, 0, 30, RodHeightStop::None, "0.000"},
        {0, 30, 30, RodHeightStop::None, "30.000"},
        {10, 30, 30, RodHeightStop::OutOfReach, ""},
        {6, 70, 30, RodHeightStop::TargetTooHigh, ""},
        // The formula would answer 0.606, a rod far lower than the 60 m object.
        {6, 60, 30, RodHeightStop::BelowTarget, ""},
        {0, 31, 30, RodHeightStop::BelowTarget, ""},
        {6, 5, 0, RodHeightStop::TargetTooHigh, ""},
        {6, 0, 0, RodHeightStop::OutOfReach, ""},
        {0, 0, 0, RodHeightStop::None, "0.000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.rx << " " << c.hx << " " << c.hr);
        const auto r = rods::RequiredRodHeight(c.rx, c.hx, c.hr);
        EXPECT_EQ(r.stop, c.stop);
        if (c.stop == RodHeightStop::None) {
            EXPECT_EQ(f3(r.height), c.h);
        }
    }
}

TEST(RodHeight, AnswerGivesTheRodExactlyRxAtTheTarget)
{
    for (double hx : {0.0, 3.0, 12.0, 20.0}) {
        const auto h = rods::RequiredRodHeight(4.0, hx, 45.0);
        ASSERT_EQ(h.stop, rods::RodHeightStop::None);
        EXPECT_GE(h.height, hx);
        EXPECT_NEAR(rods::OneRodRadiiOf(h.height, hx, 45.0)->rx, 4.0, 1e-9);
    }
}

TEST(TwoRodZone, WorkedValues)
{
    using rods::TwoRodStop;
    struct Case {
        double h1, h2, hx, d, hr;
        const char *d1, *d2, *b0, *h0, *gap, *rx1, *rx2, *r01, *r02;
        bool taller1, taller2;
    };
    const Case cases[] = {
        {21, 24, 12, 35, 30, "16.857", "18.143", "23.127", "10.891", "6.416", "4.618", "5.394", "28.618", "29.394", false, false},
        {21, 24, 12, 35, 45, nullptr, nullptr, nullptr, "16.391", "0.000", nullptr, nullptr, nullptr, nullptr, false, false},
        {35, 40, 12, 35, 30, "17.500", "17.500", "24.367", "12.500", "0.000", "6.000", "6.000", "30.000", "30.000", true, true},
        {20, 30, 12, 5, 30, "-7.500", "12.500", "27.272", "17.500", "0.000", nullptr, nullptr, nullptr, nullptr, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.h1 << " " << c.h2 << " " << c.hx << " " << c.d << " " << c.hr);
        const auto z = rods::TwoRodZoneOf(c.h1, c.h2, c.hx, c.d, c.hr);
        ASSERT_EQ(z.stop, TwoRodStop::None);
        auto expect = [](double v, const char* text) {
            if (text) {
                EXPECT_EQ(f3(v), text);
            }
        };
        expect(z.lowOffset1, c.d1);
        expect(z.lowOffset2, c.d2);
        expect(z.waistHalfWidth, c.b0);
        expect(z.lowestHeight, c.h0);
        expect(z.axisGap, c.gap);
        expect(z.rod1.rx, c.rx1);
        expect(z.rod2.rx, c.rx2);
        expect(z.rod1.r0, c.r01);
        expect(z.rod2.r0, c.r02);
        EXPECT_EQ(z.rod1.taller, c.taller1);
        EXPECT_EQ(z.rod2.taller, c.taller2);
    }
}

TEST(TwoRodZone, StopsAndWhatTheyLeave)
{
    using rods::TwoRodStop;
    const auto far = rods::TwoRodZoneOf(21, 24, 12, 60, 30);
    EXPECT_EQ(far.stop, TwoRodStop::SpacingTooLarge);
    EXPECT_FALSE(far.hasOffsets());

    // The spacing exactly equal to W(m1) + W(m2) counts as too far.
    const double m1 = services::MinOf({21.0, 30.0}), m2 = services::MinOf({24.0, 30.0});
    const double edge = services::SphereHalfWidth(m2, 30) + services::SphereHalfWidth(m1, 30);
    EXPECT_EQ(rods::TwoRodZoneOf(21, 24, 12, edge, 30).stop, TwoRodStop::SpacingTooLarge);

    // The low rod's ground circle lies inside the high rod's: no waist.
    const auto inside = rods::TwoRodZoneOf(1, 30, 0, 5, 30);
    EXPECT_EQ(inside.stop, TwoRodStop::HeightUnsuitable);
    EXPECT_TRUE(inside.hasOffsets());
    EXPECT_FALSE(inside.hasWaist());

    const auto gap = rods::TwoRodZoneOf(50, 50, 45, 20, 30);
    EXPECT_EQ(gap.stop, TwoRodStop::GapUnsuitable);
    EXPECT_TRUE(gap.hasWaist());
    EXPECT_EQ(f3(gap.waistHalfWidth), "28.284");
    EXPECT_EQ(f3(gap.lowestHeight), "20.000");
}

} // namespace
